#!/usr/bin/env bash
# Start-up of converter.exe under Wine, on a virtual display, against the minimal dialog program
# of the same build and against converter.exe's own dialog with nothing behind it; and
# converter.exe's size.
# Usage: startup_bench.sh BUILD-DIRECTORY [RUNS]
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
runs=${2:-15}
exe=$build/app/converter.exe
baseline=$build/bench/minimal_dialog.exe
bare=$build/bench/bare_converter_dialog.exe
timer=$build/bench/startup_timer.exe
prefix=$build/wine-bench
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

size=$(stat -c %s "$exe")
echo "converter.exe (x86_64, stripped) size: $size bytes = $(awk "BEGIN{printf \"%.2f\", $size/65536}") of 64 KiB (target at most 1.00)"

windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
export top prefix runs timer
export exe_w=$(windows_path "$exe") baseline_w=$(windows_path "$baseline")
export bare_w=$(windows_path "$bare")
export scratch_w=$(windows_path "$scratch")
# Every wait inside is bounded; this bounds the whole run as well.
timeout 600 "$top/scripts/with-xvfb.sh" bash -c '
    WINE_DESKTOP=1 "$top/scripts/wine-run.sh" "$prefix" "$timer" "$runs" "$scratch_w" \
        "$exe_w" "Vantrel Converter" "$baseline_w" "Minimal Dialog" \
        "$bare_w" "Vantrel Converter"
    status=$?
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    exit $status'
