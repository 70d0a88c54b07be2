#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "desk_fixture.h"

namespace taggen::testing {
namespace {

constexpr std::string_view kBox = "首页结果输出";

const std::string kStyle1 =
    "}\r\n<li>\r\n<a href='{$field.typeurl}'>{$field.typename}</a>\r\n<a "
    "href='{$field.arcurl}'>{$field.title}</a>\r\n</li>  \r\n{/zavo:arclist}";
const std::string kStyle2 =
    "}\r\n<li>\r\n<a href='{$field.arcurl}'>{$field.title}</a>\r\n</li>  \r\n{/zavo:arclist}";
const std::string kStyle3 =
    "}\r\n<li>\r\n<a href='{$field.arcurl}'>\r\n<img src='{$field.litpic}' "
    "/>{$field.title}</a>\r\n</li>\r\n{/zavo:arclist}";
const std::string kStyle4 =
    "}\r\n<li>\r\n<a href='{$field.arcurl}'>\r\n<img src='{$field.litpic}' "
    "alt='{$field.title}'>{$field.title}</a>\r\n"
    "<span>{$field.seo_description}...</span>\r\n</li>\r\n{/zavo:arclist}\r\n";
const std::string kStyle5 =
    "}\r\n<li>\r\n<a "
    "href='{$field.arcurl}'>{$field.title}</a>\r\n<p>{$field.seo_description}...</p>\r\n</li>\r\n{/"
    "zavo:arclist}";

struct Case {
    const char* name;
    std::function<void(DeskFixture&)> act;  // the user's last action runs the composer
    std::string tag;

    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class ArticleListComposer : public DeskFixture, public ::testing::WithParamInterface<Case> {};

TEST_P(ArticleListComposer, ComposesTheTagFromAllInputs) {
    GetParam().act(*this);
    expect_published(kBox, GetParam().tag);
}

const Case kCases[] = {
    {"FirstChangeKeepsDefaultOrdering", [](DeskFixture& f) { f.type("栏目id1内容", "5"); },
     "{zavo:arclist typeid='5' orderby='now'" + kStyle1},
    {"StyleClickedAtStart", [](DeskFixture& f) { f.click("风格2"); },
     "{zavo:arclist orderby='now'" + kStyle2},
    {"AllAttributesInFixedOrderWhateverTheInputOrder",
     [](DeskFixture& f) {
         f.type("调用条数", "10");
         f.click("风格5");
         f.type("标题字数", "30");
         f.pick("排列方式", 1);
         f.type("摘要字数", "100");
         f.pick("文章属性", 2);
         f.type("栏目id1内容", "5");
     },
     "{zavo:arclist typeid='5' flag='c' infolen='100' orderby='click' titlelen='30' row='10'" + kStyle5},
    {"BlanksAreNotEmpty", [](DeskFixture& f) { f.type("标题字数", " "); },
     "{zavo:arclist orderby='now' titlelen=' '" + kStyle1},
    {"TextUsedUnchangedEvenWithAQuote", [](DeskFixture& f) { f.type("摘要字数", "a'b\"c 栏目"); },
     "{zavo:arclist infolen='a'b\"c 栏目' orderby='now'" + kStyle1},
    {"DeletedTextLeavesTheAttributeOut",
     [](DeskFixture& f) {
         f.type("调用条数", "1");
         f.type("调用条数", "12");
         f.type("调用条数", "");
     },
     "{zavo:arclist orderby='now'" + kStyle1},
    {"FlagBackToNoneRemovesIt",
     [](DeskFixture& f) {
         f.pick("文章属性", 1);
         f.pick("文章属性", 0);
     },
     "{zavo:arclist orderby='now'" + kStyle1},
    {"LastFlagAndOrdering",
     [](DeskFixture& f) {
         f.pick("排列方式", 3);
         f.pick("文章属性", 5);
     },
     "{zavo:arclist flag='j' orderby='rand'" + kStyle1},
    {"NoSelectionGivesNoAttributes",
     [](DeskFixture& f) {
         f.pick("文章属性", -1);
         f.pick("排列方式", -1);
     },
     "{zavo:arclist" + kStyle1},
    {"IndexesWithoutARowGiveNoAttributes",
     [](DeskFixture& f) {
         f.pick("文章属性", 6);
         f.pick("排列方式", 4);
     },
     "{zavo:arclist" + kStyle1},
    {"Style3", [](DeskFixture& f) { f.click("风格3"); }, "{zavo:arclist orderby='now'" + kStyle3},
    {"Style4EndsInALineBreak", [](DeskFixture& f) { f.click("风格4"); },
     "{zavo:arclist orderby='now'" + kStyle4},
    {"TimeFormatDoesNotChangeTheTag",
     [](DeskFixture& f) {
         f.type("栏目id1内容", "7");
         f.pick("时间样式", 3);
         f.click("风格1");
     },
     "{zavo:arclist typeid='7' orderby='now'" + kStyle1},
};

INSTANTIATE_TEST_SUITE_P(Cases, ArticleListComposer, ::testing::ValuesIn(kCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

using ArticleListComposerRuns = DeskFixture;

TEST_F(ArticleListComposerRuns, EveryKeystrokeIsARun) {
    type("调用条数", "1");
    EXPECT_EQ(form.text(kBox), "{zavo:arclist orderby='now' row='1'" + kStyle1);
    type("调用条数", "12");
    expect_published(kBox, "{zavo:arclist orderby='now' row='12'" + kStyle1);
    EXPECT_EQ(clipboard.puts, 2);
}

TEST_F(ArticleListComposerRuns, RepickOrReclickRunsAgainAndRefillsTheClipboard) {
    pick("排列方式", 0);
    clipboard.content = "copied elsewhere";
    pick("排列方式", 0);
    expect_published(kBox, "{zavo:arclist orderby='now'" + kStyle1);
    clipboard.content = "copied elsewhere";
    click("风格1");
    expect_published(kBox, "{zavo:arclist orderby='now'" + kStyle1);
    EXPECT_EQ(clipboard.puts, 3);
}

TEST_F(ArticleListComposerRuns, WithoutAStyleTheBoxIsCopiedAsItIs) {
    click("文章点击数");
    expect_published(kBox, "{$field.click}");
    for (int run = 0; run < 2; ++run) {
        form.calls.clear();
        type("标题字数", run == 0 ? "3" : "30");
        expect_published(kBox, "{$field.click}");
        for (const Call& call : form.calls) EXPECT_NE(call.kind, Call::Write);
    }
    form.type(kBox, "typed\r\nby hand");
    pick("文章属性", 2);
    expect_published(kBox, "typed\r\nby hand");

    click("风格3");
    expect_published(kBox, "{zavo:arclist flag='c' orderby='now' titlelen='30'" + kStyle3);
}

TEST_F(ArticleListComposerRuns, ReplacesTextTypedIntoTheBox) {
    form.type(kBox, "typed by the user");
    type("栏目id1内容", "2");
    expect_published(kBox, "{zavo:arclist typeid='2' orderby='now'" + kStyle1);
}

struct TimeFormat {
    int index;
    const char* text;  // nullptr: nothing is written
};

using TimeFormatPicker = DeskFixture;

TEST_F(TimeFormatPicker, PublishesTheFormatOrCopiesTheBoxUnchanged) {
    const TimeFormat formats[] = {
        {1, "{$field.add_time|MyDate='m-d',###}"},
        {0, nullptr},
        {2, "{$field.add_time|MyDate='Y-m-d',###}"},
        {3, "{$field.add_time|MyDate='Y-m-d H:i:s',###}"},
        {4, "{$field.add_time|MyDate='m-d H:i:s',###}"},
        {5, "{$field.add_time|MyDate='m-d i:s',###}"},
        {6, "{$field.add_time|MyDate='Y年m月d日',###}"},
        {-1, nullptr},
        {7, "{$field.add_time|MyDate='Y年m月d日 H:i:s ',###}"},
        {8, nullptr},
    };
    std::string expected = "";
    for (const TimeFormat& format : formats) {
        SCOPED_TRACE(format.index);
        clipboard.content = "other";
        pick("时间样式", format.index);
        if (format.text) expected = format.text;
        expect_published(kBox, expected);
    }
}

}  // namespace
}  // namespace taggen::testing
