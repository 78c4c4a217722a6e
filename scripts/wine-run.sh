#!/bin/sh
# Runs a Windows program under Wine in a private, quiet prefix, made on first use and reused.
# Usage: wine-run.sh PREFIX-DIRECTORY PROGRAM [ARGUMENT...]
set -eu
mkdir -p "$1"
WINEPREFIX=$(cd "$1" && pwd)
shift
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installers, no menu entries and no window driver: the programs are console
# programs, so no display is needed.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

# Making a prefix takes a while. Tests may start in parallel: the first makes it, the rest wait.
(
    flock 9
    if [ ! -f "$WINEPREFIX/.ready" ]; then
        wineboot --init >/dev/null 2>&1
        wineserver --wait
        touch "$WINEPREFIX/.ready"
    fi
) 9>"$WINEPREFIX/.lock"
exec wine "$@"
