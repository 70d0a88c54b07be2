#include <memory>
#include <new>

#include "application.h"
#include "desktop/address_launcher.h"
#include "desktop/system_clipboard.h"
#include "display_check.h"
#include "window/main_window.h"

int main(int argc, char* argv[]) {
    try {
        QCoreApplication::setApplicationName(QStringLiteral("TagGenerator"));
        QCoreApplication::setOrganizationDomain(QStringLiteral("zavocms.com"));
        QGuiApplication::setDesktopFileName(QStringLiteral("com.zavocms.TagGenerator"));
        auto display_check = std::make_unique<taggen::DisplayCheck>();
        taggen::Application application(argc, argv);
        display_check.reset();
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
