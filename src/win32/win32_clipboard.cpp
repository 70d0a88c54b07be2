#include "win32_clipboard.h"

#include <windows.h>

#include <cstring>

#include "text_codec.h"

namespace taggen::win32 {
namespace {

// Hands a movable, zero-filled copy of the bytes to the clipboard; false when refused.
bool hand_over(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return false;
    void* target = GlobalLock(block);
    std::memcpy(target, bytes, size);
    GlobalUnlock(block);
    if (!SetClipboardData(format, block)) {
        GlobalFree(block);  // still ours when the clipboard did not take it
        return false;
    }
    return true;
}

}  // namespace

bool Win32Clipboard::put_on_clipboard(std::string_view text) {
    const std::string bytes = to_code_page_936(text);
    // Another program may hold the clipboard open: no retry, no wait, it keeps what it had.
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    const bool placed = hand_over(CF_TEXT, bytes.c_str(), bytes.size() + 1);  // with its NUL
    if (placed) {
        const LCID simplified_chinese =
            MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
        hand_over(CF_LOCALE, &simplified_chinese, sizeof simplified_chinese);
    }
    CloseClipboard();
    return placed;
}

}  // namespace taggen::win32
