#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>

#include "desktop/address_launcher.h"

namespace taggen::window {

// A link drawn as centred text that opens its address when the left button
// goes down on it. It remembers whether the last open succeeded.
class HyperlinkBox final : public QWidget {
public:
    static inline const QColor kNormalColour{0, 0, 255};
    static inline const QColor kVisitedColour{128, 0, 0};
    static inline const QColor kHoverColour{0, 120, 215};

    HyperlinkBox(const QString& caption, const QString& address, desktop::AddressLauncher& launcher,
                 QWidget* parent);

    // Runs first on every left-button press; it cannot hold the press back.
    std::function<void()> on_left_button_pressed;

    // Opens the address; an empty address opens nothing and counts as failed.
    bool open_link();

    QString shown_text() const;
    QString address() const { return address_; }
    bool visited() const { return visited_; }
    bool hovered() const { return hovered_; }
    QColor text_colour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString caption_;
    QString address_;
    desktop::AddressLauncher& launcher_;
    bool visited_ = false;
    bool hovered_ = false;
};

}  // namespace taggen::window
