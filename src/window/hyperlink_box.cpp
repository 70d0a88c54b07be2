#include "hyperlink_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace taggen::window {

HyperlinkBox::HyperlinkBox(const QString& caption, const QString& address, desktop::AddressLauncher& launcher,
                           QWidget* parent)
    : QWidget(parent), caption_(caption), address_(address), launcher_(launcher) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

QString HyperlinkBox::shown_text() const {
    return caption_.isEmpty() ? address_ : caption_;
}

QColor HyperlinkBox::text_colour() const {
    if (hovered_) return kHoverColour;
    return visited_ ? kVisitedColour : kNormalColour;
}

bool HyperlinkBox::open_link() {
    const QByteArray address = address_.toUtf8();
    visited_ = !address.isEmpty() && launcher_.launch_address({address.constData(), size_t(address.size())});
    update();
    return visited_;
}

void HyperlinkBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(text_colour());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, shown_text());
}

void HyperlinkBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (on_left_button_pressed) on_left_button_pressed();
    open_link();
    event->accept();
}

void HyperlinkBox::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QWidget::enterEvent(event);
}

void HyperlinkBox::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QWidget::leaveEvent(event);
}

}  // namespace taggen::window
