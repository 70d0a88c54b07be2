#pragma once

#include <string_view>

namespace taggen::desktop {

// Opens an address of the maker's site in the user's browser.
class AddressLauncher {
public:
    virtual ~AddressLauncher() = default;

    // Hands the address on and returns at once, without waiting for the browser.
    // True when the hand-over started; callers may ignore it.
    virtual bool launch_address(std::string_view address) = 0;
};

// The desktop's own opener: xdg-open, detached, on Linux and other freedesktop
// systems; Qt's desktop services elsewhere or when xdg-open is missing.
// No shell ever sees the address.
class SystemLauncher final : public AddressLauncher {
public:
    bool launch_address(std::string_view address) override;
};

}  // namespace taggen::desktop
