#include "window_mover.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace taggen::window {

WindowMover::WindowMover(QWidget* window) : QObject(window), window_(window) {
    window_->installEventFilter(this);
}

void WindowMover::watch(QWidget* widget) {
    widget->installEventFilter(this);
}

bool WindowMover::begin(QPoint global_position) {
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) return true;
    dragging_ = true;
    press_position_ = global_position;
    window_origin_ = window_->pos();
    return true;
}

bool WindowMover::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() != Qt::LeftButton) return false;
            // Presses that reach the window itself come from its children too; only
            // its bare background (the strip above the tabs) moves it.
            if (watched == window_ && window_->childAt(press->position().toPoint())) return false;
            return begin(press->globalPosition().toPoint());
        }
        case QEvent::MouseMove: {
            auto* move = static_cast<QMouseEvent*>(event);
            if (!dragging_ || !(move->buttons() & Qt::LeftButton)) return false;
            window_->move(window_origin_ + move->globalPosition().toPoint() - press_position_);
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (!dragging_) return false;
            dragging_ = false;
            return true;
        default:
            return false;
    }
}

}  // namespace taggen::window
