#!/usr/bin/env bash
# Builds the 32-bit release program twice from the committed sources, in two
# different folders, and fails unless the two executables are byte-identical.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages cmake make git g++-mingw-w64-i686

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for folder in "$work/first" "$work/a/second/deeper"; do
  mkdir -p "$folder"
  git archive HEAD | tar -x -C "$folder"
  cmake -S "$folder" -B "$folder/build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$folder/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$folder/build" --target velqora -j"$(nproc)" >/dev/null
done
first=$(sha256sum <"$work/first/build/shell/Velqora.exe")
second=$(sha256sum <"$work/a/second/deeper/build/shell/Velqora.exe")
if [ "$first" != "$second" ]; then
  echo "FAIL: two builds of the same commit differ" >&2
  cmp -l "$work/first/build/shell/Velqora.exe" "$work/a/second/deeper/build/shell/Velqora.exe" | head >&2
  exit 1
fi
echo "Reproducible: both builds of Velqora.exe are ${first%% *}"
