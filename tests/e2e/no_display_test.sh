#!/usr/bin/env bash
# With no display to reach, one clear line and a non-zero exit; no abort.
set -uo pipefail
program=$1
for platform in "" xcb wayland; do
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=$platform XDG_RUNTIME_DIR=/nonexistent \
        timeout 10 "$program" 2>&1)
    status=$?
    [ "$status" -eq 1 ] || { echo "FAIL: platform '$platform': exit status $status, output: $output"; exit 1; }
    [ "$(wc -l <<<"$output")" -eq 1 ] && grep -q 'no display' <<<"$output" ||
        { echo "FAIL: platform '$platform' said: $output"; exit 1; }
done
echo "no display: passed"
