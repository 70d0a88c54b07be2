#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace taggen {

// Every text of the program: UTF-8 bytes, line breaks as CR LF. There is one
// empty text and no separate "missing" value.
using Text = std::string;

// True exactly when the text has no bytes; nothing is trimmed.
inline bool is_empty_text(std::string_view text) {
    return text.empty();
}

// The parts in order, byte for byte, with nothing between them. An empty part
// adds nothing, which is how composers leave an attribute out.
Text join_texts(std::initializer_list<std::string_view> parts);

}  // namespace taggen
