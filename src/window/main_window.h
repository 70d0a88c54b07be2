#pragma once

#include <QWidget>
#include <string_view>

#include "desktop/address_launcher.h"
#include "taglib/form_state.h"
#include "taglib/routing.h"
#include "widget_form.h"

class QApplication;

namespace taggen::window {

class TabControl;

// The one window: eight tab pages built from the layout tables, a status bar,
// and every routed control event handed to the tag library.
class MainWindow final : public QWidget {
public:
    MainWindow(Clipboard& clipboard, desktop::AddressLauncher& launcher);

    // Any control by its control name; nullptr for an unknown name.
    QWidget* control(std::string_view name) const { return form_.widget(name); }
    TabControl* tab_control() const { return tab_; }

    // Places the outer frame in the middle of the screen.
    void centre_on_screen();

private:
    // page_origin: where a page sits in the tab control, for page-level places.
    void build_page(int index, QPoint page_origin);
    void build_status_bar();
    void dispatch(std::string_view control, ControlEvent event);

    Clipboard& clipboard_;
    desktop::AddressLauncher& launcher_;
    WidgetForm form_;
    TabControl* tab_;
    class WindowMover* mover_;
};

// The style and font every window of the program uses.
void apply_look(QApplication& application);

}  // namespace taggen::window
