#pragma once

#include <span>
#include <string_view>

#include "form_state.h"

namespace taggen {

// An optional attribute of a composed tag taken from an edit box, such as
// " row='10'": present exactly when the box is not empty, value used unchanged.
struct BoxAttribute {
    std::string_view box;
    std::string_view opening;  // blank, name and "='", e.g. " row='"
};

// The three pieces of a box attribute as read now; all empty when the box is.
struct AttributeText {
    std::string_view opening;
    Text value;
    std::string_view closing;
};

AttributeText read_attribute(const FormState& form, const BoxAttribute& attribute);

// The text of a table row chosen by a drop-down's index; empty for an index
// without a row, -1 included.
constexpr std::string_view text_at(std::span<const std::string_view> rows, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return {};
    return rows[static_cast<std::size_t>(index)];
}

// A picker publishes the text of the picked item; for an item without text
// (a prompt, or no selection) it writes nothing and copies the box as it is.
void run_picker(Desk desk, std::string_view list, std::span<const std::string_view> texts,
                std::string_view output_box);

}  // namespace taggen
