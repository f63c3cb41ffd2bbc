#!/usr/bin/env bash
# Measures the real program's start-up under Xvfb: the time from process start
# to the calculator window mapped, less the splash's fixed 4000 ms hold, and
# the peak resident memory (VmHWM) once the window is up. A fresh settings
# folder with the disclaimer prompt off; repeated RUNS times (default 5).
# Fails when the program ends before its window is up, or when the window is
# not up within VW_STARTUP_TIMEOUT seconds (default 20).
#
#   scripts/measure-startup.sh [BUILD_DIR [RUNS]]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
runs=${2:-5}
timeout=${VW_STARTUP_TIMEOUT:-20}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$build" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Vaporwright" && mkdir -m 700 "$XDG_RUNTIME_DIR"

for ((run = 1; run <= runs; run++)); do
    printf '[Settings]\nDisclaimer%%20Show=False\n' >"$XDG_CONFIG_HOME/Vaporwright/Vaporwright.ini"
    start=$(date +%s%N)
    "$build/app/vaporwright" &
    pid=$!
    # Poll without xdotool's own half-second sync interval; give up when the
    # program has ended or the window is not up within the time limit.
    deadline=$((start + timeout * 1000000000))
    until xdotool search --onlyvisible --name '^Vaporwright:  ' >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            status=0
            wait "$pid" || status=$?
            echo "run $run: the program ended (exit status $status) before its window was up" >&2
            exit 1
        fi
        if (($(date +%s%N) > deadline)); then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            echo "run $run: no calculator window within $timeout s; gave up" >&2
            exit 1
        fi
    done
    shown=$(date +%s%N)
    peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "run $run: $(((shown - start) / 1000000 - 4000)) ms to the window beyond the hold," \
        "peak memory $((peak / 1024)) MiB"
done
