#!/usr/bin/env bash
# The program under a Wayland compositor (Weston, headless): its toplevel is
# configured and a buffer is attached to its surface, which maps the window.
source "$(dirname "$0")/lib.sh"
program=$1

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=wayland-taggen-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 --height=1024 \
    >"$runtime/weston.log" 2>&1 &
cleanup_pids+=($!)
for tries in $(seq 100); do [ -S "$runtime/$socket" ] && break; sleep 0.05; done
[ -S "$runtime/$socket" ] || { cat "$runtime/weston.log"; fail "weston did not start"; }

protocol="$runtime/protocol.log"
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" 2>"$protocol" &
cleanup_pids+=($!)

mapped() {
    local surface
    surface=$(grep -oE 'get_xdg_surface\(new id xdg_surface@[0-9]+, wl_surface@[0-9]+\)' "$protocol" |
        head -n 1 | grep -oE 'wl_surface@[0-9]+')
    [ -n "$surface" ] || return 1
    grep -q 'xdg_toplevel@[0-9]*.set_title("泽沃CMS标签生成器 v3.1.20200624")' "$protocol" || return 1
    # A buffer attached to the toplevel's surface after it acknowledged its configure.
    sed -n '/ack_configure/,$p' "$protocol" | grep -q -- "-> $surface.attach(wl_buffer@"
}
for tries in $(seq 100); do mapped && break; sleep 0.05; done
mapped || fail "the window was not mapped under Wayland: $(grep -E 'error|xdg' "$protocol" | head)"
grep -q 'set_app_id("com.zavocms.TagGenerator")' "$protocol" || fail "the app id does not name the desktop entry"
rm -rf "$runtime"
echo "wayland: passed"
