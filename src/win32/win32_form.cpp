#include "win32_form.h"

#include "text_codec.h"

namespace taggen::win32 {

void Win32Form::add(std::string_view name, HWND control) {
    controls_.emplace(name, control);
}

HWND Win32Form::control(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

Text Win32Form::read_text(std::string_view name) const {
    HWND edit = control(name);
    if (!edit) return {};
    std::wstring text(std::size_t(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(edit, text.data(), int(text.size()))));
    return to_utf8(text);
}

int Win32Form::read_selected_index(std::string_view name) const {
    HWND list = control(name);
    return list ? int(SendMessageW(list, CB_GETCURSEL, 0, 0)) : -1;  // CB_ERR is -1
}

bool Win32Form::read_checked(std::string_view name) const {
    HWND radio = control(name);
    return radio && SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Form::write_text(std::string_view name, std::string_view text) {
    if (HWND box = control(name)) SetWindowTextW(box, to_wide(text).c_str());
}

}  // namespace taggen::win32
