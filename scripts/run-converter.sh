#!/usr/bin/env bash
# Starts converter.exe under Wine on the user's display. Where there is no display (a server, a
# container) it shows the program working on a virtual display instead: it types an example
# value, saves a picture of the window, closes the program and says where the picture is.
# Usage: run-converter.sh CONVERTER-EXE DRIVER-EXE
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
driver=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
prefix=$top/build/mingw-x64/wine-desktop
# The settings file, converter.ini, is kept here between runs.
folder=$top/build/run
mkdir -p "$folder"

display_reachable() {
    [ -n "${DISPLAY:-}" ] || return 1
    case "$DISPLAY" in
        :*) [ -S "/tmp/.X11-unix/X$(echo "${DISPLAY#:}" | cut -d. -f1)" ] ;;
        *) return 0 ;;
    esac
}

if display_reachable; then
    echo "Starting converter.exe on $DISPLAY (settings in $folder/converter.ini)."
    cd "$folder"
    WINE_DESKTOP=1 exec "$top/scripts/wine-run.sh" "$prefix" "$exe"
fi

echo "No display here: running converter.exe on a virtual display (Xvfb) instead."
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
picture=$folder/converter-window.bmp
export top prefix driver
export exe_w=$(windows_path "$exe") folder_w=$(windows_path "$folder")
export picture_w=$(windows_path "$picture")
timeout 300 "$top/scripts/with-xvfb.sh" bash -c '
    WINE_DESKTOP=1 "$top/scripts/wine-run.sh" "$prefix" "$driver" --demo "$exe_w" "$folder_w" "$picture_w"
    status=$?
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    exit $status'
if command -v convert >/dev/null 2>&1 && convert "$picture" "${picture%.bmp}.png" 2>/dev/null; then
    picture=${picture%.bmp}.png
fi
echo "The program typed -2.5e3 into the float box; a picture of its window: $picture"
