#!/usr/bin/env bash
# Builds murvane if needed, starts it on a virtual X display, photographs the screen and ends
# the program again.  Usage: scripts/screenshot.sh [out.png]   (default out/murvane.png)
# MURVANE_BUILD_DIR chooses the build directory (default build-qt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/out/murvane.png}
build=${MURVANE_BUILD_DIR:-$root/build-qt}

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" --target murvane -j2 >/dev/null
mkdir -p "$(dirname "$out")"

# The first display number that nobody uses.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done

xvfb_pid=""
app_pid=""
# Ends what this script started; a failing kill or wait must not stop the clean-up halfway.
finish() {
    set +e
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    return 0
}
trap finish EXIT

Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
done

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$build/src/ui/qt/murvane" >/dev/null 2>&1 &
app_pid=$!
for _ in $(seq 100); do
    DISPLAY=":$display" xwininfo -root -tree 2>/dev/null | grep -q "Murvane1.0" && break
    kill -0 "$app_pid" 2>/dev/null || { echo "murvane ended before its window showed" >&2; exit 1; }
    sleep 0.1
done
sleep 1  # let it paint

DISPLAY=":$display" import -window root "$out"
echo "$out"
