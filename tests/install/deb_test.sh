#!/usr/bin/env bash
# Builds the Debian package, installs it with apt on this machine, starts the
# installed program on a private X server, then removes the package again.
source "$(dirname "$0")/../e2e/lib.sh"
build=$1

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || { echo "skipped: needs root or password-less sudo"; exit 77; }
    as_root=(sudo -n)
fi

out=$(mktemp -d)
cleanup_pids+=()
trap 'cleanup; rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$out"/*.deb)

[ "$(dpkg-deb -f "$deb" Section)" = utils ] || fail "section is $(dpkg-deb -f "$deb" Section)"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no computed Qt dependency: $(dpkg-deb -f "$deb" Depends)"

"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
remove_package() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tag-generator >/dev/null; }
trap 'cleanup; remove_package; rm -rf "$out"' EXIT

[ -x /usr/bin/tag-generator ] || fail "no /usr/bin/tag-generator after install"
start_x_server
start_program /usr/bin/tag-generator
[ "$(xdotool getwindowname "$app_window")" = "泽沃CMS标签生成器 v3.1.20200624" ] || fail "window title"
echo "deb: passed ($(basename "$deb"), $(stat -c %s "$deb") bytes)"
