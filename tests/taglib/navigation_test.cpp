#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "desk_fixture.h"

namespace taggen::testing {
namespace {

constexpr std::string_view kBox = "首页结果输出";

const std::string kTail =
    " currentstyle='on'}\r\n<a href=\"{$field.typeurl}\" "
    "class=\"{$field.currentstyle}\">{$field.typename}</a>\r\n{/zavo:channel}";

struct Case {
    const char* name;
    std::function<void(DeskFixture&)> act;
    std::string tag;

    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class NavigationComposer : public DeskFixture, public ::testing::WithParamInterface<Case> {};

TEST_P(NavigationComposer, ComposesTheChannelTag) {
    GetParam().act(*this);
    expect_published(kBox, GetParam().tag);
}

const Case kCases[] = {
    {"FirstChange", [](DeskFixture& f) { f.type("栏目id内容", "1"); },
     "{zavo:channel type='top' typeid='1'" + kTail},
    {"KindAloneWithEmptyBoxes", [](DeskFixture& f) { f.pick("栏目属性", 1); },
     "{zavo:channel type='son'" + kTail},
    {"KindStandsBeforeTheColumnId",
     [](DeskFixture& f) {
         f.type("栏目个数", "8");
         f.type("栏目id内容", "3");
         f.pick("栏目属性", 3);
     },
     "{zavo:channel type='sonself' typeid='3' row='8'" + kTail},
    {"SelfAndFirst",
     [](DeskFixture& f) {
         f.pick("栏目属性", 2);
         f.pick("栏目属性", 4);
     },
     "{zavo:channel type='first'" + kTail},
    {"BlankAndQuoteUsedUnchanged",
     [](DeskFixture& f) {
         f.type("栏目id内容", " ");
         f.type("栏目个数", "x'y");
     },
     "{zavo:channel type='top' typeid=' ' row='x'y'" + kTail},
    {"RowDeletedAgain",
     [](DeskFixture& f) {
         f.type("栏目个数", "1");
         f.type("栏目个数", "10");
         f.type("栏目个数", "");
     },
     "{zavo:channel type='top'" + kTail},
    {"NoSelectionGivesNoKind", [](DeskFixture& f) { f.pick("栏目属性", -1); }, "{zavo:channel" + kTail},
    {"IndexWithoutARowGivesNoKind", [](DeskFixture& f) { f.pick("栏目属性", 5); }, "{zavo:channel" + kTail},
    {"ReplacesTheArticleListTag",
     [](DeskFixture& f) {
         f.type("栏目id1内容", "9");
         f.type("栏目id内容", "4");
     },
     "{zavo:channel type='top' typeid='4'" + kTail},
};

INSTANTIATE_TEST_SUITE_P(Cases, NavigationComposer, ::testing::ValuesIn(kCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

using NavigationComposerRuns = DeskFixture;

TEST_F(NavigationComposerRuns, RepickRunsAgainAndReplacesTypedText) {
    form.type(kBox, "typed");
    pick("栏目属性", 0);
    expect_published(kBox, "{zavo:channel type='top'" + kTail);
    clipboard.content = "elsewhere";
    pick("栏目属性", 0);
    expect_published(kBox, "{zavo:channel type='top'" + kTail);
    EXPECT_EQ(clipboard.puts, 2);
}

using ColumnFieldPicker = DeskFixture;

TEST_F(ColumnFieldPicker, PublishesTheFieldOrCopiesTheBoxUnchanged) {
    struct Pick {
        int index;
        const char* text;  // nullptr: nothing is written
    };
    const Pick picks[] = {
        {1, "{$field.englist_name}"},    {0, nullptr},  {2, "{$field.litpic}"}, {2, "{$field.litpic}"},
        {3, "{$field.seo_description}"}, {-1, nullptr}, {4, nullptr},
    };
    std::string expected;
    int puts = 0;
    for (const Pick& p : picks) {
        SCOPED_TRACE(p.index);
        clipboard.content = "elsewhere";
        pick("其他字段", p.index);
        if (p.text) expected = p.text;
        expect_published(kBox, expected);
        EXPECT_EQ(clipboard.puts, ++puts);
    }
}

TEST_F(ColumnFieldPicker, PromptCopiesWhatTheUserTyped) {
    form.type(kBox, "typed\r\n  by hand ");
    pick("其他字段", 0);
    expect_published(kBox, "typed\r\n  by hand ");
}

}  // namespace
}  // namespace taggen::testing
