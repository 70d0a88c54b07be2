#!/usr/bin/env bash
# FAQ buttons and About links open their addresses through the desktop's
# opener: a recording xdg-open placed first on PATH receives them. It takes
# its time, as a browser start does; the program must not wait for it.
source "$(dirname "$0")/lib.sh"
program=$1 layout_points=$2

opener_dir=$(mktemp -d)
record="$opener_dir/opened.txt"
cat >"$opener_dir/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >>"$record"
sleep 5
SCRIPT
chmod +x "$opener_dir/xdg-open"
cleanup_dirs() { rm -rf "$opener_dir"; }

start_x_server
start_program env PATH="$opener_dir:$PATH" "$program"

wait_for_lines() {
    local tries
    for tries in $(seq 40); do
        [ "$(wc -l <"$record" 2>/dev/null || echo 0)" -ge "$1" ] && return 0
        sleep 0.025
    done
    fail "expected $1 opened addresses, got: $(cat "$record" 2>/dev/null)"
}

# The FAQ page is the seventh; the focus starts inside the tab control.
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab
sleep 0.2
started=$EPOCHREALTIME
click_client $(point 按钮1)
wait_for_lines 1

# On to the About page.
xdotool key ctrl+Tab
sleep 0.2
click_client $(point 泽沃网站)
wait_for_lines 2
elapsed_ms=$(( (${EPOCHREALTIME/./} - ${started/./}) / 1000 ))

expected=$'https://www.zavocms.com/help/zavojq/638.html\nhttp://www.zavocms.com'
[ "$(cat "$record")" = "$expected" ] || fail "opened: $(cat "$record")"
# Both opens happened while the first opener was still running its 5 seconds.
[ "$elapsed_ms" -lt 3000 ] || fail "the program waited for the opener ($elapsed_ms ms)"
kill -0 "$app_pid" || fail "the program is gone"
cleanup_dirs
echo "browser end-to-end: passed (two opens in $elapsed_ms ms)"
