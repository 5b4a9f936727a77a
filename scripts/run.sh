#!/usr/bin/env bash
# Builds the 32-bit and 64-bit Velqora and opens its window: under Wine on
# Linux, on your display. Without a display it runs in Xvfb, saves a
# screenshot of the window with its first page, and closes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/display.sh
ensure_packages "${WINDOWS_PACKAGES[@]}" cmake make imagemagick
build_preset windows-x86
build_preset windows-x64
echo "Built build/windows-x86/shell/Velqora.exe (the release program) and build/windows-x64/shell/Velqora.exe."

program=build/windows-x64/shell/Velqora.exe
if [ -n "${DISPLAY:-}" ]; then
  exec cmake/wine-run.sh "$program"
fi

start_display
trap stop_display EXIT
cmake/wine-run.sh --prepare
cmake/wine-run.sh "$program" &
program_pid=$!
# The window is shown only once its first page is written: wait until the
# empty desktop (one colour) shows it.
for _ in $(seq 120); do
  sleep 0.5
  import -window root -crop 469x596+725+242 +repage build/screenshot.png 2>/dev/null || continue
  colours=$(convert build/screenshot.png -format %k info:)
  [ "$colours" -gt 40 ] && break
done
sleep 1
import -window root -crop 469x596+725+242 +repage build/screenshot.png
echo "Screenshot of the window: $PWD/build/screenshot.png"
# taskkill without /f asks the window to close, as its close button does.
WINEPREFIX="${VELQORA_WINEPREFIX:-$PWD/build/wineprefix}" WINEDEBUG=-all \
  /usr/lib/wine/wine64 taskkill /im Velqora.exe >/dev/null 2>&1 || true
for _ in $(seq 40); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.25
done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "Velqora did not close when asked." >&2
  exit 1
fi
if wait "$program_pid"; then echo "Velqora closed cleanly."; else echo "Velqora exited with code $?." >&2; fi
