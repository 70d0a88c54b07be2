# Shared by the run and test commands: install what is missing, then build.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages needed to build and start the program.
run_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev fonts-noto-cjk
    xdg-utils)
# Packages needed by the tests on top of those.
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool xclip x11-utils weston
    desktop-file-utils appstream dpkg-dev file clang libclang-rt-dev libx11-dev bc xxd
    g++-mingw-w64-x86-64-win32 wine wine64 locales)

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

# Generates the zh_CN.UTF-8 locale if it is missing: Wine takes its ANSI code
# page (936 for the Windows program) from the locale.
ensure_chinese_locale() {
    locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$' && return 0
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    if [ -f /etc/locale.gen ] && grep -q 'zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
        "${as_root[@]}" sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
        "${as_root[@]}" locale-gen >/dev/null
    else
        "${as_root[@]}" locale-gen zh_CN.UTF-8 >/dev/null
    fi
}

# Configures (once) and builds incrementally: build_tree <dir> [cmake options...]
build_tree() {
    local dir=$1
    shift
    cmake -S "$repo_root" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

# Cross-builds the Windows program into a tree: build_windows <dir>
build_windows() {
    build_tree "$1" -DCMAKE_TOOLCHAIN_FILE="$repo_root/cmake/toolchains/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DTAGGEN_WARNINGS_AS_ERRORS=ON -DTAGGEN_BUILD_GUI=OFF -DTAGGEN_BUILD_TESTS=OFF \
        -DTAGGEN_BUILD_BENCHMARKS=OFF -DTAGGEN_BUILD_WIN32=ON
}
