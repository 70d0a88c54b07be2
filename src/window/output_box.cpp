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
    if (display_pending_ || document()->revision() == written_revision_) return written_;
    // The raw text keeps what toPlainText() would alter (a no-break space, for one).
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text.toStdString();
}

void OutputBox::set_crlf_text(std::string_view text) {
    written_.assign(text);
    if (display_pending_) return;
    display_pending_ = true;
    QMetaObject::invokeMethod(this, &OutputBox::show_written_text, Qt::QueuedConnection);
}

void OutputBox::show_written_text() {
    if (!display_pending_) return;
    display_pending_ = false;
    setPlainText(QString::fromUtf8(written_.data(), static_cast<qsizetype>(written_.size())));
    written_revision_ = document()->revision();
}

namespace {

// Events through which the user sees or changes the box's text.
bool touches_text(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::InputMethod:
        case QEvent::InputMethodQuery:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::Drop:
        case QEvent::Paint:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool OutputBox::event(QEvent* event) {
    if (display_pending_ && touches_text(event->type())) show_written_text();
    return QPlainTextEdit::event(event);
}

bool OutputBox::viewportEvent(QEvent* event) {
    if (display_pending_ && touches_text(event->type())) show_written_text();
    return QPlainTextEdit::viewportEvent(event);
}

}  // namespace taggen::window
