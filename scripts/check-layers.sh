#!/usr/bin/env bash
# The layers of src/, lowest first: a file may include its own layer and those below it,
# never one above. Prints each include that breaks this and fails on any.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
layers=(core shell windows app)
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done; echo -1; }
status=0
for layer in "${layers[@]}"; do
    own=$(rank "$layer")
    while IFS= read -r hit; do
        file=${hit%%:*}
        target=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$hit")
        if [ "$(rank "$target")" -gt "$own" ]; then
            echo "$file: $layer includes $target: ${hit#*:}"
            status=1
        fi
    done < <(grep -HnE '#include "[a-z]+/' -r "src/$layer" | sed -E 's/:[0-9]+:/:/' || true)
    # Nothing of the benchmarks or tests in the program.
    if grep -rnE '#include "\.\./' "src/$layer"; then status=1; fi
done
[ $status -eq 0 ] && echo "layers: core <- shell <- windows <- app, no include upwards"
exit $status
