#include <QLineEdit>
#include <QRadioButton>
#include <map>

#include "taglib/snippet_catalogue.h"
#include "taglib/tag_pages.h"
#include "window_fixture.h"

namespace taggen::window::testing {
namespace {

using layout::Control;
using layout::Kind;

const std::string kArticleStyle1 =
    "}\r\n<li>\r\n<a href='{$field.typeurl}'>{$field.typename}</a>\r\n<a "
    "href='{$field.arcurl}'>{$field.title}</a>\r\n"
    "</li>  \r\n{/zavo:arclist}";
const std::string kChannelTail =
    " currentstyle='on'}\r\n<a href=\"{$field.typeurl}\" "
    "class=\"{$field.currentstyle}\">{$field.typename}</a>\r\n"
    "{/zavo:channel}";
const std::string kListTail =
    "}\r\n<a "
    "href='{$field.arcurl}'>{$field.title}</a>\r\n<span>{$field.seo_description}...</span>\r\n{/zavo:list}";

class WindowBehaviour : public WindowTest {
protected:
    std::map<std::string_view, bool> radios() const {
        std::map<std::string_view, bool> states;
        for (const layout::Page& page : layout::pages())
            for (const Control& row : page.controls)
                if (row.kind == Kind::RadioButton)
                    states[row.name] = find<QRadioButton>(row.name)->isChecked();
        return states;
    }
    std::map<std::string_view, std::string> boxes() const {
        std::map<std::string_view, std::string> texts;
        for (const TagPageInfo& page : kTagPages) texts[page.output_box] = box_text(page.output_box);
        return texts;
    }
    void type_into(std::string_view name, const QString& keys) {
        show_page_of(name);
        QWidget* edit = find(name);
        edit->setFocus();
        QTest::keyClicks(edit, keys);
    }
};

TEST_F(WindowBehaviour, StartState) {
    EXPECT_EQ(window->tab_control()->currentIndex(), 0);
    for (const auto& [name, checked] : radios()) EXPECT_EQ(checked, name == "风格1") << name;
    for (const layout::Page& page : layout::pages())
        for (const Control& row : page.controls) {
            if (row.kind == Kind::DropDown) {
                EXPECT_EQ(find<QComboBox>(row.name)->currentIndex(), 0) << row.name;
            }
            if (row.kind == Kind::EditBox) {
                EXPECT_TRUE(find<QLineEdit>(row.name)->text().isEmpty()) << row.name;
            }
        }
    for (const auto& [box, text] : boxes()) EXPECT_EQ(text, "") << box;
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), find("首页结果输出"));
    EXPECT_EQ(clipboard_text(), "clipboard before the test");
}

TEST_F(WindowBehaviour, RadiosGroupByContainer) {
    for (std::size_t page = 0; page < 6; ++page) {
        for (const Control& row : layout::pages()[page].controls) {
            if (row.kind != Kind::RadioButton) continue;
            SCOPED_TRACE(std::string(row.name));
            const auto before = radios();
            click(row.name);
            click(row.name);  // a re-click keeps it checked
            for (const Control& other : layout::pages()[page].controls) {
                if (other.kind != Kind::RadioButton) continue;
                const bool now = find<QRadioButton>(other.name)->isChecked();
                const bool expected = other.name == row.name             ? true
                                      : other.container == row.container ? false
                                                                         : before.at(other.name);
                EXPECT_EQ(now, expected) << other.name;
            }
        }
    }
}

TEST_F(WindowBehaviour, PageLevelRadiosBesideAGroupBoxFormTheirOwnGroup) {
    click("单选框1");
    click("单选框13");
    click("单选框11");
    EXPECT_TRUE(find<QRadioButton>("单选框1")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("单选框13")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("单选框11")->isChecked());
    click("单选框11");
    EXPECT_TRUE(find<QRadioButton>("单选框11")->isChecked());
    click("单选框7");
    click("单选框8");
    click("单选框10");
    click("单选框14");
    int checked = 0;
    for (const auto& [name, state] : radios())
        checked += state && std::string_view(name).starts_with("单选框");
    EXPECT_EQ(checked, 5);
}

TEST_F(WindowBehaviour, EverySnippetRadioPublishesItsRowIntoItsOwnBox) {
    for (const SnippetRow& row : snippet_rows()) {
        SCOPED_TRACE(std::string(row.control));
        auto expected = boxes();
        expected[row.output_box()] = std::string(row.text);
        QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
        click(row.control);
        EXPECT_EQ(boxes(), expected);
        EXPECT_EQ(clipboard_text(), row.text);
    }
}

TEST_F(WindowBehaviour, ArticleListComposerFollowsKeystrokes) {
    type_into("调用条数", QStringLiteral("1"));
    expect_published("首页结果输出", "{zavo:arclist orderby='now' row='1'" + kArticleStyle1);
    type_into("调用条数", QStringLiteral("2"));
    expect_published("首页结果输出", "{zavo:arclist orderby='now' row='12'" + kArticleStyle1);
    QTest::keyClick(find("调用条数"), Qt::Key_Backspace);
    QTest::keyClick(find("调用条数"), Qt::Key_Backspace);
    expect_published("首页结果输出", "{zavo:arclist orderby='now'" + kArticleStyle1);

    type_into("栏目id1内容", QStringLiteral("5"));
    pick("文章属性", 2);
    expect_published("首页结果输出", "{zavo:arclist typeid='5' flag='c' orderby='now'" + kArticleStyle1);

    // A re-pick of the selected item runs the composer again.
    QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
    pick("文章属性", 2);
    expect_published("首页结果输出", "{zavo:arclist typeid='5' flag='c' orderby='now'" + kArticleStyle1);

    click("文章点击数");
    type_into("标题字数", QStringLiteral("3"));
    expect_published("首页结果输出", "{$field.click}");
}

