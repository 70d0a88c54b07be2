#!/usr/bin/env bash
# At a scale factor of 2 the window doubles and its controls sit at doubled
# places: a click where 网站名称 stands, scaled, publishes its snippet.
source "$(dirname "$0")/lib.sh"
program=$1 layout_points=$2

start_x_server 2560x1600
start_program env QT_SCALE_FACTOR=2 "$program"
eval "$(xdotool getwindowgeometry --shell "$app_window")"
[ "$WIDTH" = 1248 ] && [ "$HEIGHT" = 1082 ] || fail "window is ${WIDTH}x$HEIGHT at scale 2"
read -r x y < <(point 网站名称)
click_client $((2 * x)) $((2 * y))
expect_clipboard "{zavo:global name='web_name' /}" "网站名称 at scale 2"
[ "$(xprop -id "$app_window" WM_CLASS)" = 'WM_CLASS(STRING) = "tag-generator", "TagGenerator"' ] ||
    fail "WM_CLASS does not match the desktop entry's StartupWMClass: $(xprop -id "$app_window" WM_CLASS)"
echo "scale 2: passed"
