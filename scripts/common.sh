# Shared by the run and test commands: install what is missing, then build.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages needed to build and start the program.
run_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev fonts-noto-cjk
    xdg-utils)
# Packages needed by the tests on top of those.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool xclip x11-utils weston
    desktop-file-utils appstream dpkg-dev file clang libclang-rt-dev libx11-dev bc)

# Installs the named Debian packages that are not installed yet; nothing when all are.
install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Configures (once) and builds incrementally: build_tree <dir> [cmake options...]
build_tree() {
    local dir=$1
    shift
    cmake -S "$repo_root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
