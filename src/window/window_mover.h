#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace taggen::window {

// Moves the window while the left button is held on its background, a label
// or a picture, as if its title bar had been pressed. Asks the window system
// first; where it refuses (a bare X server, say) the window follows the pointer.
class WindowMover final : public QObject {
public:
    explicit WindowMover(QWidget* window);

    // The widget's presses move the window instead of reaching the widget.
    void watch(QWidget* widget);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool begin(QPoint global_position);

    QWidget* window_;
    bool dragging_ = false;
    QPoint press_position_;
    QPoint window_origin_;
};

}  // namespace taggen::window
