#!/usr/bin/env bash
# Runs the benchmarks of a build folder and prints their figures.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

echo "== Start-up (process start to main window shown), against an empty main window"
if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 5 --runs 40 "$build/bench/bench_minimal" "$build/bench/bench_startup"
else
    echo "hyperfine is not installed (apt-get install hyperfine)"
fi

# Under the offscreen platform an empty window never loads the font database, which any window
# with text must; on a real X server both pay for it. Both figures are shown.
if command -v hyperfine >/dev/null && command -v Xvfb >/dev/null; then
    echo "== Start-up on an X server (Xvfb)"
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1600x1200x24 >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    DISPLAY=":$n" QT_QPA_PLATFORM=xcb hyperfine -N --warmup 5 --runs 40 \
        "$build/bench/bench_minimal" "$build/bench/bench_startup" || true
    kill "$xvfb"
fi

echo "== Main text"
for colours in plain coloured; do
    "$build/bench/bench_maintext" open 10 $colours
    "$build/bench/bench_maintext" open 50 $colours
    "$build/bench/bench_maintext" append 10 $colours
done 2>&1 | grep -v propagateSizeHints

echo "== Extended campaign editor, 500 missions"
"$build/bench/bench_campaign" 2>&1 | grep -v propagateSizeHints

echo "== Checker: diagnose on 1 MB and 10 MB, merge into a 10 MB description.ext"
"$build/bench/bench_check"

echo "== Page view, a briefing page of 1 MB"
"$build/bench/bench_pageview" 2>&1 | grep -v -e propagateSizeHints -e 'does not support raise'
