#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "taglib/form_state.h"

namespace taggen::testing {

// One call that a handler made on the form or the clipboard, in order.
struct Call {
    enum Kind { ReadText, ReadIndex, ReadChecked, Write, Clip } kind;
    std::string control;  // empty for Clip
    std::string text;     // written or clipped text
};

// The window's controls in memory, in their start state. Unknown controls are
// recorded so a test can fail on a misspelt name.
class MemoryForm final : public FormState {
public:
    MemoryForm();

    Text read_text(std::string_view control) const override;
    int read_selected_index(std::string_view control) const override;
    bool read_checked(std::string_view control) const override;
    void write_text(std::string_view control, std::string_view text) override;

    // Test-side setters: what the user did, without recording a call.
    void type(std::string_view box, std::string_view text);
    void pick(std::string_view list, int index);
    // Checks the radio and unchecks the rest of its group.
    void check(std::string_view radio);

    // Sets one radio without touching its group (a fuzzer may check several).
    void set_checked(std::string_view radio, bool checked);

    std::string text(std::string_view box) const;
    int selection(std::string_view list) const;
    bool checked(std::string_view radio) const;

    mutable std::vector<Call> calls;
    mutable std::vector<std::string> unknown_controls;

private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, int, std::less<>> selections_;
    std::map<std::string, bool, std::less<>> radios_;
    std::map<std::string, std::string, std::less<>> radio_groups_;
};

// A clipboard that behaves as the system one does, failures included.
class MemoryClipboard final : public Clipboard {
public:
    enum class Mode {
        Works,
        Busy,         // another program holds it open: nothing changes
        OutOfMemory,  // emptied, then the text's block is refused
    };

    explicit MemoryClipboard(std::vector<Call>* log = nullptr) : log_(log) {}

    bool put_on_clipboard(std::string_view text) override;

    Mode mode = Mode::Works;
    std::optional<std::string> content;  // nullopt: the clipboard holds no text at all
    int puts = 0;

private:
    std::vector<Call>* log_;
};

}  // namespace taggen::testing
