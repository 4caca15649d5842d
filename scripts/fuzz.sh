#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS (60 by default) on a
# copy of its corpus; FUZZ_RUNS=n runs a fixed number of inputs from a fixed seed instead, the
# same every time (as CI does). Without clang it says so and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${FUZZ_SECONDS:-60}
BUILD=${FUZZ_BUILD:-build-fuzz}
if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-*.a >/dev/null 2>&1; then
    echo "clang with libFuzzer is not installed: fuzz targets skipped"
    exit 0
fi
cmake -S tests/fuzz -B "$BUILD" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "${FUZZ_RUNS:-}" ]; then
    limit=(-seed=1 -runs="$FUZZ_RUNS")
    what="from seed 1"
else
    limit=(-max_total_time="$SECONDS_EACH")
    what="in ${SECONDS_EACH} s"
fi
status=0
for target in numtext textfile; do
    mkdir -p "$work/$target"
    cp tests/fuzz/corpus/$target/* "$work/$target/"
    if "$BUILD/fuzz_$target" "${limit[@]}" -print_final_stats=1 \
        -artifact_prefix="$work/" "$work/$target" >"$work/$target.log" 2>&1; then
        runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$work/$target.log" | grep -o '[0-9]*$')
        echo "fuzz_$target: $runs runs $what, no finding"
    else
        echo "fuzz_$target: FINDING"
        grep -E 'ERROR|SUMMARY|#[0-9]+ .*tremora|Test unit|Base64' "$work/$target.log" | head -20
        status=1
    fi
done
exit $status
