#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: once in the
# normal build with warnings as errors, once under AddressSanitizer and
# UndefinedBehaviorSanitizer. End-to-end tests get an X server of their own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${run_packages[@]}" "${test_packages[@]}"

# A private X server for the tests that need a real display.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
export TAGGEN_TEST_DISPLAY=$display

echo "== Build with warnings as errors"
build_tree "$repo_root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGGEN_WARNINGS_AS_ERRORS=ON
echo "== Tests"
ctest --test-dir "$repo_root/build/test" --output-on-failure --parallel "$(nproc)"

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
build_tree "$repo_root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DTAGGEN_WARNINGS_AS_ERRORS=ON \
    -DTAGGEN_SANITIZE=ON -DTAGGEN_BUILD_BENCHMARKS=OFF
echo "== Tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$repo_root/build/sanitize" --output-on-failure --parallel "$(nproc)"
