#include "output_box.h"

#include <QTextDocument>

namespace taggen::window {

OutputBox::OutputBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setTabChangesFocus(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

std::string OutputBox::crlf_text() const {
    if (document()->revision() == written_revision_) return written_;
    // The raw text keeps what toPlainText() would alter (a no-break space, for one).
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text.toStdString();
}

void OutputBox::set_crlf_text(std::string_view text) {
    setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    written_.assign(text);
    written_revision_ = document()->revision();
}

}  // namespace taggen::window
