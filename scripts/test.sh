#!/usr/bin/env bash
# Builds everything and runs every test in one CTest run: the core's tests
# natively and again under ASan and UBSan with a minute of fuzzing, the
# window's and the program's tests under Wine (64-bit build), and the headers
# of both executables.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/display.sh
ensure_packages "${NATIVE_PACKAGES[@]}" "${SANITIZER_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
build_preset windows-x86 -DVELQORA_WERROR=$werror
build_preset windows-x64 -DVELQORA_WERROR=$werror
build_preset native-asan -DVELQORA_WERROR=$werror
build_preset native -DVELQORA_WERROR=$werror "-DVELQORA_EXTRA_TEST_DIRS=$(
  printf "%s;" "$PWD"/build/native-asan/phrases/{tests,fuzz} "$PWD"/build/windows-{x64,x86}/shell/tests \
    "$PWD"/build/windows-x64/bench)"

# The window tests expect a 1920x1080 screen of their own.
start_display
trap stop_display EXIT
ctest --preset native -j"$(nproc)"
