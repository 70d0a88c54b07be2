// Random form states through every composer and picker route. Checks that each
// run reads before it writes, writes at most its own page's box, copies once at
// the end, and that a composed tag is head, attributes in their fixed order with
// the input text byte for byte, and tail.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "memory_form.h"
#include "taglib/routing.h"

namespace {

using taggen::testing::Call;
using taggen::testing::MemoryClipboard;
using taggen::testing::MemoryForm;

void check(bool condition) {
    if (!condition) std::abort();
}

struct Part {
    std::string_view control;
    std::string_view opening;               // a box attribute's " name='"; empty for a list
    std::vector<std::string_view> choices;  // a list's attribute per index
};

struct Composer {
    std::string_view head;
    std::vector<Part> parts;  // in the order they stand in the tag
    std::string_view box;
};

const std::string_view kHome = "首页结果输出";
const std::string_view kList = "列表页面结果输出";

const Composer kArticleList{
    "{zavo:arclist",
    {{"栏目id1内容", " typeid='", {}},
     {"文章属性", "", {"", " flag='h'", " flag='c'", " flag='a'", " flag='b'", " flag='j'"}},
     {"摘要字数", " infolen='", {}},
     {"排列方式", "", {" orderby='now'", " orderby='click'", " orderby='sort_order'", " orderby='rand'"}},
     {"标题字数", " titlelen='", {}},
     {"调用条数", " row='", {}}},
    kHome};
const Composer kNavigation{
    "{zavo:channel",
    {{"栏目属性", "", {" type='top'", " type='son'", " type='self'", " type='sonself'", " type='first'"}},
     {"栏目id内容", " typeid='", {}},
     {"栏目个数", " row='", {}}},
    kHome};
const Composer kListPage{
    "{zavo:list",
    {{"列标题字数", " titlelen='", {}}, {"列描述字数", " infolen='", {}}, {"列分页大小", " pagesize='", {}}},
    kList};

const char* const kBoxes[] = {"栏目id内容", "栏目个数",   "栏目id1内容", "摘要字数",  "标题字数",
                              "调用条数",   "列标题字数", "列描述字数",  "列分页大小"};
const char* const kLists[] = {"栏目属性", "其他字段", "文章属性", "排列方式", "时间样式"};
const char* const kRadios[] = {"风格1", "风格2", "风格3", "风格4", "风格5", "文章点击数"};
const char* const kOutputs[] = {"首页结果输出",     "列表页面结果输出", "内容页面结果输出",
                                "商城标签结果输出", "其他标签输出",     "可视标签输出"};

// The expected opening of a composed tag, up to where its tail begins.
std::string expected_opening(const Composer& composer, const MemoryForm& form) {
    std::string text(composer.head);
    for (const Part& part : composer.parts) {
        if (!part.opening.empty()) {
            const std::string value = form.text(part.control);
            if (!value.empty()) text.append(part.opening).append(value).append("'");
        } else {
            const int index = form.selection(part.control);
            if (index >= 0 && std::size_t(index) < part.choices.size())
                text.append(part.choices[std::size_t(index)]);
        }
    }
    return text;
}

const Composer* composer_of(std::string_view control) {
    if (control == "时间样式" || control == "其他字段") return nullptr;  // pickers
    for (const Part& part : kArticleList.parts)
        if (part.control == control) return &kArticleList;
    if (control.starts_with("风格")) return &kArticleList;
    for (const Part& part : kNavigation.parts)
        if (part.control == control) return &kNavigation;
    for (const Part& part : kListPage.parts)
        if (part.control == control) return &kListPage;
    return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    MemoryForm form;
    MemoryClipboard clipboard{&form.calls};
    for (const char* box : kBoxes) form.type(box, input.ConsumeRandomLengthString(64));
    for (const char* output : kOutputs) form.type(output, input.ConsumeRandomLengthString(32));
    for (const char* list : kLists) form.pick(list, input.ConsumeIntegralInRange(-2, 9));
    for (const char* radio : kRadios) form.set_checked(radio, input.ConsumeBool());

    const auto routes = taggen::composer_routes();
    const taggen::Route& route = routes[input.ConsumeIntegralInRange<std::size_t>(0, routes.size() - 1)];
    const MemoryForm before = form;
    form.calls.clear();
    check(taggen::handle_event({form, clipboard}, route.control, route.event));
    check(form.unknown_controls.empty());

    const Composer* composer = composer_of(route.control);
    const std::string_view own_box = composer ? composer->box : kHome;

    // Reads, then at most one write into the own box, then one copy of that box.
    std::size_t writes = 0;
    bool written = false;
    for (std::size_t i = 0; i < form.calls.size(); ++i) {
        const Call& call = form.calls[i];
        if (call.kind == Call::Write) {
            check(call.control == own_box);
            ++writes;
            written = true;
        } else if (call.kind == Call::Clip) {
            check(i + 1 == form.calls.size());
            check(call.text == form.text(own_box));
        } else if (written) {
            check(call.kind == Call::ReadText && call.control == own_box);  // the read-back
        }
    }
    check(writes <= 1);
    check(!form.calls.empty() && form.calls.back().kind == Call::Clip);
    for (const char* output : kOutputs)
        if (output != own_box) check(form.text(output) == before.text(output));

    if (composer) {
        const std::string box = form.text(own_box);
        if (writes == 1) {
            const std::string opening = expected_opening(*composer, before);
            check(box.compare(0, opening.size(), opening) == 0);
            const std::string_view tail = std::string_view(box).substr(opening.size());
            check(tail.starts_with("}") || tail.starts_with(" currentstyle='on'}"));
            check(tail.ends_with("{/zavo:arclist}") || tail.ends_with("{/zavo:arclist}\r\n") ||
                  tail.ends_with("{/zavo:channel}") || tail.ends_with("{/zavo:list}"));
        } else {
            // Only the article-list composer writes nothing, and only with no style checked.
            check(composer == &kArticleList);
            for (int style = 0; style < 5; ++style) check(!before.checked(kRadios[style]));
            check(box == before.text(own_box));
        }
    }
    return 0;
}
