#!/usr/bin/env bash
# Installs what is missing, builds and starts the Tag Generator.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_missing "${run_packages[@]}"
build_tree "$repo_root/build/release" -DCMAKE_BUILD_TYPE=Release -DTAGGEN_BUILD_TESTS=OFF \
    -DTAGGEN_BUILD_BENCHMARKS=OFF
exec "$repo_root/build/release/app/tag-generator" "$@"
