#pragma once

#include <QApplication>

namespace taggen {

// The program's QApplication. Exhausted memory anywhere in an event handler
// ends the program with a message instead of a crash.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// Tells the user that memory ran out and ends the program at once.
[[noreturn]] void end_for_lack_of_memory();

}  // namespace taggen
