#include "main_window.h"

#include <commctrl.h>

#include <new>

#include "drawn_controls.h"
#include "layout/window_layout.h"
#include "taglib/routing.h"
#include "text_codec.h"

namespace taggen::win32 {
namespace {

using layout::Control;
using layout::Kind;

constexpr wchar_t kWindowClass[] = L"TagGeneratorWindow";

RECT rect_of(const layout::Rect& place) {
    return {place.left, place.top, place.left + place.width, place.top + place.height};
}

HWND create_native(const wchar_t* type, DWORD style, DWORD extended, const std::wstring& text, RECT place,
                   HWND parent, HINSTANCE instance) {
    return CreateWindowExW(extended, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent, nullptr, instance,
                           nullptr);
}

const wchar_t* picture_resource(std::string_view asset) {
    if (asset == "style-a.gif") return L"STYLE_A";
    if (asset == "style-b.gif") return L"STYLE_B";
    if (asset == "style-c.gif") return L"STYLE_C";
    if (asset == "style-d.gif") return L"STYLE_D";
    return L"STYLE_E";
}

[[noreturn]] void end_for_lack_of_memory() {
    MessageBoxW(nullptr, L"内存不足，程序将退出。", L"泽沃CMS标签生成器", MB_ICONERROR | MB_OK);
    ExitProcess(1);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Clipboard& clipboard)
    : instance_(instance), clipboard_(clipboard) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    register_drawn_controls(instance);

    WNDCLASSW type{};
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hIcon = LoadIconW(instance, L"APP_ICON");
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = kWindowClass;
    RegisterClassW(&type);

