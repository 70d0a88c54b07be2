#!/usr/bin/env bash
# The X server goes away under the running program: it ends at once, by
# itself, without hanging or crashing.
source "$(dirname "$0")/lib.sh"
program=$1 layout_points=$2

start_x_server
start_program "$program"
click_client $(point 网站名称)
expect_clipboard "{zavo:global name='web_name' /}" "网站名称 before the X server goes"

xvfb_pid=${cleanup_pids[0]}
kill "$xvfb_pid"
started=$EPOCHREALTIME
for tries in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.02; done
kill -0 "$app_pid" 2>/dev/null && fail "still running 2 s after the X server went away"
status=0
wait "$app_pid" || status=$?
elapsed_ms=$(( (${EPOCHREALTIME/./} - ${started/./}) / 1000 ))
[ "$status" -lt 128 ] || fail "ended by signal $((status - 128))"
echo "X server gone: passed (ended with status $status after $elapsed_ms ms)"
