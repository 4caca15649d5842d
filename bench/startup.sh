#!/usr/bin/env bash
# Start-up benchmark: time from process start until the main window is shown and idle, and
# peak memory, for the program and for a bare Qt program, side by side in one run.
# Usage: bench/startup.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
python3 - "$build" "$runs" <<'PY'
import os, resource, statistics, subprocess, sys, time

build, runs = sys.argv[1], int(sys.argv[2])
env = dict(os.environ, TREMORA_BENCH_IDLE="1")

def once(exe):
    start = time.monotonic_ns()
    proc = subprocess.Popen([exe], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    line = proc.stdout.readline().decode()
    _, _, rusage = os.wait4(proc.pid, 0)
    idle = int(line.split()[1])
    return (idle - start) / 1e6, rusage.ru_maxrss / 1024.0

results = {}
programs = {"bare": os.path.join(build, "bench", "tremora_bare"), "tremora": os.path.join(build, "bench", "tremora_startup")}
for name, exe in programs.items():
    once(exe)  # warm the file cache
for i in range(runs):
    # Alternate the two programs so that the machine's load affects both alike.
    for name, exe in programs.items():
        results.setdefault(name, []).append(once(exe))

print(f"{'program':10} {'median ms':>10} {'min ms':>8} {'peak MiB':>9}")
summary = {}
for name, values in results.items():
    times = [t for t, _ in values]
    mem = max(m for _, m in values)
    summary[name] = (statistics.median(times), mem)
    print(f"{name:10} {statistics.median(times):10.1f} {min(times):8.1f} {mem:9.1f}")
t = summary["tremora"][0] / summary["bare"][0]
m = summary["tremora"][1] / summary["bare"][1]
print(f"ratio time {t:.2f} (target <= 1.3), memory {m:.2f} (target <= 1.2)")
PY
