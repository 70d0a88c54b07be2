// Cost of one handler run against the in-memory form: what a keystroke in a
// composer input costs the tag library itself, without any widget.
#include <benchmark/benchmark.h>

#include "memory_form.h"
#include "taglib/routing.h"

namespace {

using taggen::ControlEvent;
using taggen::testing::MemoryClipboard;
using taggen::testing::MemoryForm;

void fill_article_list(MemoryForm& form) {
    form.type("栏目id1内容", "12");
    form.pick("文章属性", 2);
    form.type("摘要字数", "160");
    form.pick("排列方式", 1);
    form.type("标题字数", "30");
    form.type("调用条数", "10");
    form.check("风格4");
}

void run(benchmark::State& state, void (*fill)(MemoryForm&), std::string_view control, ControlEvent event) {
    MemoryForm form;
    MemoryClipboard clipboard;
    fill(form);
    for (auto _ : state) {
        taggen::handle_event({form, clipboard}, control, event);
        form.calls.clear();
        benchmark::DoNotOptimize(clipboard.content);
    }
}

void BM_ArticleListKeystroke(benchmark::State& state) {
    run(state, fill_article_list, "调用条数", ControlEvent::ContentChanged);
}
BENCHMARK(BM_ArticleListKeystroke);

void BM_NavigationKeystroke(benchmark::State& state) {
    run(
        state,
        [](MemoryForm& form) {
            form.type("栏目id内容", "3");
            form.type("栏目个数", "8");
        },
        "栏目个数", ControlEvent::ContentChanged);
}
BENCHMARK(BM_NavigationKeystroke);

void BM_ListPageKeystroke(benchmark::State& state) {
    run(
        state, [](MemoryForm& form) { form.type("列分页大小", "20"); }, "列分页大小",
        ControlEvent::ContentChanged);
}
BENCHMARK(BM_ListPageKeystroke);

void BM_LongestSnippetClick(benchmark::State& state) {
    run(
        state, [](MemoryForm&) {}, "dx25", ControlEvent::Clicked);
}
BENCHMARK(BM_LongestSnippetClick);

}  // namespace

BENCHMARK_MAIN();
