#pragma once

#include <string_view>

#include "form_state.h"

namespace taggen {

// Writes the text into the output box, reads the box back and puts what it
// holds on the clipboard. The clipboard's result is not looked at.
void publish(Desk desk, std::string_view output_box, std::string_view text);

// The second half of publish alone: copies whatever the box holds right now,
// text typed by the user included.
void copy_box_to_clipboard(Desk desk, std::string_view output_box);

}  // namespace taggen
