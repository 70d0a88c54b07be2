// Prints where the end-to-end tests click, in window client coordinates, from
// the layout tables themselves, with what each radio must publish:
//   radio <page> <name> <x> <y> <expected text as hex>
//   edit|list|button|link <page> <name> <x> <y>
//   tab <x> <y>                      (the first tab)
#include <cstdio>
#include <string_view>

#include "layout/page_layouts.h"
#include "layout/window_layout.h"
#include "taglib/snippet_catalogue.h"

namespace {

using taggen::layout::Control;
using taggen::layout::Kind;

const char* kind_word(Kind kind) {
    switch (kind) {
        case Kind::RadioButton:
            return "radio";
        case Kind::EditBox:
            return "edit";
        case Kind::DropDown:
            return "list";
        case Kind::PushButton:
            return "button";
        case Kind::HyperlinkBox:
            return "link";
        default:
            return nullptr;
    }
}

}  // namespace

int main() {
    const auto& tab = taggen::layout::kTabControl;
    std::printf("tab %d %d\n", tab.left + 20, tab.top + 10);
    const auto pages = taggen::layout::pages();
    for (std::size_t page = 0; page < pages.size(); ++page) {
        for (const Control& row : pages[page].controls) {
            const char* word = kind_word(row.kind);
            if (!word) continue;
            int x = tab.left + row.place.left, y = tab.top + row.place.top;
            if (!row.container.empty()) {
                const Control* box = taggen::layout::find_control(row.container);
                x += box->place.left;
                y += box->place.top;
            }
            // Radios are pressed on their circle; everything else in its middle.
            x += row.kind == Kind::RadioButton ? 8 : row.place.width / 2;
            y += row.kind == Kind::DropDown ? 10 : row.place.height / 2;
            std::printf("%s %zu %.*s %d %d", word, page, int(row.name.size()), row.name.data(), x, y);
            if (const taggen::SnippetRow* snippet = taggen::find_snippet_row(row.name)) {
                std::printf(" ");
                for (unsigned char byte : snippet->text) std::printf("%02x", byte);
            }
            std::printf("\n");
        }
    }
}
