#include "tag_style.h"

#include <QStyleFactory>

namespace taggen::window {

TagStyle::TagStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int TagStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
        case PM_TabBarTabVSpace:
            return 8;
        case PM_RadioButtonLabelSpacing:
            return 4;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QFont gui_font() {
    QFont font;
    // Without an explicit Simplified Chinese family, fontconfig under a C locale
    // falls back to Japanese glyph shapes for Han characters.
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("SimSun"), QStringLiteral("PingFang SC")});
    font.setPixelSize(12);
    return font;
}

}  // namespace taggen::window
