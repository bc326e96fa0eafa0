#!/usr/bin/env bash
# Starts the real program under a virtual X server, opens every window through the Tools
# menu and saves one PNG per window into docs/screenshots/.
#   tools/screenshots.sh [build folder] [scale]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scale=${2:-1}
out=docs/screenshots
[ "$scale" != 1 ] && out=$out/scale-$scale
mkdir -p "$out"

# The first display number no other X server holds.
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
display=:$n
Xvfb "$display" -screen 0 $((2400 * scale))x$((1600 * scale))x24 >/dev/null 2>&1 &
xvfb=$!
# Run from a scratch folder so nothing the program might write lands in the build folder.
work=$(mktemp -d)
cp "$build/velmora" "$work/"
cleanup() { kill "$program" "$xvfb" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
# Settings of its own, so that the pictures show a first start.
export DISPLAY=$display QT_SCALE_FACTOR=$scale XDG_CONFIG_HOME=$work/.config
sleep 1

"$work/velmora" &
program=$!

wait_for() { # window title -> window id
    local pattern
    pattern=$(printf '%s' "$1" | sed 's/[][().*^$]/\\&/g')
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -n1) && [ -n "$id" ] && {
            echo "$id"
            return
        }
        sleep 0.1
    done
    echo "no window titled '$1'" >&2
    exit 1
}
shoot() { # window id, file name
    sleep 0.4
    import -window "$1" "$out/$2.png"
    echo "$out/$2.png"
}

main=$(wait_for "Orlund's Velmora 1.1")
xdotool windowmove "$main" 0 0
shoot "$main" main-window

# The Tools menu items, in their order, with the title each window shows.
titles=("Briefing Editor" "Overview Editor" "Sound Editor" "Bomb Drop Position Rechner"
        "Kampagnen Editor (einfach)" "Kampagnen Editor (erweitert)"
        "Waffen und Munitions Editor" "Artilleriebeschuss")
files=(briefing-editor overview-editor sound-editor bomb-drop-calculator
       simple-campaign-editor extended-campaign-editor weapons-editor artillery)
for i in "${!titles[@]}"; do
    xdotool windowfocus --sync "$main"
    xdotool mousemove --window "$main" $((20 * scale)) $((10 * scale)) click 1
    sleep 0.3
    xdotool key --delay 60 $(printf 'Down %.0s' $(seq 0 "$i")) Return
    id=$(wait_for "${titles[$i]}")
    xdotool windowmove "$id" $((1100 * scale)) 0
    shoot "$id" "${files[$i]}"
    xdotool windowunmap "$id"
done
