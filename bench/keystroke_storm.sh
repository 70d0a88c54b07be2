#!/usr/bin/env bash
# 2,000 characters typed into 调用条数 as fast as xdotool can send them; then
# the time until the clipboard, read from outside, holds the tag for the whole
# text. The tag must be exact: a lost or merged keystroke would show in it.
#   keystroke_storm.sh PROGRAM LAYOUT_POINTS [CHARACTERS]
source "$(dirname "$0")/../tests/e2e/lib.sh"
program=$1 layout_points=$2
count=${3:-2000}

text=$(for ((i = 0; i < count; ++i)); do printf '%d' $((i % 10)); done)
expected="{zavo:arclist orderby='now' row='$text'}"$'\r\n<li>\r\n<a href=\'{$field.typeurl}\'>{$field.typename}</a>\r\n<a href=\'{$field.arcurl}\'>{$field.title}</a>\r\n</li>  \r\n{/zavo:arclist}'

start_x_server
start_program "$program"
click_client $(point 调用条数)
sleep 0.2

started=$EPOCHREALTIME
xdotool type --delay 0 "$text"
typed=$EPOCHREALTIME
want=$(printf '%s' "$expected" | md5sum)
done_at=""
for tries in $(seq 5000); do
    if [ "$(clipboard_text | md5sum)" = "$want" ]; then
        done_at=$EPOCHREALTIME
        break
    fi
    sleep 0.002  # each read makes the program answer; leave it the cores meanwhile
done
[ -n "$done_at" ] || fail "the clipboard never held the tag for all $count characters: $(clipboard_text | head -c 120)"
ms() { echo "(${2/./} - ${1/./}) / 1000" | bc -l; }
total_ms=$(ms "$started" "$done_at")
printf 'keystroke storm: %d characters, all in the final tag\n' "$count"
printf '  xdotool sent them in   %8.1f ms\n' "$(ms "$started" "$typed")"
printf '  handled per second     %8.0f keystrokes\n' "$(echo "$count * 1000 / $total_ms" | bc -l)"
printf '  lag after the last key %8.1f ms\n' "$(ms "$typed" "$done_at")"
