#include "drawn_controls.h"

#include <gdiplus.h>
#include <shlwapi.h>

#include <algorithm>
#include <vector>

#include "text_codec.h"

namespace taggen::win32 {
namespace {

constexpr wchar_t kLabelClass[] = L"TagGeneratorLabel";
constexpr wchar_t kPictureClass[] = L"TagGeneratorPicture";
constexpr wchar_t kHyperlinkClass[] = L"TagGeneratorHyperlink";

constexpr COLORREF kNormalColour = RGB(0, 0, 255);
constexpr COLORREF kVisitedColour = RGB(128, 0, 0);
constexpr COLORREF kHoverColour = RGB(0, 120, 215);

HFONT font_of(HWND window) {
    return reinterpret_cast<HFONT>(GetPropW(window, L"font"));
}

LRESULT common(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_SETFONT:
            SetPropW(window, L"font", reinterpret_cast<HANDLE>(w));
            if (l) InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_of(window));
        case WM_NCDESTROY:
            RemovePropW(window, L"font");
            break;
    }
    return DefWindowProcW(window, message, w, l);
}

// Draws one line vertically centred, left-aligned or centred. A text a little
// wider than its room gives up a pixel here and there between letters so that
// it reads whole without moving or resizing its control.
void draw_line(HDC dc, const std::wstring& text, const RECT& area, bool centred) {
    const int count = int(text.size());
    if (count == 0) return;
    std::vector<int> ends(static_cast<std::size_t>(count), 0);
    SIZE extent{};
    GetTextExtentExPointW(dc, text.c_str(), count, 0, nullptr, ends.data(), &extent);
    std::vector<int> advances(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        advances[std::size_t(i)] = ends[std::size_t(i)] - (i ? ends[std::size_t(i - 1)] : 0);
    const int room = int(area.right - area.left);
    int width = extent.cx;
    for (int pass = 0; width > room && pass < 3; ++pass)
        for (int i = 0; i < count && width > room; i += std::max(1, count / (width - room + 1))) {
            --advances[std::size_t(i)];
            --width;
        }
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int x = int(area.left) + (centred ? (room - width) / 2 : 0);
    const int y = int(area.top) + (int(area.bottom - area.top) - metrics.tmHeight) / 2;
    ExtTextOutW(dc, x, y, 0, nullptr, text.c_str(), UINT(count), advances.data());
}

// Labels and pictures: a press on them moves the window instead.
LRESULT moving_common(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_LBUTTONDOWN) {
        move_window_by_press(GetAncestor(window, GA_ROOT));
        return 0;
    }
    return common(window, message, w, l);
}

std::wstring window_text(HWND window) {
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

// A control's own state: a copy of what creation passed, owned by the window
// from WM_NCCREATE to WM_NCDESTROY.
template <typename State>
State* own_state(HWND window, UINT message, LPARAM l) {
    auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        state = new State(*static_cast<State*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    } else if (message == WM_NCDESTROY) {
        delete state;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        state = nullptr;
    }
    return state;
}

// Starts painting text: the control's font, a transparent background, the colour.
HDC begin_text_paint(HWND window, PAINTSTRUCT& paint, RECT& area, COLORREF colour) {
    HDC dc = BeginPaint(window, &paint);
    GetClientRect(window, &area);
    SelectObject(dc, font_of(window));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    return dc;
}

LRESULT CALLBACK label_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    LabelLook* look = own_state<LabelLook>(window, message, l);
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            RECT area;
            HDC dc = begin_text_paint(window, paint, area, look->colour);
            const std::wstring text = window_text(window);
            if (look->line_pitch == 0) {
                draw_line(dc, text, area, false);
            } else {
                // Line by line on a fixed pitch, each line centred on its band.
                std::size_t start = 0;
                int top = 0;
                while (start <= text.size()) {
                    std::size_t end = text.find(L"\r\n", start);
                    if (end == std::wstring::npos) end = text.size();
                    RECT band{0, top, area.right, top + look->line_pitch};
                    DrawTextW(dc, text.c_str() + start, int(end - start), &band,
                              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
                    top += look->line_pitch;
                    start = end + 2;
                }
            }
            EndPaint(window, &paint);
            return 0;
        }
    }
    return moving_common(window, message, w, l);
}

