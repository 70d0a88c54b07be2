#!/usr/bin/env bash
# Text from another program pasted into every composer input: 10 MB, control
# characters, lone CR and LF, invalid UTF-8. The program neither crashes nor
# stalls; the composed tag carries the text as the input box holds it.
source "$(dirname "$0")/lib.sh"
program=$1 layout_points=$2
work=$(mktemp -d)

start_x_server
start_program "$program"

style1=$'}\r\n<li>\r\n<a href=\'{$field.typeurl}\'>{$field.typename}</a>\r\n<a href=\'{$field.arcurl}\'>{$field.title}</a>\r\n</li>  \r\n{/zavo:arclist}'
channel=$' currentstyle=\'on\'}\r\n<a href="{$field.typeurl}" class="{$field.currentstyle}">{$field.typename}</a>\r\n{/zavo:channel}'
list=$'}\r\n<a href=\'{$field.arcurl}\'>{$field.title}</a>\r\n<span>{$field.seo_description}...</span>\r\n{/zavo:list}'

# name | page | text before the value | "'" and the tag's tail after it
inputs=(
    "栏目id内容|1|{zavo:channel type='top' typeid='|channel"
    "栏目个数|1|{zavo:channel type='top' row='|channel"
    "栏目id1内容|1|{zavo:arclist typeid='|orderby style1"
    "摘要字数|1|{zavo:arclist infolen='|orderby style1"
    "标题字数|1|{zavo:arclist orderby='now' titlelen='|style1"
    "调用条数|1|{zavo:arclist orderby='now' row='|style1"
    "列标题字数|2|{zavo:list titlelen='|list"
    "列描述字数|2|{zavo:list infolen='|list"
    "列分页大小|2|{zavo:list pagesize='|list"
)

# 10 MB of text; an edit box keeps the first 32767 characters of a paste, as the
# classic desktop edit control does.
head -c 7500000 /dev/urandom | base64 -w 0 | head -c 10000000 >"$work/huge"
head -c 32767 "$work/huge" >"$work/huge.kept"
printf 'tab\there\x01\x1b[0m lone CR\rlone LF\nbad \xff\xfe UTF-8 中文' >"$work/odd"
# Qt decodes the invalid bytes to U+FFFD each; CR and LF stay as they are.
printf 'tab\there\x01\x1b[0m lone CR\rlone LF\nbad \xef\xbf\xbd\xef\xbf\xbd UTF-8 中文' >"$work/odd.kept"

offer() {  # file: another program owns the clipboard with its content
    xclip -quiet -i -selection clipboard -t UTF8_STRING <"$1" >/dev/null 2>&1 &
    offer_pid=$!
    cleanup_pids+=("$offer_pid")
    # It owns the clipboard once the targets offered are xclip's, not the program's.
    local tries targets
    for tries in $(seq 200); do
        targets=$(timeout 1 xclip -o -selection clipboard -t TARGETS 2>/dev/null || true)
        [ -n "$targets" ] && [[ $targets != *text/plain* ]] && return 0
        sleep 0.01
    done
    fail "xclip did not take the clipboard"
}

paste_at() {  # control name
    click_client $(point "$1")
    xdotool key ctrl+a ctrl+v
}

# A sanitized build is many times slower; the bound is for the real program.
limit_ms=1000
ldd "$program" | grep -q libasan && limit_ms=15000

expect_tag() {  # before kept-file after label
    printf '%s' "$1" >"$work/expected"
    cat "$2" >>"$work/expected"
    printf '%s' "$3" >>"$work/expected"
    local tries
    for tries in $(seq 500); do
        # While the offering xclip still owns the clipboard, a read would fetch its
        # 10 MB and stall when the program takes the clipboard over mid-transfer.
        if kill -0 "$offer_pid" 2>/dev/null; then
            sleep 0.002
            continue
        fi
        clipboard_text >"$work/actual"
        cmp -s "$work/expected" "$work/actual" && return 0
        sleep 0.01
    done
    fail "$4: the clipboard holds $(head -c 200 "$work/actual")..."
}

page=1
for entry in "${inputs[@]}"; do
    IFS='|' read -r name input_page before tail <<<"$entry"
    case $tail in
        channel) after="'$channel" ;;
        style1) after="'$style1" ;;
        "orderby style1") after="' orderby='now'$style1" ;;
        list) after="'$list" ;;
    esac
    if [ "$input_page" != "$page" ]; then
        xdotool key ctrl+Tab
        sleep 0.2
        page=$input_page
    fi
    offer "$work/huge"
    started=$EPOCHREALTIME
    paste_at "$name"
    expect_tag "$before" "$work/huge.kept" "$after" "$name, 10 MB"
    elapsed_ms=$(( (${EPOCHREALTIME/./} - ${started/./}) / 1000 ))
    [ "$elapsed_ms" -lt "$limit_ms" ] || fail "$name: 10 MB paste took $elapsed_ms ms"
    offer "$work/odd"
    paste_at "$name"
    expect_tag "$before" "$work/odd.kept" "$after" "$name, control characters"
    xdotool key ctrl+a BackSpace
    echo "$name: 10 MB paste to tag on the clipboard in $elapsed_ms ms"
done
kill -0 "$app_pid" || fail "the program is gone"
rm -rf "$work"
echo "bad input: passed"
