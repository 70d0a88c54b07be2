#include "win32_launcher.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

#include "text_codec.h"

namespace taggen::win32 {

bool CommandLauncher::launch_address(std::string_view address) {
    // The fixed addresses hold nothing the command interpreter treats specially.
    std::string command = "cmd /c start " + std::string(address);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    WaitForInputIdle(process.hProcess, 1000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool ShellLauncher::launch_address(std::string_view address) {
    if (address.empty()) return false;
    const std::wstring wide = to_wide(address);
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW));
    return result > 32;
}

}  // namespace taggen::win32
