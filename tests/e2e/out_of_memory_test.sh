#!/usr/bin/env bash
# With its address space capped just above what it needs, the program cannot
# take in a 10 MB paste: it shows its message and ends with status 1, no crash.
source "$(dirname "$0")/lib.sh"
program=$1 layout_points=$2
if ldd "$program" | grep -q libasan; then
    echo "skipped: AddressSanitizer reserves more address space than any cap allows"
    exit 77
fi
work=$(mktemp -d)
head -c 7500000 /dev/urandom | base64 -w 0 | head -c 10000000 >"$work/huge"

# One malloc arena: a second thread's arena would reserve 64 MiB of address space
# at a moment of its choosing and make the cap below meaningless.
export MALLOC_ARENA_MAX=1
start_x_server
start_program "$program"
# Capped once it runs, so that starting up is not what fails.
cap_kb=$(( $(awk '/VmSize/ {print $2}' "/proc/$app_pid/status") + 16 * 1024 ))
prlimit --pid "$app_pid" --as=$((cap_kb * 1024))

xclip -i -selection clipboard -t UTF8_STRING <"$work/huge" >/dev/null 2>&1
click_client $(point 栏目id内容)
xdotool key ctrl+a ctrl+v

message=""
for tries in $(seq 100); do
    message=$(xdotool search --onlyvisible --name '^泽沃CMS标签生成器$' 2>/dev/null | head -n 1 || true)
    [ -n "$message" ] && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.05
done
[ -n "$message" ] || fail "no message box"
grep -q 'out of memory' "$app_log" || fail "no message on standard error"
xdotool key Return
status=0
wait "$app_pid" || status=$?
[ "$status" -eq 1 ] || fail "exit status $status"
rm -rf "$work"
echo "out of memory: passed (cap at $((cap_kb / 1024)) MiB of address space)"
