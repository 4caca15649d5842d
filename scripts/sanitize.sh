#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in a
# build folder of their own and runs every test there, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${SANITIZE_BUILD:-build-asan}
JOBS=${JOBS:-$(nproc)}
start=$(date +%s)
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$flags -O1" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$BUILD" -j"$JOBS"
# Qt and the font libraries keep caches for the life of the process; only our own leaks count.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$JOBS")
echo "Sanitizer build and run: $(( $(date +%s) - start )) s"
