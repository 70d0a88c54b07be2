#pragma once

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace taggen::window {

// The multi-line output box of a tag page. Qt keeps line breaks as paragraph
// separators; this box hands back exactly what was written, CR LF included,
// and a line break the user types reads back as CR LF too.
class OutputBox final : public QPlainTextEdit {
public:
    explicit OutputBox(QWidget* parent);

    std::string crlf_text() const;
    void set_crlf_text(std::string_view text);
};

}  // namespace taggen::window
