#include "snippet_catalogue.h"

#include <algorithm>

#include "publish.h"

namespace taggen {

const SnippetRow* find_snippet_row(std::string_view control) {
    const auto rows = snippet_rows();
    const auto found = std::ranges::find(rows, control, &SnippetRow::control);
    return found == rows.end() ? nullptr : &*found;
}

void publish_snippet(Desk desk, const SnippetRow& row) {
    publish(desk, row.output_box(), row.text);
}

}  // namespace taggen
