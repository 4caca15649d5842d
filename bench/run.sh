#!/usr/bin/env bash
# Runs every benchmark of the build folder given (default: build): start-up time and memory
# beside a bare Qt program, then the bench_* programs (report files).
set -euo pipefail
build=${1:-build}
here=$(dirname "$0")
echo "== start-up"
"$here/startup.sh" "$build"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for program in "$build"/bench/bench_*; do
    [ -f "$program" ] && [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    "$program"
done