LRESULT CALLBACK picture_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            auto* picture = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(window, GWLP_USERDATA));
            BITMAP info;
            if (picture && GetObjectW(picture, sizeof info, &info)) {
                RECT area;
                GetClientRect(window, &area);
                HDC source = CreateCompatibleDC(dc);
                HGDIOBJ previous = SelectObject(source, picture);
                SetStretchBltMode(dc, HALFTONE);
                StretchBlt(dc, 0, 0, area.right, area.bottom, source, 0, 0, info.bmWidth, info.bmHeight,
                           SRCCOPY);
                SelectObject(source, previous);
                DeleteDC(source);
            }
            EndPaint(window, &paint);
            return 0;
        }
    }
    return moving_common(window, message, w, l);
}

LRESULT CALLBACK hyperlink_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    HyperlinkState* state = own_state<HyperlinkState>(window, message, l);
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            RECT area;
            HDC dc = begin_text_paint(window, paint, area,
                                      state->hover     ? kHoverColour
                                      : state->visited ? kVisitedColour
                                                       : kNormalColour);
            const std::wstring& shown = state->caption.empty() ? state->address : state->caption;
            draw_line(dc, shown, area, true);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (!state->hover) {
                state->hover = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
                TrackMouseEvent(&track);
                InvalidateRect(window, nullptr, TRUE);
            }
            return 0;
        case WM_MOUSELEAVE:
            state->hover = false;
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_LBUTTONDOWN: {
            // Opens on the press; the visited state holds whether this open succeeded.
            const std::string address = to_utf8(state->address);
            state->visited = !address.empty() && state->shell->launch_address(address);
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        }
    }
    return common(window, message, w, l);
}

void register_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, LPCWSTR cursor) {
    WNDCLASSW type{};
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, cursor);
    type.hbrBackground = nullptr;  // drawn over whatever the page shows beneath
    type.lpszClassName = name;
    RegisterClassW(&type);
}

HWND create(const wchar_t* type, HWND parent, const std::wstring& text, RECT place, void* data) {
    return CreateWindowExW(0, type, text.c_str(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), data);
}

}  // namespace

void register_drawn_controls(HINSTANCE instance) {
    register_class(instance, kLabelClass, label_procedure, IDC_ARROW);
    register_class(instance, kPictureClass, picture_procedure, IDC_ARROW);
    register_class(instance, kHyperlinkClass, hyperlink_procedure, IDC_HAND);
}

HWND create_label(HWND parent, const std::wstring& text, RECT place, const LabelLook& look) {
    LabelLook copy = look;
    return create(kLabelClass, parent, text, place, &copy);
}

HWND create_picture(HWND parent, RECT place, HBITMAP picture) {
    HWND box = create(kPictureClass, parent, L"", place, nullptr);
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
    return box;
}

HWND create_hyperlink(HWND parent, RECT place, HyperlinkState state) {
    return create(kHyperlinkClass, parent, state.caption, place, &state);
}

void move_window_by_press(HWND window) {
    ReleaseCapture();
    PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

HBITMAP load_picture_resource(HINSTANCE instance, const wchar_t* name) {
    static ULONG_PTR gdiplus = [] {
        ULONG_PTR token = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token, &input, nullptr);
        return token;
    }();
    static_cast<void>(gdiplus);
    HRSRC found = FindResourceW(instance, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) return nullptr;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
    IStream* stream = SHCreateMemStream(bytes, SizeofResource(instance, found));
    if (!stream) return nullptr;
    HBITMAP bitmap = nullptr;
    Gdiplus::GpBitmap* decoded = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromStream(stream, &decoded) == Gdiplus::Ok) {
        Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(decoded, &bitmap, 0xFFFFFFFF);
        Gdiplus::DllExports::GdipDisposeImage(decoded);
    }
    stream->Release();
    return bitmap;
}

}  // namespace taggen::win32
