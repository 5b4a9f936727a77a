#!/usr/bin/env bash
# Builds everything and runs every test in one CTest run: the core's tests
# natively, the window's and the program's under Wine (64-bit build), and the
# headers of both executables.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
build_preset windows-x86 -DVELQORA_WERROR=$werror
build_preset windows-x64 -DVELQORA_WERROR=$werror
build_preset native -DVELQORA_WERROR=$werror \
  "-DVELQORA_WINDOWS_TEST_DIRS=$PWD/build/windows-x64/shell/tests;$PWD/build/windows-x86/shell/tests"

# The window tests expect a 1920x1080 screen of their own.
start_display
trap stop_display EXIT
ctest --preset native -j"$(nproc)"
