#!/bin/sh
# Runs a Windows program under Wine in a private, quiet prefix, made on first use and reused.
# Usage: wine-run.sh PREFIX-DIRECTORY PROGRAM [ARGUMENT...]
# Console programs run without a display. With WINE_DESKTOP=1 the program keeps DISPLAY and
# may open windows; give such runs a prefix of their own, apart from the console ones.
set -eu
mkdir -p "$1"
WINEPREFIX=$(cd "$1" && pwd)
shift
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installers and no menu entries.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
if [ "${WINE_DESKTOP:-0}" != 1 ]; then
    unset DISPLAY WAYLAND_DISPLAY
fi

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
