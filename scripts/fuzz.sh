#!/usr/bin/env bash
# Fuzzes every reader with libFuzzer for a bounded time under AddressSanitizer
# and UndefinedBehaviorSanitizer: builds the fuzz programs with clang (in
# build-fuzz/ unless told otherwise), then runs each for SECONDS (default 30)
# from its seeds in fuzz/corpus/<target>/ and the inputs found before in
# tests/fuzz/regressions/<target>/.
#
# A crash, a sanitizer report, a broken invariant, an input taking more than
# 10 s, more than 2 GiB of memory or a leak fails the run. Each input found
# is saved in tests/fuzz/regressions/<target>/, where the test suite replays
# it from then on: commit it with the fix of the reader.
#
#   scripts/fuzz.sh [SECONDS [BUILD_DIR [target...]]]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-30}
build=${2:-$root/build-fuzz}
shift 2 2>/dev/null || shift $#
all_targets=(batch_csv batch_epw weather_epw weather_csv project_file settings_ini)
targets=("$@")
((${#targets[@]})) || targets=("${all_targets[@]}")

# clang 14 and its libFuzzer, Debian 12's.
"$root/scripts/install-packages.sh" clang-14 libclang-rt-14-dev
# The compiler by its full path, as the cache holds it, so that build.sh
# configures the folder again only when something changed.
VW_BUILD_TARGETS="${targets[*]/#/fuzz_}" "$root/scripts/build.sh" "$build" \
    -DCMAKE_CXX_COMPILER="$(command -v clang++-14)" -DVW_FUZZ=ON -DVW_WERROR=ON \
    -DVW_BUILD_TESTS=OFF -DVW_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:symbolize=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0

# fuzz_one <target>: one target's run in build-fuzz/runs/<target>/ (log, the
# corpus it grew, what it found); the exit status says whether it found any.
fuzz_one() {
    local target=$1
    local run=$build/runs/$target
    rm -rf "$run"
    mkdir -p "$run/corpus" "$run/found"
    # The first folder receives the inputs that reach new code; the others
    # are only read.
    local seeds=("$root/fuzz/corpus/$target")
    [ ! -d "$root/tests/fuzz/regressions/$target" ] || seeds+=("$root/tests/fuzz/regressions/$target")
    local status=0
    "$build/fuzz/fuzz_$target" "$run/corpus" "${seeds[@]}" \
        -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$run/found/" -print_final_stats=1 >"$run/log" 2>&1 || status=$?
    local found
    found=$(find "$run/found" -type f | sort)
    if ((status == 0)) && [ -z "$found" ]; then
        echo "$target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$run/log" |
            grep -o '[0-9]*$') inputs in ${seconds} s, nothing found"
        return 0
    fi
    {
        echo "$target: FAILED (exit status $status); the end of $run/log:"
        tail -n 60 "$run/log"
        for file in $found; do
            mkdir -p "$root/tests/fuzz/regressions/$target"
            cp "$file" "$root/tests/fuzz/regressions/$target/"
            echo "$target: saved tests/fuzz/regressions/$target/$(basename "$file")"
        done
    } >&2
    return 1
}

# As many targets at a time as there are cores.
failed=()
declare -A running=()
# reap_one: waits for one run to end and notes whether it found anything.
reap_one() {
    local status=0 pid
    wait -n -p pid || status=$?
    ((status == 0)) || failed+=("${running[$pid]}")
    unset "running[$pid]"
}
for target in "${targets[@]}"; do
    while ((${#running[@]} >= $(nproc))); do
        reap_one
    done
    fuzz_one "$target" &
    running[$!]=$target
done
while ((${#running[@]})); do
    reap_one
done

if ((${#failed[@]})); then
    echo "fuzz.sh: found faults in: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz.sh: ${#targets[@]} readers fuzzed for ${seconds} s each, nothing found."
