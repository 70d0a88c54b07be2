#pragma once

#include <span>
#include <string_view>

// The window's pages as plain data, one row per control, so that every pixel
// can be checked against the design and any front end can build the same window.
namespace taggen::layout {

enum class Kind {
    GroupBox,
    RadioButton,
    EditBox,
    OutputBox,
    DropDown,
    Label,
    PushButton,
    PictureBox,
    HyperlinkBox
};

enum class Tint { Default, Red };

// Left, top, width, height in pixels, relative to the container's top-left corner.
struct Rect {
    int left;
    int top;
    int width;
    int height;
};

// What only some controls have.
struct Extra {
    std::span<const std::string_view> items = {};  // drop-down items, in stored order
    bool checked = false;                          // radio checked at start
    Tint tint = Tint::Default;                     // label text colour
    std::string_view asset = {};                   // picture file of a picture box
    std::string_view address = {};                 // what a push button or hyperlink box opens
    bool wraps = false;                            // label text wraps and starts at the top
};

struct Control {
    std::string_view name;
    Kind kind;
    std::string_view container;  // a group box's name; empty for the tab control itself
    Rect place;
    std::string_view caption;  // caption or text; empty when the control shows none
    Extra extra = {};
};

struct Page {
    std::string_view caption;
    std::span<const Control> controls;  // each container before its contents
};

// The eight tab pages in tab order.
std::span<const Page> pages();

// The row of a control by name, or nullptr.
const Control* find_control(std::string_view name);

}  // namespace taggen::layout
