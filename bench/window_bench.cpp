// One composer run plus publish through the real window: a keystroke's worth of
// work from QLineEdit's change signal to the clipboard and the laid-out output
// box, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "desktop/address_launcher.h"
#include "desktop/system_clipboard.h"
#include "window/main_window.h"

namespace {

class NoBrowser final : public taggen::desktop::AddressLauncher {
public:
    bool launch_address(std::string_view) override { return false; }
};

// with_paint: also lay the new tag out and paint the window, as the event loop
// does once the keystrokes waiting in the queue have been handled.
void run_keystrokes(benchmark::State& state, const char* box, bool with_paint) {
    taggen::desktop::SystemClipboard clipboard;
    NoBrowser browser;
    taggen::window::MainWindow window(clipboard, browser);
    window.show();
    QApplication::processEvents();
    auto* edit = qobject_cast<QLineEdit*>(window.control(box));
    const QString texts[] = {QStringLiteral("10"), QStringLiteral("12")};
    int turn = 0;
    for (auto _ : state) {
        edit->setText(texts[turn++ & 1]);  // each change runs the composer once
        if (with_paint) QApplication::processEvents();
    }
}

void BM_ArticleListRunAndPublish(benchmark::State& state) {
    run_keystrokes(state, "调用条数", false);
}
BENCHMARK(BM_ArticleListRunAndPublish);

void BM_NavigationRunAndPublish(benchmark::State& state) {
    run_keystrokes(state, "栏目个数", false);
}
BENCHMARK(BM_NavigationRunAndPublish);

void BM_ListPageRunAndPublish(benchmark::State& state) {
    run_keystrokes(state, "列分页大小", false);
}
BENCHMARK(BM_ListPageRunAndPublish);

void BM_ArticleListKeystrokeWithPaint(benchmark::State& state) {
    run_keystrokes(state, "调用条数", true);
}
BENCHMARK(BM_ArticleListKeystrokeWithPaint);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    taggen::window::apply_look(application);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