    font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const int left = (GetSystemMetrics(SM_CXSCREEN) - layout::kOuterWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - layout::kOuterHeight) / 2;
    window_ = CreateWindowExW(0, kWindowClass, to_wide(layout::kWindowTitle).c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left, top,
                              layout::kOuterWidth, layout::kOuterHeight, nullptr, nullptr, instance, this);
    build_controls();
    build_status_bar();
    show_page(0);
    // The created event: the caret waits in the home page's output box.
    SetFocus(form_.control(layout::kInitialFocus));
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

void MainWindow::build_controls() {
    const layout::Rect& tab_place = layout::kTabControl;
    tab_ = create_native(WC_TABCONTROLW, WS_CLIPSIBLINGS | WS_TABSTOP, WS_EX_CONTROLPARENT, L"",
                         rect_of(tab_place), window_, instance_);
    SendMessageW(tab_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SetWindowSubclass(tab_, container_procedure, 0, reinterpret_cast<DWORD_PTR>(this));

    const auto pages = layout::pages();
    for (std::size_t index = 0; index < pages.size(); ++index) {
        std::wstring caption = to_wide(pages[index].caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tab_, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    }

    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (const Control& row : pages[page].controls) {
            HWND parent = row.container.empty() ? tab_ : form_.control(row.container);
            const RECT place = rect_of(row.place);
            const std::wstring caption = to_wide(row.caption);
            HWND control = nullptr;
            switch (row.kind) {
                case Kind::GroupBox:
                    control = create_native(L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT, caption, place,
                                            parent, instance_);
                    // A group box holds its radios; their notifications must reach the window.
                    SetWindowSubclass(control, container_procedure, 0, reinterpret_cast<DWORD_PTR>(this));
                    break;
                case Kind::RadioButton:
                    control = create_native(L"BUTTON", BS_AUTORADIOBUTTON | BS_MULTILINE | WS_TABSTOP, 0,
                                            caption, place, parent, instance_);
                    SendMessageW(control, BM_SETCHECK, row.extra.checked ? BST_CHECKED : BST_UNCHECKED, 0);
                    break;
                case Kind::EditBox:
                    control = create_native(L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, L"",
                                            place, parent, instance_);
                    break;
                case Kind::OutputBox:
                    control = create_native(
                        L"EDIT",
                        ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
                        0, L"", place, parent, instance_);
                    SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no limit
                    SetWindowSubclass(control, output_box_procedure, 0, 0);
                    break;
                case Kind::DropDown: {
                    RECT with_list = place;
                    with_list.bottom =
                        place.top + std::max(int(place.bottom - place.top), layout::kDropDownWithListHeight);
                    control = create_native(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, L"",
                                            with_list, parent, instance_);
                    for (std::string_view text : row.extra.items)
                        SendMessageW(control, CB_ADDSTRING, 0,
                                     reinterpret_cast<LPARAM>(to_wide(text).c_str()));
                    SendMessageW(control, CB_SETCURSEL, 0, 0);
                    break;
                }
                case Kind::Label: {
                    const LabelLook look{
                        row.extra.tint == layout::Tint::Red ? RGB(255, 0, 0) : GetSysColor(COLOR_BTNTEXT),
                        row.extra.wraps ? layout::kWrappedLabelLinePitch : 0};
                    control = create_label(parent, caption, place, look);
                    break;
                }
                case Kind::PushButton:
                    control = create_native(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, caption, place, parent,
                                            instance_);
                    if (!row.extra.address.empty()) button_addresses_[control] = row.extra.address;
                    break;
                case Kind::PictureBox:
                    control = create_picture(
                        parent, place, load_picture_resource(instance_, picture_resource(row.extra.asset)));
                    break;
                case Kind::HyperlinkBox:
                    control = create_hyperlink(
                        parent, place, HyperlinkState{caption, to_wide(row.extra.address), &shell_launcher_});
                    break;
            }
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
            form_.add(row.name, control);
            names_[control] = row.name;
            if (row.container.empty()) page_controls_[page].push_back(control);
        }
    }
}

void MainWindow::build_status_bar() {
    HWND bar = create_native(STATUSCLASSNAMEW, 0, 0, L"", rect_of(layout::kStatusBar), window_, instance_);
    SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    int edges[layout::kStatusParts.size()];
    int right = 0;
    for (std::size_t part = 0; part < layout::kStatusParts.size(); ++part)
        edges[part] = right += layout::kStatusParts[part].width;
    SendMessageW(bar, SB_SETPARTS, layout::kStatusParts.size(), reinterpret_cast<LPARAM>(edges));
    for (std::size_t part = 0; part < layout::kStatusParts.size(); ++part)
        SendMessageW(bar, SB_SETTEXTW, part,
                     reinterpret_cast<LPARAM>(to_wide(layout::kStatusParts[part].text).c_str()));
    form_.add(layout::kStatusBarName, bar);
}

void MainWindow::show_page(int page) {
    for (std::size_t index = 0; index < page_controls_.size(); ++index)
        for (HWND control : page_controls_[index])
            ShowWindow(control, int(index) == page ? SW_SHOW : SW_HIDE);
}

void MainWindow::on_command(HWND control, WORD code) {
    const auto named = names_.find(control);
    if (named == names_.end()) return;
    const std::string_view name = named->second;
    const Desk desk{form_, clipboard_};
    switch (code) {
        case BN_CLICKED:
            if (const auto button = button_addresses_.find(control); button != button_addresses_.end())
                static_cast<void>(command_launcher_.launch_address(button->second));
            else
                handle_event(desk, name, ControlEvent::Clicked);
            break;
        case EN_CHANGE:
            handle_event(desk, name, ControlEvent::ContentChanged);  // output boxes have no route
            break;
        case CBN_SELENDOK:  // a pick in the opened list, also of the selected item
            handle_event(desk, name, ControlEvent::ItemSelected);
            break;
        case CBN_SELCHANGE:  // a pick with the arrow keys while the list is closed
            if (!SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0))
                handle_event(desk, name, ControlEvent::ItemSelected);
            break;
    }
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, w, l);
    if (!self->window_) self->window_ = window;
    try {
        return self->handle(message, w, l);
    } catch (const std::bad_alloc&) {
        end_for_lack_of_memory();
    }
}

LRESULT CALLBACK MainWindow::output_box_procedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                                  DWORD_PTR) {
    // Tab moves the focus on, as everywhere in the window; Enter still starts a new line.
    LRESULT result = DefSubclassProc(window, message, w, l);
    if (message == WM_GETDLGCODE && l && reinterpret_cast<const MSG*>(l)->message == WM_KEYDOWN &&
        reinterpret_cast<const MSG*>(l)->wParam == VK_TAB)
        result &= ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    return result;
}

LRESULT CALLBACK MainWindow::container_procedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                                 DWORD_PTR self) {
    // Tab control and group boxes pass their children's notifications on to the window.
    if (message == WM_COMMAND || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
        return SendMessageW(reinterpret_cast<MainWindow*>(self)->window_, message, w, l);
    return DefSubclassProc(window, message, w, l);
}

LRESULT MainWindow::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_COMMAND:
            if (l) on_command(reinterpret_cast<HWND>(l), HIWORD(w));
            return 0;
        case WM_NOTIFY: {
            const auto* notice = reinterpret_cast<const NMHDR*>(l);
            if (notice->hwndFrom == tab_ && notice->code == TCN_SELCHANGE)
                show_page(int(SendMessageW(tab_, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // Radios, buttons and group frames show the tab page beneath their captions.
            SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        case WM_LBUTTONDOWN:  // the bare strip above the tabs
            move_window_by_press(window_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, w, l);
}

int MainWindow::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            DestroyWindow(window_);
            continue;
        }
        if (IsDialogMessageW(window_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}

}  // namespace taggen::win32
