#!/usr/bin/env bash
# Builds Velqora. The window comes with the Windows shell, which is not
# written yet: for now this builds the core and says so.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${NATIVE_PACKAGES[@]}"
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)"
echo "Built the phrase core in build/native. The window is not built yet: it comes next."
