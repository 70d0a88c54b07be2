#pragma once

#include <QPoint>
#include <QTabWidget>

namespace taggen::window {

// The tab control. Page-level places are given relative to its own corner,
// tab strip included, while Qt puts each page below the strip: page_origin()
// says where, so controls can be placed exactly.
class TabControl final : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

    QPoint page_origin() const;
};

}  // namespace taggen::window
