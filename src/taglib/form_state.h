#pragma once

#include <string_view>

#include "text.h"

namespace taggen {

// The window's controls as the tag library sees them: by control name only.
// The window implements this over its real widgets; tests use an in-memory form.
class FormState {
public:
    virtual ~FormState() = default;

    // Whole text of an edit or output box, as a fresh copy; empty when it holds nothing.
    virtual Text read_text(std::string_view control) const = 0;
    // 0-based position of the selected item of a drop-down list, -1 when none is selected.
    virtual int read_selected_index(std::string_view control) const = 0;
    virtual bool read_checked(std::string_view control) const = 0;
    // Replaces the whole text of an output box. Starts no handler.
    virtual void write_text(std::string_view control, std::string_view text) = 0;
};

// The system clipboard, written as plain text.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Replaces the clipboard's whole content; true when the text was placed.
    virtual bool put_on_clipboard(std::string_view text) = 0;
};

// What every handler works on: the form it reads and writes, and the clipboard.
struct Desk {
    FormState& form;
    Clipboard& clipboard;
};

}  // namespace taggen
