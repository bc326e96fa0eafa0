#!/usr/bin/env bash
# Starts the real program under a virtual X server, opens a script through the file dialog,
# searches it with the find bar, opens every window through the Tools menu and saves one PNG
# per window into docs/screenshots/.
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
# Settings and data of its own, so that the pictures show a first start and the user's
# own stay untouched.
export DISPLAY=$display QT_SCALE_FACTOR=$scale XDG_CONFIG_HOME=$work/.config XDG_DATA_HOME=$work/.local/share
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

# A script opened through the German file dialog, then the find bar at work on it. With no
# window manager, a click gives the main window the keyboard.
printf '%s\r\n' '; Fallschirmspringer aus dem Helikopter' '_aunits = units Kommander' '_i = 0' \
    '_j = count _aunits' '#Start' '(_aunits select _i) action ["EJECT",Helikopter]' \
    'unassignvehicle (_aunits select _i)' '_i=_i+1' '~2' '?_j>_i:goto "Start";' \
    'hint "Alle sind gesprungen"' 'exit' >"$work/fallschirm.sqs"
focus_text() { xdotool mousemove --window "$main" $((600 * scale)) $((400 * scale)) click 1; }
focus_text
xdotool key ctrl+o
dialog=$(wait_for "Öffnen")
shoot "$dialog" file-dialog
xdotool type --delay 20 "$work/fallschirm.sqs"
xdotool key Return
sleep 0.5
focus_text
xdotool key ctrl+h
sleep 0.3
xdotool type --delay 40 "_aunits"
xdotool key F3 F3
shoot "$main" main-window
xdotool key Escape

# The Tools menu items, in their order, with the title each window shows.
titles=("Briefing Editor" "Overview Editor" "Sound Editor" "Bomb Drop Position Rechner"
        "Kampagnen Editor (einfach)" "Kampagnen Editor (erweitert)"
        "Waffen und Munitions Editor" "Artilleriebeschuss")
files=(briefing-editor overview-editor sound-editor bomb-drop-calculator
       simple-campaign-editor extended-campaign-editor weapons-editor artillery)
# The Tools menu is the third: open the first by a click and move right to it, its first item
# chosen.
for i in "${!titles[@]}"; do
    xdotool windowfocus --sync "$main"
    xdotool mousemove --window "$main" $((20 * scale)) $((10 * scale)) click 1
    sleep 0.3
    xdotool key --delay 60 Right Right $(for _ in $(seq 1 "$i"); do printf 'Down '; done) Return
    id=$(wait_for "${titles[$i]}")
    xdotool windowmove "$id" $((1100 * scale)) 0
    shoot "$id" "${files[$i]}"
    xdotool windowunmap "$id"
done
