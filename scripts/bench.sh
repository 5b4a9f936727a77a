#!/usr/bin/env bash
# Builds and runs every benchmark, then prints one table: each figure, its
# goal and its ratio. Benchmarks print figures; they never fail on a number.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/display.sh
ensure_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
build_preset bench >/dev/null
build_preset windows-x86 >/dev/null
build_preset windows-x64 >/dev/null

echo "Loading the word list (Google Benchmark, native release build)..."
# One run per benchmark: each CSV then has the columns of its own counters.
run_csv() { build/bench/bench/load_benchmark --benchmark_min_time=1 --benchmark_format=csv \
  "--benchmark_filter=^$1\$" 2>/dev/null; }
column() { awk -F, -v name="$2" 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == name || $i == "\"" name "\"") col = i }
  NR == 2 { print $col }' <<<"$1"; }
baseline_csv=$(run_csv CountLineFeedsBaseline)
load_csv=$(run_csv LoadPhraseList)
baseline_ns=$(column "$baseline_csv" cpu_time)
load_ns=$(column "$load_csv" cpu_time)
allocations=$(column "$load_csv" allocations)

echo "Start-up and clicks (Wine, 64-bit build)..."
start_display
trap stop_display EXIT
to_wine() { printf 'Z:%s' "$(printf '%s' "$PWD/$1" | tr / '\\')"; }
window=$(cmake/wine-run.sh build/windows-x64/bench/window_benchmark.exe \
  "--velqora=$(to_wine build/windows-x64/shell/Velqora.exe)" \
  "--bare=$(to_wine build/windows-x64/bench/bare_window.exe)" --runs=15 --clicks=100 | tr -d '\r')
figure() { awk -v name="$1" '$1 == name { print $2 }' <<<"$window"; }

exe=build/windows-x86/shell/Velqora.exe
size=$(stat -c %s "$exe")
dlls=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u | tr '\n' ' ')

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
met() { awk -v v="$1" -v goal="$2" 'BEGIN { print (v <= goal ? "met" : "not met") }'; }
load_ratio=$(ratio "$load_ns" "$baseline_ns")
startup_ratio=$(ratio "$(figure startup_velqora_ms)" "$(figure startup_bare_ms)")
click_ms=$(figure click_page_ms)
size_kib=$(awk -v s="$size" 'BEGIN { printf "%.1f", s / 1024 }')

echo
echo "Velqora benchmarks, $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m)"
echo
printf '| %-34s | %-22s | %-22s | %-8s | %-12s | %-7s |\n' figure measured "compared with" ratio goal result
printf '|%s|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..36})" "$(printf -- '-%.0s' {1..24})" \
  "$(printf -- '-%.0s' {1..24})" "$(printf -- '-%.0s' {1..10})" "$(printf -- '-%.0s' {1..14})" "$(printf -- '-%.0s' {1..9})"
printf '| %-34s | %-22s | %-22s | %-8s | %-12s | %-7s |\n' \
  "1. loadPhraseList (CPU time)" "$(awk -v n="$load_ns" 'BEGIN{printf "%.0f us", n/1000}')" \
  "$(awk -v n="$baseline_ns" 'BEGIN{printf "%.0f us LF count", n/1000}')" "${load_ratio}x" "<= 2.0x" "$(met "$load_ratio" 2.0)"
printf '| %-34s | %-22s | %-22s | %-8s | %-12s | %-7s |\n' \
  "2. heap allocations per load" "$allocations" "65300 (one per line)" "-" "<= 3" "$(met "$allocations" 3)"
printf '| %-34s | %-22s | %-22s | %-8s | %-12s | %-7s |\n' \
  "3. start-up to first page (median)" "$(figure startup_velqora_ms) ms" "$(figure startup_bare_ms) ms bare window" \
  "${startup_ratio}x" "<= 1.10x" "$(met "$startup_ratio" 1.10)"
printf '| %-34s | %-22s | %-22s | %-8s | %-12s | %-7s |\n' \
  "4. click to finished page (median)" "$click_ms ms" "16.7 ms (one frame)" "-" "<= 5 ms" "$(met "$click_ms" 5)"
printf '| %-34s | %-22s | %-22s | %-8s | %-12s | %-7s |\n' \
  "5. release exe size (32-bit)" "$size_kib KiB" "word list 399.6 KiB" "-" "<= 600 KiB" "$(met "$size_kib" 600)"
echo
echo "Start-up runs: $(figure startup_runs) of each, alternating; clicks: $(figure click_runs)."
echo "Click to finished page with the window minimised (nothing painted): $(figure click_page_minimised_ms) ms."
echo "Release exe imports: $dlls"
