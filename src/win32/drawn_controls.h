#pragma once

#include <windows.h>

#include <string>

#include "desktop/address_launcher.h"

// Controls the program draws itself: labels, picture boxes and hyperlink boxes.
namespace taggen::win32 {

struct LabelLook {
    COLORREF colour;
    int line_pitch;  // 0: one line, vertically centred; otherwise wraps, a line every line_pitch pixels
};

struct HyperlinkState {
    std::wstring caption;
    std::wstring address;
    desktop::AddressLauncher* shell;
    bool visited = false;
    bool hover = false;
};

void register_drawn_controls(HINSTANCE instance);

HWND create_label(HWND parent, const std::wstring& text, RECT place, const LabelLook& look);
HWND create_picture(HWND parent, RECT place, HBITMAP picture);
HWND create_hyperlink(HWND parent, RECT place, HyperlinkState state);

// A press on a label, a picture or the window's background moves the window.
void move_window_by_press(HWND window);

// Decodes a GIF held as a resource of the program into a bitmap.
HBITMAP load_picture_resource(HINSTANCE instance, const wchar_t* name);

}  // namespace taggen::win32
