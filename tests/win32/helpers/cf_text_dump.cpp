// Windows-side test helper: writes the clipboard's CF_TEXT bytes, without the
// terminating NUL, to standard output. Exit status 1 when there is no CF_TEXT.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <cstring>

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    if (!OpenClipboard(nullptr)) return 2;
    int status = 1;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            std::fwrite(text, 1, std::strlen(text), stdout);
            GlobalUnlock(data);
            status = 0;
        }
    }
    CloseClipboard();
    return status;
}