TEST_F(WindowBehaviour, NavigationComposerAndColumnFieldPicker) {
    type_into("栏目id内容", QStringLiteral("3"));
    pick("栏目属性", 3);
    type_into("栏目个数", QStringLiteral("8"));
    expect_published("首页结果输出", "{zavo:channel type='sonself' typeid='3' row='8'" + kChannelTail);

    pick("其他字段", 1);
    expect_published("首页结果输出", "{$field.englist_name}");
    QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
    pick("其他字段", 0);
    expect_published("首页结果输出", "{$field.englist_name}");
    pick("时间样式", 7);
    expect_published("首页结果输出", "{$field.add_time|MyDate='Y年m月d日 H:i:s ',###}");
    QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
    pick("时间样式", 7);
    expect_published("首页结果输出", "{$field.add_time|MyDate='Y年m月d日 H:i:s ',###}");
}

TEST_F(WindowBehaviour, ListPageComposerFollowsKeystrokes) {
    type_into("列分页大小", QStringLiteral("20"));
    type_into("列标题字数", QStringLiteral("3"));
    expect_published("列表页面结果输出", "{zavo:list titlelen='3' pagesize='20'" + kListTail);
    EXPECT_EQ(box_text("首页结果输出"), "");
}

TEST_F(WindowBehaviour, OutputBoxesHoldExactBytesAndStartNothing) {
    auto* box = find<OutputBox>("首页结果输出");
    const std::string text = "a \r\n\tb\u3000\r\n\u00a0c \r\n";
    box->set_crlf_text(text);
    EXPECT_EQ(box->crlf_text(), text);
    // Bytes a paragraph cannot keep come back as written until the user edits them.
    box->set_crlf_text("lone\rCR, lone\nLF");
    EXPECT_EQ(box->crlf_text(), "lone\rCR, lone\nLF");
    box->set_crlf_text("");
    EXPECT_EQ(box->crlf_text(), "");
    EXPECT_EQ(clipboard_text(), "clipboard before the test");

    box->clear();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("x"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(box, QStringLiteral("y"));
    EXPECT_EQ(box->crlf_text(), "x\r\n\r\n\r\ny");
    EXPECT_EQ(clipboard_text(), "clipboard before the test");
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_FALSE(box->isReadOnly());
}

TEST_F(WindowBehaviour, SwitchingPagesKeepsEveryValue) {
    click("dx5");
    type_into("列描述字数", QStringLiteral("9"));
    pick("排列方式", 2);
    const auto radios_before = radios();
    const auto boxes_before = boxes();
    const std::string clip = clipboard_text();
    for (int page : {7, 3, 0, 5, 1}) window->tab_control()->setCurrentIndex(page);
    EXPECT_EQ(radios(), radios_before);
    EXPECT_EQ(boxes(), boxes_before);
    EXPECT_EQ(find<QLineEdit>("列描述字数")->text(), QStringLiteral("9"));
    EXPECT_EQ(find<QComboBox>("排列方式")->currentIndex(), 2);
    EXPECT_EQ(clipboard_text(), clip);
}

TEST_F(WindowBehaviour, EscapeClosesFromAnyControl) {
    for (std::string_view name : {"调用条数", "首页结果输出", "栏目属性"}) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        find(name)->setFocus();
        QTest::keyClick(find(name), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << name;
    }
}

TEST_F(WindowBehaviour, DropDownListsShowAtMost160PixelsAndScroll) {
    for (std::string_view name : {"时间样式", "文章属性", "栏目属性"}) {
        auto* list = find<QComboBox>(name);
        EXPECT_LE(20 + list->maxVisibleItems() * (list->fontMetrics().height() + 4), 160) << name;
    }
    EXPECT_LT(find<QComboBox>("时间样式")->maxVisibleItems(), 8);
}

TEST_F(WindowBehaviour, PressOnALabelOrPictureMovesTheWindow) {
    for (std::string_view handle : {"T4", "IMG2"}) {
        const QPoint start = window->pos();
        QWidget* widget = find(handle);
        QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(widget, QPoint(35, 25));
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(35, 25));
        EXPECT_EQ(window->pos(), start + QPoint(30, 20)) << handle;
    }
    // The bare strip above the tabs moves the window; the tab page beneath a group box does not.
    QPoint start = window->pos();
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(300, 10));
    QTest::mouseMove(window.get(), QPoint(310, 15));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(310, 15));
    EXPECT_EQ(window->pos(), start + QPoint(10, 5));

    start = window->pos();
    QWidget* page = window->tab_control()->currentWidget();
    QTest::mousePress(page, Qt::LeftButton, {}, QPoint(300, 480));
    QTest::mouseMove(page, QPoint(320, 490));
    QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(320, 490));
    EXPECT_EQ(window->pos(), start);

    QWidget* radio = find("风格3");
    QTest::mousePress(radio, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(radio, QPoint(35, 25));
    QTest::mouseRelease(radio, Qt::LeftButton, {}, QPoint(35, 25));
    EXPECT_EQ(window->pos(), start);
}

}  // namespace
}  // namespace taggen::window::testing
