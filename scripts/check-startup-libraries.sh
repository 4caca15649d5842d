#!/usr/bin/env bash
# Start-up links only Qt Core, Gui, Widgets and Svg: Qt Charts, Qt Help, Qt Print Support,
# OpenGL and SQL are loaded when a diagram, the help or printing is first used. Checks the
# libraries the program names (NEEDED), then those really loaded when the main window has
# been painted and the program is idle (the start-up probe, run with the loader's trace).
# Usage: check-startup-libraries.sh PROGRAM STARTUP-PROBE
set -euo pipefail
program=$1
probe=$2
late='Qt6(Charts|Help|PrintSupport|OpenGL|OpenGLWidgets|Sql)'
status=0
needed=$(readelf -d "$program" | grep NEEDED || true)
if grep -E "$late" <<<"$needed"; then
    echo "$program names these at start"
    status=1
fi
loaded=$(env QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} TREMORA_BENCH_IDLE=1 LD_DEBUG=files \
    "$probe" 2>&1 >/dev/null | grep -oE 'file=[^ ]+' | sort -u)
if ! grep -q 'libQt6Widgets' <<<"$loaded"; then
    echo "the loader's trace lists no Qt library: $loaded"
    exit 1
fi
if grep -E "$late" <<<"$loaded"; then
    echo "loaded before the main window was idle"
    status=1
fi
[ $status -eq 0 ] && echo "start-up loads $(grep -c . <<<"$loaded") files, none of $late"
exit $status
