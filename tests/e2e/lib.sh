# Helpers for end-to-end tests: a private X server, the real program, and the
# clipboard and mouse as other X clients see them. Sourced by each test.
set -euo pipefail

app_log=$(mktemp)

fail() {
    echo "FAIL: $*" >&2
    echo "--- the program's output:" >&2
    cat "$app_log" >&2
    exit 1
}

cleanup_pids=()
cleanup() {
    local pid
    for pid in "${cleanup_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -f "$app_log"
}
trap cleanup EXIT

# Starts Xvfb on a free display and exports DISPLAY.
start_x_server() {
    local size=${1:-1280x1024}
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    cleanup_pids+=($!)
    local number
    read -r -t 10 number <"$fifo" || fail "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=":$number"
}

# Waits for a visible window: wait_for_window <xdotool search arguments...>; sets app_window.
wait_for_window() {
    local tries
    app_window=""
    for tries in $(seq 400); do
        app_window=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1 || true)
        [ -n "$app_window" ] && return 0
        sleep 0.025
    done
    fail "the window did not appear"
}

# Starts the program and waits for its window; sets app_pid, app_window, client_x, client_y.
start_program() {
    "$@" >"$app_log" 2>&1 &
    app_pid=$!
    cleanup_pids+=("$app_pid")
    wait_for_window --pid "$app_pid"
    eval "$(xdotool getwindowgeometry --shell "$app_window")"
    client_x=$X
    client_y=$Y
}

# Where a control is pressed, in client coordinates, from the layout tables:
# point NAME prints "x y". Needs layout_points set to the layout_points tool.
point() {
    "$layout_points" | awk -v n="$1" '$3 == n {print $4, $5}'
}

# Clicks at a point given in the window's client coordinates.
click_client() {
    # No --sync: it waits forever when the pointer is already there. X handles the
    # fake motion before the fake press anyway.
    xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1
}

clipboard_text() {
    # A reader can wait forever on an owner that quits mid-transfer; give up after a while.
    timeout 2 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null || true
}

# Waits until the clipboard holds exactly the expected bytes (compared as hex).
expect_clipboard() {
    local expected actual tries
    expected=$(printf '%s' "$1" | od -An -tx1 | tr -d ' \n')
    for tries in $(seq 40); do
        actual=$(clipboard_text | od -An -tx1 | tr -d ' \n')
        [ "$actual" = "$expected" ] && return 0
        sleep 0.05
    done
    fail "$2: clipboard holds '$(clipboard_text)'"
}
