// Widget tests run on Qt's offscreen platform with the program's own look.
#include <gtest/gtest.h>

#include <QApplication>

#include "window/main_window.h"

namespace {

QtMessageHandler previous_handler = nullptr;

// The offscreen platform says so each time a popup asks to raise itself or grab
// the keyboard; that is expected here and only hides real warnings.
void drop_offscreen_notices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (previous_handler) previous_handler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previous_handler = qInstallMessageHandler(drop_offscreen_notices);
    QApplication application(argc, argv);
    taggen::window::apply_look(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
