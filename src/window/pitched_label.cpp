#include "pitched_label.h"

#include <QPainter>

namespace taggen::window {

PitchedLabel::PitchedLabel(const QString& text, int pitch, QWidget* parent)
    : QWidget(parent), text_(text), pitch_(pitch) {}

QStringList PitchedLabel::wrapped_lines() const {
    const QFontMetrics metrics = fontMetrics();
    QStringList lines;
    for (const QString& source : text_.split(QLatin1Char('\n'))) {
        QString line;
        for (const QChar character : source) {
            if (!line.isEmpty() && metrics.horizontalAdvance(line + character) > width()) {
                lines << line;
                line.clear();
            }
            line += character;
        }
        lines << line;
    }
    return lines;
}

void PitchedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QStringList lines = wrapped_lines();
    for (int index = 0; index < lines.size(); ++index) {
        // Each line is centred on its own band of `pitch` pixels.
        const QRect band(0, index * pitch_, width(), pitch_);
        painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, lines[index]);
    }
}

}  // namespace taggen::window
