#!/usr/bin/env bash
# Runs the benchmarks of a build folder and prints their figures. Every figure that has a goal
# is a ratio against a floor measured in the same run, so that a busy machine shifts both.
set -euo pipefail
build=${1:-build}
bench="$build/bench"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
quiet() { grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR || true; }

# Start-up to the first painted frame: the program against an empty main window and a bare
# window with a text box and 20 fields in the same fonts. Rounds of all three in turn, so that
# a change in the machine's load hits all of them; medians over the rounds, of the wall-clock
# time and of the processor time (user and system), which a busy machine disturbs less.
startup() {
    local csv
    csv=$(mktemp)
    for _ in $(seq 1 "${ROUNDS:-12}"); do
        hyperfine -N --warmup 2 --runs 10 --export-csv "$csv.round" \
            "$bench/bench_minimal" "$bench/bench_floor" "$bench/bench_startup" >/dev/null 2>&1
        tail -n +2 "$csv.round" >>"$csv"
    done
    for column in 4 cpu; do
        for name in bench_minimal bench_floor bench_startup; do
            grep "/$name," "$csv" | awk -F, -v c="$column" \
                '{ print (c == "cpu" ? $5 + $6 : $c) * 1000 }' | sort -g |
                awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
        done | paste -sd' ' | awk -v c="$column" '{
            printf "  %s: empty window %.1f ms, bare window %.1f ms, program %.1f ms: %.2fx the bare window, %.2fx the empty one\n",
                (c == "cpu" ? "processor time" : "wall clock"), $1, $2, $3, $3 / $2, $3 / $1 }'
    done
    rm -f "$csv" "$csv.round"
}

if command -v hyperfine >/dev/null; then
    echo "== Start-up to the first painted frame (offscreen)"
    startup
    if command -v Xvfb >/dev/null; then
        echo "== The same on an X server (Xvfb)"
        n=90
        while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1600x1200x24 >/dev/null 2>&1 &
        xvfb=$!
        sleep 1
        DISPLAY=":$n" QT_QPA_PLATFORM=xcb startup || true
        kill "$xvfb"
    fi
else
    echo "hyperfine is not installed (apt-get install hyperfine): no start-up figures"
fi

echo "== Saving (Speichern unter...)"
saves=$(for megabytes in 10 50 200; do "$bench/bench_save" "$megabytes" 2>&1 | quiet; done)
echo "$saves"
echo "$saves" | awk '/^save 10 MB/ { t10 = $4 } /^save 200 MB/ { t200 = $4 }
    END { if (t10 > 0) printf "  200 MB took %.1fx the time of 10 MB\n", t200 / t10 }'

echo "== A key press with its repaint in 10 MB, colours and the problems check on, against a plain"
echo "   text box; then what the check costs the window when typing pauses"
"$bench/bench_typing" 10 2>&1 | quiet

echo "== A script that is one long line"
"$bench/bench_longline" 1 2>&1 | quiet
"$bench/bench_longline" 5 2>&1 | quiet

echo "== Main text"
for colours in plain coloured; do
    "$bench/bench_maintext" open 10 $colours
    "$bench/bench_maintext" open 50 $colours
    "$bench/bench_maintext" append 10 $colours
done 2>&1 | quiet

echo "== Extended campaign editor, 500 missions"
"$bench/bench_campaign" 2>&1 | quiet

echo "== Checker: diagnose on 1 MB and 10 MB, merge into a 10 MB description.ext"
"$bench/bench_check"

echo "== Page view, a briefing page of 1 MB"
"$bench/bench_pageview" 2>&1 | quiet
