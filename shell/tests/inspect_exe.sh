#!/usr/bin/env bash
# Reads a built Velqora.exe's PE headers and fails unless it is the expected
# kind of Windows GUI program that imports nothing but system DLLs.
#   inspect_exe.sh <objdump> <exe> <pei-i386|pei-x86-64>
set -euo pipefail
objdump=$1 exe=$2 format=$3
headers=$("$objdump" -p "$exe")
fail() { echo "FAIL: $*" >&2; exit 1; }

grep -q "file format $format" <<<"$headers" || fail "not $format"
case $format in
  pei-i386) grep -qE '^Magic\s+010b' <<<"$headers" || fail "not PE32" ;;
  pei-x86-64) grep -qE '^Magic\s+020b' <<<"$headers" || fail "not PE32+" ;;
esac
grep -qE '^Subsystem\s+00000002' <<<"$headers" || fail "not a GUI program"

allowed='^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32|shell32|ole32)\.dll$'
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
[ -n "$dlls" ] || fail "no imports found"
while read -r dll; do
  [[ $dll =~ $allowed ]] || fail "imports $dll, which a clean Windows does not have"
done <<<"$dlls"
echo "$exe: $format, GUI, imports:" $dlls
