#include <QPushButton>
#include <algorithm>

#include "window/hyperlink_box.h"
#include "window/pitched_label.h"
#include "window_fixture.h"

namespace taggen::window::testing {
namespace {

using FaqPage = WindowTest;

TEST_F(FaqPage, EveryButtonOpensItsOwnArticle) {
    const std::pair<int, int> articles[] = {{1, 638},  {2, 637},  {3, 641},  {4, 642}, {5, 645},
                                            {6, 677},  {7, 662},  {8, 661},  {9, 660}, {10, 654},
                                            {11, 646}, {12, 652}, {13, 934}, {14, 932}};
    std::vector<std::string> expected;
    for (const auto& [button, article] : articles) {
        click("按钮" + std::to_string(button));
        expected.push_back("https://www.zavocms.com/help/zavojq/" + std::to_string(article) + ".html");
    }
    click("按钮16");
    expected.push_back("https://www.zavocms.com/ask/");
    EXPECT_EQ(launcher.opened, expected);
    EXPECT_EQ(clipboard_text(), "clipboard before the test");
}

TEST_F(FaqPage, TwoClicksOpenTwiceAndAFailingLauncherChangesNothingVisible) {
    launcher.works = false;
    const auto visible_windows = [] {
        return std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible);
    };
    const auto windows_before = visible_windows();
    click("按钮1");
    click("按钮1");
    EXPECT_EQ(launcher.opened.size(), 2u);
    EXPECT_EQ(launcher.opened[0], launcher.opened[1]);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(visible_windows(), windows_before);  // no message box, no other window
    EXPECT_EQ(window->tab_control()->currentIndex(), 6);
    EXPECT_EQ(clipboard_text(), "clipboard before the test");
}

TEST_F(FaqPage, QuestionsStandLevelWithTheirButtons) {
    auto* questions = dynamic_cast<PitchedLabel*>(window->control("标签2"));
    ASSERT_NE(questions, nullptr);
    const QStringList lines = questions->wrapped_lines();
    ASSERT_EQ(lines.size(), 27);  // fourteen questions, a blank line between two
    for (int n = 1; n <= 14; ++n) {
        SCOPED_TRACE(n);
        const int line = 2 * (n - 1);
        EXPECT_TRUE(lines[line].startsWith(QStringLiteral("(%1)").arg(n)));
        if (n < 14) {
            EXPECT_TRUE(lines[line + 1].isEmpty());
        }
        const int line_top = questions->y() + line * questions->pitch();
        EXPECT_EQ(line_top, find("按钮" + std::to_string(n))->y() + 6);
    }
}

class AboutPage : public WindowTest {
protected:
    HyperlinkBox* link(std::string_view name) { return dynamic_cast<HyperlinkBox*>(window->control(name)); }
    void press(HyperlinkBox* box) {
        show_page_of(box->objectName().toStdString());
        QTest::mousePress(box, Qt::LeftButton, {}, box->rect().center());
    }
};

TEST_F(AboutPage, LinksShowTheirAddressAndOpenOnThePress) {
    const std::pair<std::string_view, std::string> links[] = {
        {"泽沃网站", "http://www.zavocms.com"},
        {"泽沃网站1", "http://www.zavocms.com/doc/"},
        {"泽沃网站2", "http://www.zavocms.com/moban/"},
        {"超级链接框1", "https://www.zavocms.com/buy/"},
    };
    for (const auto& [name, address] : links) {
        SCOPED_TRACE(std::string(name));
        HyperlinkBox* box = link(name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->shown_text().toStdString(), address);
        EXPECT_LE(box->fontMetrics().horizontalAdvance(box->shown_text()), box->width());
        EXPECT_EQ(box->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(box->text_colour(), QColor(0, 0, 255));
        press(box);  // no release: the press alone opens
        EXPECT_EQ(launcher.opened.back(), address);
        QTest::mouseRelease(box, Qt::LeftButton, {}, box->rect().center());
    }
    EXPECT_EQ(launcher.opened.size(), 4u);
}

TEST_F(AboutPage, VisitedColourAfterASuccessfulOpenAndHoverWins) {
    HyperlinkBox* box = link("超级链接框1");
    press(box);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(box, &leave);
    EXPECT_TRUE(box->visited());
    EXPECT_EQ(box->text_colour(), QColor(128, 0, 0));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(box, &enter);
    EXPECT_EQ(box->text_colour(), QColor(0, 120, 215));
    QApplication::sendEvent(box, &leave);
    EXPECT_EQ(box->text_colour(), QColor(128, 0, 0));
}

TEST_F(AboutPage, FailedOrEmptyOpenLeavesItUnvisited) {
    HyperlinkBox* box = link("泽沃网站");
    press(box);
    ASSERT_TRUE(box->visited());
    launcher.works = false;
    press(box);
    EXPECT_FALSE(box->visited());
    EXPECT_EQ(box->text_colour(), QColor(0, 0, 255));

    launcher.works = true;
    HyperlinkBox empty(QString(), QString(), launcher, nullptr);
    const auto opened = launcher.opened.size();
    EXPECT_FALSE(empty.open_link());
    EXPECT_FALSE(empty.visited());
    EXPECT_EQ(launcher.opened.size(), opened);
}

TEST_F(AboutPage, AHandlerOnThePressDoesNotHoldItBack) {
    HyperlinkBox* box = link("泽沃网站1");
    int handled = 0;
    box->on_left_button_pressed = [&] { ++handled; };
    press(box);
    EXPECT_EQ(handled, 1);
    ASSERT_FALSE(launcher.opened.empty());
    EXPECT_EQ(launcher.opened.back(), "http://www.zavocms.com/doc/");
    QTest::mousePress(box, Qt::RightButton, {}, box->rect().center());
    EXPECT_EQ(handled, 1);
    EXPECT_EQ(launcher.opened.size(), 1u);
}

TEST_F(AboutPage, PressOnTheQuestionTextMovesTheWindow) {
    show_page_of("标签2");
    QWidget* questions = window->control("标签2");
    const QPoint start = window->pos();
    QTest::mousePress(questions, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(questions, QPoint(20, 40));
    QTest::mouseRelease(questions, Qt::LeftButton, {}, QPoint(20, 40));
    EXPECT_EQ(window->pos(), start + QPoint(10, 30));
}

}  // namespace
}  // namespace taggen::window::testing
