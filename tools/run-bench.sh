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

echo "== Main text"
for colours in plain coloured; do
    "$build/bench/bench_maintext" open 10 $colours
    "$build/bench/bench_maintext" open 50 $colours
    "$build/bench/bench_maintext" append 10 $colours
done 2>&1 | grep -v propagateSizeHints

echo "== Extended campaign editor, 500 missions"
"$build/bench/bench_campaign" 2>&1 | grep -v propagateSizeHints
