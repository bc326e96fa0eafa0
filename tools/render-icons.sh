#!/usr/bin/env bash
# Renders the program's SVG pictures (src/app/icons) into the raw .argb pictures the program
# loads at start-up, at their size and twice it for high-density screens. Run it after
# changing a picture; needs qt6-svg-dev.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S tools/render-icons -B "$build" -G Ninja >/dev/null
cmake --build "$build" >/dev/null
export QT_QPA_PLATFORM=offscreen
for svg in src/app/icons/*.svg; do
    name=${svg%.svg}
    size=24
    [ "$(basename "$name")" = velmora ] && size=64
    "$build/render-icons" "$svg" "$name.argb" "$size"
    "$build/render-icons" "$svg" "$name@2x.argb" "$((size * 2))"
done
