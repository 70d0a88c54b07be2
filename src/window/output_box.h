#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace taggen::window {

// The multi-line output box of a tag page.
//
// Qt keeps line breaks as paragraph separators and cannot tell CR LF from a
// lone CR or LF; this box hands back exactly the bytes last written until the
// user edits them, and after an edit reads every line break as CR LF (a typed
// Enter included).
//
// A write takes effect at once for every reader; laying the text out on screen
// waits until the event queue is drained, so a burst of keystrokes in a composer
// input costs one layout, not one per keystroke. Anything the user does to the
// box itself, and every paint, sees the latest text.
class OutputBox final : public QPlainTextEdit {
public:
    explicit OutputBox(QWidget* parent);

    std::string crlf_text() const;
    void set_crlf_text(std::string_view text);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void show_written_text();

    std::string written_;        // the bytes of the last write
    int written_revision_ = -1;  // the document's revision once they were laid out
    bool display_pending_ = false;
};

}  // namespace taggen::window
