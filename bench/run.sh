#!/usr/bin/env bash
# Builds an optimised tree and runs every benchmark: the tag library alone, the
# same through the real window, start-up against the toolkit's floor, and a
# keystroke storm on a real X server.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
install_missing "${run_packages[@]}" "${test_packages[@]}"

build="$repo_root/build/bench"
build_tree "$build" -DCMAKE_BUILD_TYPE=Release -DTAGGEN_BUILD_TESTS=OFF -DTAGGEN_BUILD_BENCHMARKS=ON

echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
echo "== tag library, in-memory form"
"$build/bench/taglib_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== through the real window (offscreen)"
"$build/bench/window_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null
echo "== start-up"
bash "$repo_root/bench/startup.sh" "$build" 21
echo "== keystroke storm"
bash "$repo_root/bench/keystroke_storm.sh" "$build/app/tag-generator" "$build/tests/support/layout_points" 2000
