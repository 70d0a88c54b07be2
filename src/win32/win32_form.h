#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>

#include "taglib/form_state.h"

namespace taggen::win32 {

// The form state over the window's native controls, found by control name.
class Win32Form final : public FormState {
public:
    void add(std::string_view name, HWND control);
    HWND control(std::string_view name) const;

    Text read_text(std::string_view control) const override;
    int read_selected_index(std::string_view control) const override;
    bool read_checked(std::string_view control) const override;
    void write_text(std::string_view control, std::string_view text) override;

private:
    std::map<std::string, HWND, std::less<>> controls_;
};

}  // namespace taggen::win32
