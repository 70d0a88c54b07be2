#!/usr/bin/env bash
# Start-up time to a painted window and peak memory: the Tag Generator beside
# the toolkit's floor, alternating, median of RUNS each, on a private Xvfb.
#   startup.sh BUILD_DIR [RUNS]
source "$(dirname "$0")/../tests/e2e/lib.sh"
build=$1
runs=${2:-11}

start_x_server
for program in "$build/app/tag-generator" "$build/bench/floor_window"; do
    "$build/bench/wait_painted" "$program" >/dev/null 2>&1  # warm the caches once
done
: >"$build/startup-app.txt"
: >"$build/startup-floor.txt"
for run in $(seq "$runs"); do
    "$build/bench/wait_painted" "$build/app/tag-generator" 2>/dev/null >>"$build/startup-app.txt"
    "$build/bench/wait_painted" "$build/bench/floor_window" 2>/dev/null >>"$build/startup-floor.txt"
done

median() {  # column file
    sort -n -k "$1" "$2" | awk -v c="$1" '{v[NR]=$c} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'
}
app_ms=$(median 1 "$build/startup-app.txt")
floor_ms=$(median 1 "$build/startup-floor.txt")
app_kb=$(median 2 "$build/startup-app.txt")
floor_kb=$(median 2 "$build/startup-floor.txt")
printf 'start-up to a painted window, median of %d runs:\n' "$runs"
printf '  Tag Generator  %7.1f ms  %7.1f MiB peak RSS\n' "$app_ms" "$(echo "$app_kb / 1024" | bc -l)"
printf '  toolkit floor  %7.1f ms  %7.1f MiB peak RSS\n' "$floor_ms" "$(echo "$floor_kb / 1024" | bc -l)"
printf '  ratio          %7.2fx time  %5.2fx memory\n' "$(echo "$app_ms / $floor_ms" | bc -l)" \
    "$(echo "$app_kb / $floor_kb" | bc -l)"
