#pragma once

#include "taglib/form_state.h"

namespace taggen::desktop {

// The desktop clipboard through Qt: plain text only, replacing whatever it held.
class SystemClipboard final : public Clipboard {
public:
    bool put_on_clipboard(std::string_view text) override;
};

}  // namespace taggen::desktop
