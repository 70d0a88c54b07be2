#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace taggen::window {

// The multi-line output box of a tag page. Qt keeps line breaks as paragraph
// separators and cannot tell CR LF from a lone CR or LF; this box hands back
// exactly the bytes last written until the user edits them, and after an edit
// reads every line break as CR LF (a typed Enter included).
class OutputBox final : public QPlainTextEdit {
public:
    explicit OutputBox(QWidget* parent);

    std::string crlf_text() const;
    void set_crlf_text(std::string_view text);

private:
    std::string written_;       // the bytes of the last write
    int written_revision_ = -1;  // the document's revision right after it
};

}  // namespace taggen::window
