#!/usr/bin/env bash
# The real converter.exe under Wine on a virtual display, driven by e2e_driver.exe.
# Usage: run_e2e.sh CONVERTER-EXE DRIVER-EXE PREFIX-DIRECTORY
set -u
top=$(cd "$(dirname "$0")/../.." && pwd)
exe=$1 driver=$2 prefix=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Wine sees the Unix root as drive Z:.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

export top exe driver prefix scratch
export exe_w=$(windows_path "$exe") scratch_w=$(windows_path "$scratch")
# Every wait inside is bounded; this bounds the whole run as well.
timeout 300 "$top/scripts/with-xvfb.sh" bash -c '
    WINE_DESKTOP=1 "$top/scripts/wine-run.sh" "$prefix" "$driver" "$exe_w" "$scratch_w"
    status=$?
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    exit $status'
