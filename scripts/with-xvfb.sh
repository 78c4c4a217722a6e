#!/usr/bin/env bash
# Runs a command on a virtual display of its own (Xvfb), and stops the display afterwards.
# Usage: with-xvfb.sh COMMAND [ARGUMENT...]
set -u
numberFile=$(mktemp)
# -displayfd makes Xvfb pick a free display and write its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -f "$numberFile"' EXIT
for _ in $(seq 100); do
    [ -s "$numberFile" ] && break
    sleep 0.1
done
if [ ! -s "$numberFile" ]; then
    echo "with-xvfb: Xvfb did not start" >&2
    exit 1
fi
DISPLAY=":$(tr -d '[:space:]' <"$numberFile")" "$@"
