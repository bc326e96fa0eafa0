#!/usr/bin/env bash
# Walks the README's road into a mission through the real program under a virtual X server,
# from an empty mission folder to a finished one, and saves a picture of each step into
# docs/screenshots/; then lists what the mission folder holds.
#   tools/mission-road.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake -S . -B "$build" -DVELMORA_BUILD_ROAD=ON >/dev/null
cmake --build "$build" --target velmora_road

n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 2400x1600x24 >/dev/null 2>&1 &
xvfb=$!
# A home of its own: the program's settings and the mission land there, not in the user's.
work=$(mktemp -d)
cleanup() { kill "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
sleep 1
DISPLAY=":$n" HOME="$work" XDG_CONFIG_HOME="$work/.config" \
    "$build/velmora_road" docs/screenshots "$work"
echo "The mission folder:"
(cd "$work/Nordwind.Eden" && ls -l --time-style=+ . | tail -n +2 && echo && cat description.ext)
