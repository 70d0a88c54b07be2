#include "display_check.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace taggen {
namespace {

QtMessageHandler qt_handler = nullptr;

void hold_back_until_connected(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) return;  // plugin warnings while probing; they say nothing useful here
    static_cast<void>(context);
    static_cast<void>(message);
    std::fputs(
        "tag-generator: no display to show the window on. Start it from a desktop session, "
        "or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland).\n",
        stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

DisplayCheck::DisplayCheck() {
    qt_handler = qInstallMessageHandler(hold_back_until_connected);
}

DisplayCheck::~DisplayCheck() {
    qInstallMessageHandler(qt_handler);
}

}  // namespace taggen
