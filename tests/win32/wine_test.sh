#!/usr/bin/env bash
# The Windows program under Wine on a private X server: every snippet radio
# clicked at its place, checked byte for byte as CF_TEXT (code page 936, CR LF)
# by a Windows-side helper and as UTF-8 through xclip; composers typed into and
# drop-downs picked; a FAQ button and a hyperlink reach a recording xdg-open
# with no console window mapped; screenshots of all eight pages.
#   wine_test.sh WIN32_BUILD_DIR LAYOUT_POINTS STATE_DIR GRAB_SCREEN
source "$(dirname "$0")/../e2e/lib.sh"
win32_build=$1 layout_points=$2 state=$3 grab=$4
exe="$win32_build/src/win32/tag-generator.exe"
dump="$win32_build/tests/win32/helpers/cf_text_dump.exe"
mkdir -p "$state/screens"
test_started=$EPOCHREALTIME

# Wine takes its ANSI code page from the locale: 936 needs a Chinese one.
export LC_ALL=zh_CN.UTF-8 WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
locale -a | grep -qi '^zh_CN.utf8$' || fail "the zh_CN.UTF-8 locale is not generated"

start_x_server
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    # Without a window manager, Wine draws the frame itself and closes windows at once.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
fi
wineserver -p >/dev/null 2>&1
stop_wine() { wineserver -k 2>/dev/null || true; }
trap 'stop_wine; cleanup' EXIT

opener_dir=$(mktemp -d)
record="$opener_dir/opened.txt"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$record" >"$opener_dir/xdg-open"
chmod +x "$opener_dir/xdg-open"
export PATH="$opener_dir:$PATH"

launched=$EPOCHREALTIME
wine "$exe" >"$app_log" 2>&1 &
app_pid=$!
cleanup_pids+=("$app_pid")
wait_for_window --name '^泽沃CMS标签生成器 v3.1.20200624$'
startup_ms=$(( (${EPOCHREALTIME/./} - ${launched/./}) / 1000 ))
eval "$(xdotool getwindowgeometry --shell "$app_window")"
# Wine draws its own frame here: the client area starts 3 pixels in and 22 down.
client_x=$((X + 3))
client_y=$((Y + 22))
[ "$WIDTH" = 630 ] && [ "$HEIGHT" = 570 ] || fail "the window is ${WIDTH}x$HEIGHT"

cf_text_hex() { wine "$dump" 2>/dev/null | od -An -tx1 | tr -d ' \n'; }

expect_both() {  # utf8-hex label
    local want_gbk want_x tries
    want_gbk=$(printf '%s' "$1" | xxd -r -p | iconv -f UTF-8 -t GBK | od -An -tx1 | tr -d ' \n')
    # Wine hands CR LF to X11 programs as LF.
    want_x=$(printf '%s' "$1" | xxd -r -p | sed 's/\r$//' | od -An -tx1 | tr -d ' \n')
    for tries in $(seq 30); do
        [ "$(cf_text_hex)" = "$want_gbk" ] && break
        sleep 0.05
    done
    [ "$(cf_text_hex)" = "$want_gbk" ] || fail "$2: CF_TEXT holds $(wine "$dump" 2>/dev/null | iconv -f GBK -t UTF-8 | head -c 100)"
    for tries in $(seq 30); do
        [ "$(clipboard_text | od -An -tx1 | tr -d ' \n')" = "$want_x" ] && return 0
        sleep 0.05
    done
    fail "$2: X11 clipboard holds $(clipboard_text | head -c 100)"
}
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }

read -r _ tab_x tab_y < <("$layout_points" | grep '^tab ')
# Pages are chosen with the keyboard, as a user may: a press on the tab strip gives
# it the focus (Wine's tab control sometimes takes a press for focus alone), Left
# runs back to the first page, Right walks on.
show_page() {
    click_client "$tab_x" "$tab_y"
    local step
    for ((step = 0; step < 8; ++step)); do xdotool key Left; done
    for ((step = 0; step < $1; ++step)); do xdotool key Right; done
    sleep 0.3
}

