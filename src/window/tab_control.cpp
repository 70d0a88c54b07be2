#include "tab_control.h"

#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace taggen::window {

QPoint TabControl::page_origin() const {
    // The same computation QTabWidget makes when it lays its pages out.
    tabBar()->ensurePolished();
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
}

}  // namespace taggen::window
