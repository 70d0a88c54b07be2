#include <gtest/gtest.h>

#include <string>

#include "desk_fixture.h"

namespace taggen::testing {
namespace {

constexpr std::string_view kBox = "列表页面结果输出";

const std::string kTail =
    "}\r\n<a "
    "href='{$field.arcurl}'>{$field.title}</a>\r\n<span>{$field.seo_description}...</span>\r\n{/zavo:list}";

struct Case {
    const char* title;
    const char* description;
    const char* page_size;
    std::string tag;

    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.tag; }
};

class ListPageComposer : public DeskFixture, public ::testing::WithParamInterface<Case> {};

TEST_P(ListPageComposer, ComposesTheListTagWhicheverBoxChanged) {
    constexpr std::string_view boxes[] = {"列标题字数", "列描述字数", "列分页大小"};
    for (std::string_view changed : boxes) {
        SCOPED_TRACE(std::string(changed));
        form.type("列标题字数", GetParam().title);
        form.type("列描述字数", GetParam().description);
        form.type("列分页大小", GetParam().page_size);
        form.type(kBox, "a snippet or typed text");
        handle_event(desk(), changed, ControlEvent::ContentChanged);
        expect_published(kBox, GetParam().tag);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListPageComposer,
    ::testing::Values(Case{"", "", "20", "{zavo:list pagesize='20'" + kTail},
                      Case{"30", "100", "10", "{zavo:list titlelen='30' infolen='100' pagesize='10'" + kTail},
                      Case{"", "", "", "{zavo:list" + kTail},
                      Case{"", " ", "", "{zavo:list infolen=' '" + kTail},
                      Case{"a'b", "", "十", "{zavo:list titlelen='a'b' pagesize='十'" + kTail}));

using ListPageComposerRuns = DeskFixture;

TEST_F(ListPageComposerRuns, TypingAndDeletingRunsOncePerChange) {
    type("列分页大小", "2");
    EXPECT_EQ(form.text(kBox), "{zavo:list pagesize='2'" + kTail);
    type("列分页大小", "20");
    type("列分页大小", "2");
    type("列分页大小", "");
    expect_published(kBox, "{zavo:list" + kTail);
    EXPECT_EQ(clipboard.puts, 4);
}

TEST_F(ListPageComposerRuns, SnippetAndComposedTagReplaceEachOther) {
    click("单选框4");
    type("列标题字数", "5");
    expect_published(kBox, "{zavo:list titlelen='5'" + kTail);
    click("单选框4");
    expect_published(kBox, "{zavo:pagelist listitem='index,pre,pageno,next,end' listsize='2' /}");
}

}  // namespace
}  // namespace taggen::testing