# Every snippet radio, page by page, and a picture of each page.
radios=0
for page in 0 1 2 3 4 5 6 7; do
    show_page "$page"
    "$grab" "$state/screens/page-$((page + 1)).png" "$X" "$Y" "$WIDTH" "$HEIGHT" 2>/dev/null
    while read -r kind _ name x y text; do
        [ "$kind" = radio ] && [ -n "$text" ] || continue
        click_client "$x" "$y"
        expect_both "$text" "$name"
        radios=$((radios + 1))
    done < <("$layout_points" | awk -v p="$page" '$2 == p')
done
[ "$radios" = 65 ] || fail "clicked $radios snippet radios"

style1=$'}\r\n<li>\r\n<a href=\'{$field.typeurl}\'>{$field.typename}</a>\r\n<a href=\'{$field.arcurl}\'>{$field.title}</a>\r\n</li>  \r\n{/zavo:arclist}'
channel=$' currentstyle=\'on\'}\r\n<a href="{$field.typeurl}" class="{$field.currentstyle}">{$field.typename}</a>\r\n{/zavo:channel}'
list=$'}\r\n<a href=\'{$field.arcurl}\'>{$field.title}</a>\r\n<span>{$field.seo_description}...</span>\r\n{/zavo:list}'

show_page 0
click_client $(point 风格1)
click_client $(point 调用条数)
xdotool type --delay 30 "12"
expect_both "$(hex "{zavo:arclist orderby='now' row='12'$style1")" "typing 12 into 调用条数"
xdotool key BackSpace BackSpace
expect_both "$(hex "{zavo:arclist orderby='now'$style1")" "deleting it again"

click_client $(point 栏目属性)
sleep 0.3
xdotool key Down Down Down Return
expect_both "$(hex "{zavo:channel type='sonself'$channel")" "picking 下级同级"
printf 'owned by another program' | xclip -i -selection clipboard >/dev/null 2>&1
click_client $(point 栏目属性)
sleep 0.3
xdotool key Return
expect_both "$(hex "{zavo:channel type='sonself'$channel")" "re-picking 下级同级"

click_client $(point 时间样式)
sleep 0.3
xdotool key Down Return
expect_both "$(hex "{\$field.add_time|MyDate='m-d',###}")" "picking a time format"

show_page 1
click_client $(point 列分页大小)
xdotool type --delay 30 "20"
expect_both "$(hex "{zavo:list pagesize='20'$list")" "typing 20 into 列分页大小"

# A FAQ button and a hyperlink box; any window mapped meanwhile would be a console.
show_page 6
xev -root -event substructure >"$opener_dir/maps.txt" 2>&1 &
xev_pid=$!
cleanup_pids+=("$xev_pid")
sleep 0.3
click_client $(point 按钮1)
for tries in $(seq 100); do grep -q 638 "$record" 2>/dev/null && break; sleep 0.05; done
show_page 7
click_client $(point 泽沃网站)
for tries in $(seq 200); do [ "$(wc -l <"$record")" -ge 2 ] && break; sleep 0.05; done
sleep 0.5
"$grab" "$state/screens/link-clicked.png" "$X" "$Y" "$WIDTH" "$HEIGHT" 2>/dev/null
kill "$xev_pid"
# Wine's browser bridge writes a bare host in canonical form, with a closing slash.
[ "$(sed -n 1p "$record")" = "https://www.zavocms.com/help/zavojq/638.html" ] || fail "opened: $(cat "$record")"
[[ "$(sed -n 2p "$record")" =~ ^http://www\.zavocms\.com/?$ ]] || fail "opened: $(cat "$record")"
[ "$(wc -l <"$record")" = 2 ] || fail "opened: $(cat "$record")"
mapped=$(grep -c '^MapNotify' "$opener_dir/maps.txt" || true)
[ "$mapped" = 0 ] || fail "$mapped windows were mapped while opening addresses"

xdotool key Escape
for tries in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app_pid" 2>/dev/null && fail "Esc did not close the program"
rm -rf "$opener_dir"
exe_kb=$(( $(stat -c %s "$exe") / 1024 ))
total_s=$(echo "(${EPOCHREALTIME/./} - ${test_started/./}) / 1000000" | bc -l)
printf 'wine: passed (65 radios, composers, pickers, FAQ and link; %d KiB exe, window after %d ms, %.1f s in all)\n' \
    "$exe_kb" "$startup_ms" "$total_s"
