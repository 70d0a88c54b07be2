#include <new>

#include "application.h"
#include "desktop/address_launcher.h"
#include "desktop/system_clipboard.h"
#include "window/main_window.h"

int main(int argc, char* argv[]) {
    try {
        taggen::Application application(argc, argv);
        taggen::window::apply_look(application);

        taggen::desktop::SystemClipboard clipboard;
        taggen::desktop::SystemLauncher launcher;
        taggen::window::MainWindow window(clipboard, launcher);
        window.centre_on_screen();
        window.show();
        // Returning from main lets Qt hand the clipboard to a clipboard manager.
        return application.exec();
    } catch (const std::bad_alloc&) {
        taggen::end_for_lack_of_memory();
    }
}
