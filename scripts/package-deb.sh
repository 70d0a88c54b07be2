#!/usr/bin/env bash
# Installs what is missing, builds an optimised tree and makes the Debian package
# from the same install rules as `cmake --install`.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${run_packages[@]}" dpkg-dev file
build_tree "$repo_root/build/release" -DCMAKE_BUILD_TYPE=Release -DTAGGEN_BUILD_TESTS=OFF \
    -DTAGGEN_BUILD_BENCHMARKS=OFF
(cd "$repo_root/build/release" && cpack -G DEB >/dev/null)
ls "$repo_root"/build/release/*.deb
