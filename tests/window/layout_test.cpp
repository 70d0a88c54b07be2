#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>

#include "layout/window_layout.h"
#include "window/pitched_label.h"
#include "window/tab_control.h"
#include "window_fixture.h"

namespace taggen::window::testing {
namespace {

using layout::Control;
using layout::Kind;

using WindowLayout = WindowTest;

TEST_F(WindowLayout, EveryControlStandsWhereTheLayoutTableSays) {
    QTabWidget* tab = window->tab_control();
    int checked_controls = 0;
    for (std::size_t page = 0; page < layout::pages().size(); ++page) {
        tab->setCurrentIndex(int(page));
        for (const Control& row : layout::pages()[page].controls) {
            SCOPED_TRACE(std::string(row.name));
            QWidget* widget = find(row.name);
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->objectName(), qt(row.name));
            QPoint place;
            if (row.container.empty()) {
                EXPECT_EQ(widget->parentWidget(), tab->widget(int(page)));
                place = widget->mapTo(tab, QPoint());
            } else {
                EXPECT_EQ(widget->parentWidget(), find(row.container));
                place = widget->pos();
            }
            EXPECT_EQ(place, QPoint(row.place.left, row.place.top));
            EXPECT_EQ(widget->size(), QSize(row.place.width, row.place.height));
            EXPECT_FALSE(widget->accessibleName().isEmpty());
            ++checked_controls;
        }
    }
    EXPECT_EQ(checked_controls, 129 + 17 + 9);
}

TEST_F(WindowLayout, TabStripCoversNoControl) {
    QTabWidget* tab = window->tab_control();
    const QRect strip = tab->tabBar()->geometry();
    for (std::size_t page = 0; page < layout::pages().size(); ++page)
        for (const Control& row : layout::pages()[page].controls)
            if (row.container.empty()) {
                const QRect place(row.place.left, row.place.top, row.place.width, row.place.height);
                EXPECT_FALSE(strip.intersects(place)) << row.name << " under the tab strip";
            }
    EXPECT_EQ(tab->count(), 8);
    for (int page = 0; page < tab->count(); ++page)
        EXPECT_EQ(tab->tabText(page), qt(layout::pages()[page].caption));
    EXPECT_EQ(tab->geometry(), QRect(-4, 26, 632, 547));
}

TEST_F(WindowLayout, FixedFrameWithTitleMinimizeAndCloseButNoMaximize) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("泽沃CMS标签生成器 v3.1.20200624"));
    EXPECT_EQ(window->size(), QSize(624, 541));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(WindowLayout, StatusBarHasTwoPartsAndLiesOverTheTabControl) {
    QWidget* bar = find("说明");
    EXPECT_EQ(bar->geometry(), QRect(0, 521, 624, 20));
    const auto parts = bar->findChildren<QLabel*>();
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0]->geometry(), QRect(0, 0, 450, 20));
    EXPECT_EQ(parts[1]->geometry(), QRect(450, 0, 500, 20));
    EXPECT_EQ(parts[0]->text(),
              QStringLiteral("使用说明:选择相应标签即可自动生成和复制到剪辑版,你只需要粘贴使用即可。"));
    EXPECT_TRUE(parts[1]->text().contains(QStringLiteral("泽沃")));
    EXPECT_EQ(window->childAt(300, 530)->parentWidget(), bar);
}

TEST_F(WindowLayout, ChineseUsesSimplifiedGlyphsAtTheStandardSize) {
    const QFontInfo info(find("网站名称")->font());
    EXPECT_TRUE(info.family().endsWith(QStringLiteral(" SC"))) << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 12);
}

TEST_F(WindowLayout, EveryCaptionReadsWholeAtItsWidth) {
    for (const layout::Page& page : layout::pages())
        for (const Control& row : page.controls) {
            SCOPED_TRACE(std::string(row.name));
            QWidget* widget = find(row.name);
            const QString caption = qt(row.caption);
            const int needed = widget->fontMetrics().horizontalAdvance(caption);
            if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
                QStyleOptionButton option;
                option.initFrom(radio);
                option.rect = radio->rect();
                const int room =
                    radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width();
                EXPECT_LE(needed, room);
            } else if (auto* label = qobject_cast<QLabel*>(widget); label && !caption.isEmpty()) {
                EXPECT_LE(needed, label->width());
                EXPECT_EQ(label->text(), caption);
            } else if (auto* lines = dynamic_cast<PitchedLabel*>(widget)) {
                EXPECT_EQ(lines->wrapped_lines().size(), caption.count(QStringLiteral("\r\n")) + 1);
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                EXPECT_LE(needed, button->width() - 8);
            } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
                EXPECT_LE(needed, group->width() - 16);
            }
        }
}

TEST_F(WindowLayout, PicturesAndRedHints) {
    const std::pair<std::string_view, QSize> pictures[] = {{"IMG", {130, 110}},
                                                           {"IMG1", {130, 110}},
                                                           {"IMG2", {200, 146}},
                                                           {"IMG3", {200, 146}},
                                                           {"IMG4", {80, 68}}};
    for (const auto& [name, stored] : pictures) {
        auto* picture = find<QLabel>(name);
        EXPECT_EQ(picture->pixmap().size(), stored) << name;
        EXPECT_TRUE(picture->hasScaledContents());
    }
    for (std::string_view name : {"T15", "T18"})
        EXPECT_EQ(find<QLabel>(name)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(find<QLabel>("T4")->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
}

}  // namespace
}  // namespace taggen::window::testing
