#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "desk_fixture.h"
#include "taglib/snippet_catalogue.h"
#include "taglib/tag_pages.h"

namespace taggen::testing {
namespace {

// Every output box is empty except the one a handler is allowed to write.
void expect_other_boxes_empty(const MemoryForm& form, std::string_view own_box) {
    for (const TagPageInfo& page : kTagPages) {
        if (page.output_box != own_box) {
            EXPECT_EQ(form.text(page.output_box), "") << page.output_box;
        }
    }
}

// Reads first, then at most one write into the handler's own box, then exactly one copy.
void expect_calling_order(const std::vector<Call>& calls, std::string_view own_box) {
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().kind, Call::Clip);
    EXPECT_EQ(std::ranges::count(calls, Call::Clip, &Call::kind), 1);
    EXPECT_LE(std::ranges::count(calls, Call::Write, &Call::kind), 1);
    const auto write = std::ranges::find(calls, Call::Write, &Call::kind);
    if (write != calls.end()) {
        EXPECT_EQ(write->control, own_box);
        // After the write only the read-back of the box itself.
        ASSERT_EQ(calls.end() - write, 3);
        EXPECT_EQ(write[1].kind, Call::ReadText);
        EXPECT_EQ(write[1].control, own_box);
    } else {
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(calls[calls.size() - 2].kind, Call::ReadText);
        EXPECT_EQ(calls[calls.size() - 2].control, own_box);
    }
}

using SnippetRouting = DeskFixture;

TEST_F(SnippetRouting, EveryRadioPublishesItsRowIntoItsOwnPageBoxOnly) {
    for (const SnippetRow& row : snippet_rows()) {
        SCOPED_TRACE(std::string(row.control));
        MemoryForm fresh;
        form = fresh;
        form.type(row.output_box(), "earlier text that must be replaced");
        clipboard.content = "copied elsewhere";
        ASSERT_TRUE(is_routed(row.control, ControlEvent::Clicked));
        click(row.control);
        expect_published(row.output_box(), row.text);
        expect_other_boxes_empty(form, row.output_box());
        expect_calling_order(form.calls, row.output_box());
        // No input is read: the snippet is fixed.
        EXPECT_EQ(form.calls.size(), 3u);
    }
}

TEST_F(SnippetRouting, SecondClickPublishesAgain) {
    click("网站名称");
    form.type("首页结果输出", "edited");
    clipboard.content = "copied elsewhere";
    click("网站名称");
    expect_published("首页结果输出", "{zavo:global name='web_name' /}");
    EXPECT_EQ(clipboard.puts, 2);
}

TEST_F(SnippetRouting, ArticleClickCountIgnoresTheComposerInputs) {
    form.type("栏目id1内容", "5");
    form.pick("文章属性", 2);
    click("文章点击数");
    expect_published("首页结果输出", "{$field.click}");
    EXPECT_FALSE(form.checked("风格1"));
}

struct ComposerEvent {
    std::string_view control;
    ControlEvent event;
    std::string_view own_box;
};

using ComposerRouting = DeskFixture;

TEST_F(ComposerRouting, EveryInputRunsItsComposerInTheCallingOrder) {
    constexpr std::string_view home = "首页结果输出";
    constexpr std::string_view list = "列表页面结果输出";
    using enum ControlEvent;
    const ComposerEvent events[] = {
        {"风格1", Clicked, home},
        {"风格2", Clicked, home},
        {"风格3", Clicked, home},
        {"风格4", Clicked, home},
        {"风格5", Clicked, home},
        {"栏目id1内容", ContentChanged, home},
        {"摘要字数", ContentChanged, home},
        {"标题字数", ContentChanged, home},
        {"调用条数", ContentChanged, home},
        {"文章属性", ItemSelected, home},
        {"排列方式", ItemSelected, home},
        {"时间样式", ItemSelected, home},
        {"栏目id内容", ContentChanged, home},
        {"栏目个数", ContentChanged, home},
        {"栏目属性", ItemSelected, home},
        {"其他字段", ItemSelected, home},
        {"列标题字数", ContentChanged, list},
        {"列描述字数", ContentChanged, list},
        {"列分页大小", ContentChanged, list},
    };
    EXPECT_EQ(composer_routes().size(), std::size(events));
    for (const ComposerEvent& e : events) {
        for (int index : {0, 1}) {  // pickers write nothing on item 0
            SCOPED_TRACE(std::string(e.control) + " " + std::to_string(index));
            form = MemoryForm();
            form.check(e.control);
            if (e.event == ItemSelected) form.pick(e.control, index);
            if (e.event == ContentChanged) form.type(e.control, index ? "9" : "");
            ASSERT_TRUE(is_routed(e.control, e.event));
            ASSERT_TRUE(handle_event(desk(), e.control, e.event));
            expect_calling_order(form.calls, e.own_box);
            expect_other_boxes_empty(form, e.own_box);
        }
    }
}

TEST_F(ComposerRouting, ArticleListReadsEveryInputBeforeTestingAStyle) {
    click("风格3");
    const auto first_radio = std::ranges::find(form.calls, Call::ReadChecked, &Call::kind);
    const auto reads_before = first_radio - form.calls.begin();
    EXPECT_EQ(reads_before, 6);  // four boxes and two lists
    EXPECT_EQ(std::ranges::count(form.calls, Call::ReadChecked, &Call::kind), 5);
}

TEST_F(ComposerRouting, UnroutedEventsStartNothing) {
    using enum ControlEvent;
    const std::pair<std::string_view, ControlEvent> unrouted[] = {
        {"首页结果输出", ContentChanged},
        {"列表页面结果输出", ContentChanged},
        {"可视标签输出", ContentChanged},
        {"网站名称", ContentChanged},
        {"栏目id内容", Clicked},
        {"风格1", ItemSelected},
        {"FZ1", Clicked},
        {"T4", Clicked},
        {"IMG", Clicked},
        {"按钮1", Clicked},
        {"", Clicked},
        {"dx99", Clicked},
    };
    for (const auto& [control, event] : unrouted) {
        SCOPED_TRACE(std::string(control));
        EXPECT_FALSE(is_routed(control, event));
        EXPECT_FALSE(handle_event(desk(), control, event));
    }
    EXPECT_TRUE(form.calls.empty());
}

}  // namespace
}  // namespace taggen::testing
