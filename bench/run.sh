#!/usr/bin/env bash
# Runs every benchmark program of the build folder given (default: build).
set -euo pipefail
build=${1:-build}
for program in "$build"/bench/bench_*; do
    [ -f "$program" ] && [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    "$program"
done
