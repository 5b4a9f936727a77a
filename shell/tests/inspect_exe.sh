#!/usr/bin/env bash
# Reads a built Velqora.exe's PE headers and fails unless it is the expected
# kind of Windows GUI program: system DLLs only, hardened (ASLR, DEP, no
# section both writable and executable), the word list in read-only data.
#   inspect_exe.sh <objdump> <exe> <pei-i386|pei-x86-64> <phrase_list.txt>
set -euo pipefail
objdump=$1 exe=$2 format=$3 phrase_list=$4
headers=$("$objdump" -p "$exe")
sections=$("$objdump" -h "$exe")
fail() { echo "FAIL: $*" >&2; exit 1; }

grep -q "file format $format" <<<"$headers" || fail "not $format"
case $format in
  pei-i386) grep -qE '^Magic\s+010b' <<<"$headers" || fail "not PE32"
    flags=(DYNAMIC_BASE NX_COMPAT) ;;
  pei-x86-64) grep -qE '^Magic\s+020b' <<<"$headers" || fail "not PE32+"
    flags=(DYNAMIC_BASE NX_COMPAT HIGH_ENTROPY_VA) ;;
esac
grep -qE '^Subsystem\s+00000002' <<<"$headers" || fail "not a GUI program"
for flag in "${flags[@]}"; do
  grep -qE "^\s+$flag\$" <<<"$headers" || fail "DllCharacteristics lack $flag"
done
characteristics=$(sed -n 's/^DllCharacteristics\s*//p' <<<"$headers")

allowed='^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32|shell32|ole32)\.dll$'
dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort -u)
[ -n "$dlls" ] || fail "no imports found"
while read -r dll; do
  [[ $dll =~ $allowed ]] || fail "imports $dll, which a clean Windows does not have"
done <<<"$dlls"

# Each section is a header line (index, name, size, VMA, LMA, file offset)
# followed by a line of flags.
declare -A section_flags section_start section_size
while read -r index name size _ _ offset _; do
  [[ $index =~ ^[0-9]+$ ]] || continue
  read -r flag_line
  section_flags[$name]=$flag_line
  section_start[$name]=$((16#$offset))
  section_size[$name]=$((16#$size))
done <<<"$sections"
for name in "${!section_flags[@]}"; do
  f=${section_flags[$name]}
  if [[ $f == *CODE* && $f != *READONLY* ]]; then fail "section $name is writable and executable"; fi
done

# The word list, found in the file by one of its longer lines, lies in a
# read-only data section.
at=$(LC_ALL=C grep -obUaF -m1 -f <(sed -n 6p "$phrase_list" | tr -d '\r') "$exe" | head -n1 | cut -d: -f1 || true)
[ -n "$at" ] || fail "the word list is not in the executable"
home=""
for name in "${!section_flags[@]}"; do
  start=${section_start[$name]} size=${section_size[$name]}
  if ((at >= start && at < start + size)); then home=$name; fi
done
[ -n "$home" ] || fail "the word list lies outside every section"
f=${section_flags[$home]}
[[ $f == *READONLY* && $f != *CODE* ]] || fail "the word list lies in $home ($f), not read-only data"

echo "$exe: $format, GUI, DllCharacteristics $characteristics (${flags[*]}), word list in $home, imports:" $dlls
