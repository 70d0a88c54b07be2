#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace taggen::window {

// Text drawn from the top, one line every `pitch` pixels, whatever the font's
// own line spacing, so that lines stay level with controls laid out on that
// pitch. Lines wider than the label wrap onto the next line.
class PitchedLabel final : public QWidget {
public:
    PitchedLabel(const QString& text, int pitch, QWidget* parent);

    QStringList wrapped_lines() const;
    int pitch() const { return pitch_; }
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    int pitch_;
};

}  // namespace taggen::window
