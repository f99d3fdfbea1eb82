#!/bin/sh
# Time from launching the program to its login window shown, on a private X
# server: the first start (which writes the manual Guida.pdf) and later ones.
#   bench/login_time.sh [build folder]   (needs Xvfb and xdotool)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
folder=$(mktemp -d)
cp "$build/tersalia" "$folder/"
[ -f "$root/install/unins000.dll" ] && cp "$root/install/unins000.dll" "$folder/"
display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$folder"' EXIT
sleep 1
export DISPLAY="$display"
for run in first second third fourth; do
    start=$(date +%s%N)
    "$folder/tersalia" >/dev/null 2>&1 &
    program=$!
    # Asked every few milliseconds (xdotool's own --sync waits half a second between looks).
    until xdotool search --onlyvisible --name "Tersalia - Accesso" >/dev/null 2>&1; do
        sleep 0.005
    done
    end=$(date +%s%N)
    echo "$run start: login window shown after $(( (end - start) / 1000000 )) ms"
    kill $program
    wait $program 2>/dev/null || true
done
