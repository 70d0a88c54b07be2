#include "application.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace taggen {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        end_for_lack_of_memory();
    }
}

void end_for_lack_of_memory() {
    // Written first, in case the message box itself cannot be shown.
    std::fputs("tag-generator: out of memory, the program ends.\n", stderr);
    try {
        QMessageBox::critical(nullptr, QStringLiteral("泽沃CMS标签生成器"),
                              QStringLiteral("内存不足，程序将退出。"));
    } catch (...) {
    }
    std::_Exit(EXIT_FAILURE);
}

}  // namespace taggen
