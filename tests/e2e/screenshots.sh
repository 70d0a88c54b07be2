#!/usr/bin/env bash
# Saves a picture of each of the eight pages of the real window:
# screenshots.sh PROGRAM GRAB_SCREEN OUT_DIR [extra environment, e.g. QT_SCALE_FACTOR=2]
source "$(dirname "$0")/lib.sh"
program=$1 grab=$2 out=$3
shift 3
mkdir -p "$out"
start_x_server
start_program env "$@" "$program"
eval "$(xdotool getwindowgeometry --shell "$app_window")"
for page in 1 2 3 4 5 6 7 8; do
    "$grab" "$out/page-$page.png" "$X" "$Y" "$WIDTH" "$HEIGHT"
    xdotool key ctrl+Tab
    sleep 0.2
done
echo "saved $out/page-1.png to page-8.png"
