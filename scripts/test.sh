#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: once in the
# normal build with warnings as errors, once under AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer, then a bounded fuzzing run.
# Each end-to-end test starts an X server of its own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${run_packages[@]}" "${test_packages[@]}"

# Runs ctest on a build tree and adds its counts to the totals printed at the end.
passed=0 failed=0
run_ctest() {
    local log
    log=$(mktemp)
    local status=0
    ctest --test-dir "$1" --output-on-failure "${@:2}" | tee "$log" || status=$?
    local summary
    summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
    rm -f "$log"
    if [[ $summary =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        failed=$((failed + BASH_REMATCH[1]))
        passed=$((passed + BASH_REMATCH[2] - BASH_REMATCH[1]))
    fi
    return "$status"
}

ensure_chinese_locale

echo "== Cross-build of the Windows program (mingw-w64)"
build_windows "$repo_root/build/win32"

echo "== Build with warnings as errors"
build_tree "$repo_root/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGGEN_WARNINGS_AS_ERRORS=ON \
    -DTAGGEN_WIN32_BUILD_DIR="$repo_root/build/win32"
echo "== Tests"
run_ctest "$repo_root/build/test" --parallel "$(nproc)"

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
build_tree "$repo_root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DTAGGEN_WARNINGS_AS_ERRORS=ON \
    -DTAGGEN_SANITIZE=ON -DTAGGEN_BUILD_BENCHMARKS=OFF
echo "== Tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$repo_root/tests/sanitizers/lsan.supp:print_suppressions=0" \
    run_ctest "$repo_root/build/sanitize" --parallel "$(nproc)"

echo "== Fuzzing the composers for a bounded time (libFuzzer, clang)"
CXX=clang++ build_tree "$repo_root/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGGEN_WARNINGS_AS_ERRORS=ON \
    -DTAGGEN_BUILD_GUI=OFF -DTAGGEN_BUILD_TESTS=OFF -DTAGGEN_BUILD_BENCHMARKS=OFF -DTAGGEN_BUILD_FUZZERS=ON
run_ctest "$repo_root/build/fuzz"

echo "All suites: $passed passed, $failed failed"
