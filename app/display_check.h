#pragma once

namespace taggen {

// While the application object connects to the display, Qt's own complaints are
// held back; if no platform can be started, the user gets one clear line and
// the program exits with status 1 instead of Qt's plugin error and an abort.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();  // connected: Qt's messages go through as usual again

    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
};

}  // namespace taggen
