#!/usr/bin/env bash
# The real program on a real X server: radios clicked and keys typed with
# xdotool; the clipboard read with xclip, as any other program reads it.
source "$(dirname "$0")/lib.sh"
program=$1 layout_points=$2

start_x_server
start_program "$program"

click_client $(point 网站名称)
expect_clipboard "{zavo:global name='web_name' /}" "网站名称"

click_client $(point 友情链接)
expect_clipboard $'{zavo:flink type=\'text\' row=\'100\' titlelen=\'20\'} \r\n<a href="{$field.url}" {$field.target}>{$field.title}</a>\r\n{/zavo:flink}' "友情链接"

# Another program takes the clipboard; the next click takes it back.
printf 'owned by another program' | xclip -i -selection clipboard >/dev/null 2>&1
expect_clipboard "owned by another program" "xclip owning the clipboard"
click_client $(point 友情链接)
expect_clipboard $'{zavo:flink type=\'text\' row=\'100\' titlelen=\'20\'} \r\n<a href="{$field.url}" {$field.target}>{$field.title}</a>\r\n{/zavo:flink}' "re-click after xclip"

click_client $(point 调用条数)
xdotool type --delay 20 "12"
expect_clipboard $'{zavo:arclist orderby=\'now\' row=\'12\'}\r\n<li>\r\n<a href=\'{$field.typeurl}\'>{$field.typename}</a>\r\n<a href=\'{$field.arcurl}\'>{$field.title}</a>\r\n</li>  \r\n{/zavo:arclist}' "typing 12"

# Esc ends the program, which leaves main normally.
xdotool key Escape
for tries in $(seq 40); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$app_pid" 2>/dev/null && fail "Esc did not end the program"
wait "$app_pid" || fail "the program did not end normally"
echo "clipboard end-to-end: passed"
