#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine, as the tests and the run command
# need it: a private prefix under build/ (made once, with a CJK font standing
# in for 微软雅黑), no Wine debug output, and an X display. When no display is
# given, a 1920x1080 Xvfb is started for this run and stopped afterwards.
#
#   cmake/wine-run.sh program.exe [arguments...]
#   cmake/wine-run.sh --prepare      (only make the prefix)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
export WINEPREFIX="${VELQORA_WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine="$(command -v wine64 || command -v wine)"
source "$here/../scripts/display.sh"

make_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.velqora-ready" ]; then
    "$wine" wineboot --init >/dev/null 2>&1
    local reg
    reg=$(mktemp --suffix=.reg)
    # regedit reads UTF-16 files: the font name is not ASCII.
    {
      printf 'Windows Registry Editor Version 5.00\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"微软雅黑"="WenQuanYi Zen Hei"\r\n'
      printf '"SimSun"="WenQuanYi Zen Hei"\r\n"宋体"="WenQuanYi Zen Hei"\r\n\r\n'
      # Programs run in a 1920x1080 Wine desktop, which draws their frames
      # itself, whatever window manager the display has or lacks.
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1920x1080"\r\n\r\n'
    } | iconv -f UTF-8 -t UTF-16 >"$reg"
    "$wine" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1
    # Wine links its UI fonts to SimSun for Chinese text, as Windows does:
    # the CJK font under that file name fills in for it.
    ln -sf /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc "$WINEPREFIX/drive_c/windows/Fonts/simsun.ttc"
    # The caption buttons are glyphs of Wine's Marlett font.
    ln -sf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
    rm -f "$reg"
    touch "$WINEPREFIX/.velqora-ready"
  fi
  flock -u 9
  exec 9>&-
}

winepath_of() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }

if [ -z "${DISPLAY:-}" ]; then
  start_display
  trap stop_display EXIT
fi
make_prefix
[ "${1:-}" = "--prepare" ] && exit 0
set +e
"$wine" "$@"
status=$?
set -e
exit $status
