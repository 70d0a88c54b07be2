#!/usr/bin/env bash
# Installs the mingw-w64 cross compiler if missing and builds the Windows program:
# one statically linked build/win32/src/win32/tag-generator.exe, no DLLs beside it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing cmake ninja-build g++-mingw-w64-x86-64-win32
build_windows "$repo_root/build/win32"
echo "built $repo_root/build/win32/src/win32/tag-generator.exe"
