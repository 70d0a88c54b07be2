#pragma once

#include <span>
#include <string_view>

#include "form_state.h"
#include "tag_pages.h"

namespace taggen {

// One fixed snippet: the radio button that publishes it and the text itself.
struct SnippetRow {
    TagPage page;
    std::string_view group;          // group box holding the radio; empty when it stands on the page
    std::string_view group_caption;  // empty for an uncaptioned or missing group box
    std::string_view control;
    std::string_view caption;
    std::string_view text;

    constexpr std::string_view output_box() const { return tag_page(page).output_box; }
};

// All rows, page by page in tab order, each page's rows in the order they stand on it.
std::span<const SnippetRow> snippet_rows();

// The row of a radio button, or nullptr when the control has none.
const SnippetRow* find_snippet_row(std::string_view control);

// A click on a snippet radio: its text into its own page's box and onto the clipboard.
void publish_snippet(Desk desk, const SnippetRow& row);

}  // namespace taggen
