#pragma once

#include "desktop/address_launcher.h"

namespace taggen::win32 {

// The FAQ buttons' way: "cmd /c start " and the address, in a hidden window,
// waiting at most a second for it to be ready for input.
class CommandLauncher final : public desktop::AddressLauncher {
public:
    bool launch_address(std::string_view address) override;
};

// The hyperlink boxes' way: the shell's "open" verb.
class ShellLauncher final : public desktop::AddressLauncher {
public:
    bool launch_address(std::string_view address) override;
};

}  // namespace taggen::win32
