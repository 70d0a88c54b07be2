#pragma once

#include "taglib/form_state.h"

namespace taggen::win32 {

// The Windows clipboard, written as plain 8-bit text (CF_TEXT) in code page 936,
// with the Chinese locale beside it so the system derives the Unicode form right.
class Win32Clipboard final : public Clipboard {
public:
    bool put_on_clipboard(std::string_view text) override;
};

}  // namespace taggen::win32
