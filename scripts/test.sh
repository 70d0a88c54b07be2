#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: once in the
# normal build with warnings as errors, once under AddressSanitizer and
# UndefinedBehaviorSanitizer. Each end-to-end test starts an X server of its own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${run_packages[@]}" "${test_packages[@]}"

echo "== Build with warnings as errors"
build_tree "$repo_root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGGEN_WARNINGS_AS_ERRORS=ON
echo "== Tests"
ctest --test-dir "$repo_root/build/test" --output-on-failure --parallel "$(nproc)"

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
build_tree "$repo_root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DTAGGEN_WARNINGS_AS_ERRORS=ON \
    -DTAGGEN_SANITIZE=ON -DTAGGEN_BUILD_BENCHMARKS=OFF
echo "== Tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$repo_root/tests/sanitizers/lsan.supp:print_suppressions=0" \
    ctest --test-dir "$repo_root/build/sanitize" --output-on-failure --parallel "$(nproc)"
