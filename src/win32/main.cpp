#include <windows.h>

#include "main_window.h"
#include "win32_clipboard.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    taggen::win32::Win32Clipboard clipboard;
    taggen::win32::MainWindow window(instance, clipboard);
    return window.run();
}
