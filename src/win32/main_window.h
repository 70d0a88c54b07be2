#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <string_view>
#include <vector>

#include "taglib/form_state.h"
#include "win32_form.h"
#include "win32_launcher.h"

namespace taggen::win32 {

// The one window with the standard Windows controls, built from the same
// layout tables as every front end, routing events to the tag library.
class MainWindow {
public:
    MainWindow(HINSTANCE instance, Clipboard& clipboard);

    HWND handle() const { return window_; }

    // Runs the message loop until the window is closed; Esc closes it from any control.
    int run();

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK container_procedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                                DWORD_PTR);
    static LRESULT CALLBACK output_box_procedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                                 DWORD_PTR);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);

    void build_controls();
    void build_status_bar();
    void show_page(int page);
    void on_command(HWND control, WORD code);

    HINSTANCE instance_;
    Clipboard& clipboard_;
    CommandLauncher command_launcher_;
    ShellLauncher shell_launcher_;
    Win32Form form_;
    HWND window_ = nullptr;
    HWND tab_ = nullptr;
    HFONT font_ = nullptr;
    std::map<HWND, std::string_view> names_;             // control window to control name
    std::map<HWND, std::string_view> button_addresses_;  // FAQ buttons
    std::array<std::vector<HWND>, 8> page_controls_;     // the controls standing on each page
};

}  // namespace taggen::win32
