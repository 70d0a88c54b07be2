#pragma once

#include <QFont>
#include <QProxyStyle>

namespace taggen::window {

// Fusion with the proportions of the classic desktop controls the layout was
// drawn for: a slimmer tab strip, so no page's top controls sit under it, and
// a radio caption that starts closer to its circle, so every caption fits.
class TagStyle final : public QProxyStyle {
public:
    TagStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

// The standard 9-point GUI font with Simplified Chinese glyph shapes. Sized in
// pixels because the whole layout is in pixels.
QFont gui_font();

}  // namespace taggen::window
