#!/usr/bin/env bash
# Builds everything and runs every test in one CTest run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${NATIVE_PACKAGES[@]}"

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake --preset native -DVELQORA_WERROR=$werror >/dev/null
cmake --build --preset native -j"$(nproc)"
ctest --preset native -j"$(nproc)"
