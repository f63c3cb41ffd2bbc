#!/usr/bin/env bash
# The Python module's speed and memory, beside the compute core's own speed
# and the npm package psychrolib (installed into a temporary folder for this
# measurement only; the program does not use it):
#
#   - states per second of vaporwright.states from dry bulb and relative
#     humidity over ROWS rows of numpy arrays, on every core and on one;
#   - the core's own states per second on one thread (build/bench/python_bench)
#     and the share of cores x that rate the module reaches;
#   - psychrolib's compute-only loop in node over the same kind of rows;
#   - the memory of one call beyond its inputs, against its outputs;
#   - a local Dask cluster of one worker process against two (DASK_ROWS rows).
#
#   scripts/measure-python.sh [BUILD_DIR] [ROWS] [DASK_ROWS]
#
# Run it on a quiet machine: every figure is wall-clock time.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
rows=${2:-10000000}
dask_rows=${3:-8000000}
python=/usr/bin/python3
package=$build/python/package
bench=$build/bench/python_bench
[[ -d $package/vaporwright ]] || { echo "build the Python module first: $package" >&2; exit 1; }
[[ -x $bench ]] || { echo "build python_bench first: $bench" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== the module: $rows rows"
PYTHONPATH=$package "$python" -u "$here/bench/python_states.py" "$rows" | tee "$work/module.txt"
figure() { awk -v k="$1" '$1 == k { print $2 }' "$work/module.txt"; }

echo "== the compute core alone, one thread"
"$bench" --benchmark_filter='CoreSolve|ModuleRows' --benchmark_repetitions=3 \
    --benchmark_out="$work/core.json" --benchmark_out_format=json > /dev/null 2>&1
# The median over the repetitions of each benchmark's rows per second.
"$python" - "$work/core.json" > "$work/core.txt" <<'PY'
import json, statistics, sys
runs, cpu = {}, {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("run_type") == "iteration":
        name = b["run_name"].split("/real_time")[0]
        runs.setdefault(name, []).append(b["items_per_second"])
        if name == "CoreSolve":  # one item an iteration, on the timing thread
            cpu.setdefault(name + "_cpu", []).append(1e9 / b["cpu_time"])
for name, rates in {**runs, **cpu}.items():
    print(name, round(statistics.median(rates)))
PY
cat "$work/core.txt"
core=$(awk '$1 == "CoreSolve" { print $2 }' "$work/core.txt")
threads=$(figure threads)
module=$(figure states_per_s)
echo "core: $core states/s on one thread; $threads cores"
echo "module: $module states/s = $(echo "scale=3; $module / ($core * $threads)" | bc -l)" \
     "of cores x the core's rate"
# Per processor second, which other work on the machine does not change much.
core_cpu=$(awk '$1 == "CoreSolve_cpu" { print $2 }' "$work/core.txt")
module_cpu=$(figure states_per_cpu_s)
echo "per processor second: core $core_cpu, module $module_cpu states" \
     "= $(echo "scale=3; $module_cpu / $core_cpu" | bc -l) of the core's"

echo "== psychrolib in node, compute only"
if command -v npm > /dev/null && command -v node > /dev/null &&
    (cd "$work" && npm install --silent --no-audit --no-fund psychrolib@1 > /dev/null 2>&1); then
    cat > "$work/psychrolib-loop.js" <<'JS'
// The same properties from dry bulb and relative humidity with psychrolib's
// documented functions, inch-pound units, the standard atmosphere; the rows
// are made first and only the loop is timed.
const psychrolib = require('psychrolib');
psychrolib.SetUnitSystem(psychrolib.IP);
const pressure = 14.696;
const rows = Number(process.argv[2]);
const t = new Float64Array(rows), rh = new Float64Array(rows);
let seed = 1;
const random = () => (seed = (seed * 16807) % 2147483647) / 2147483647;
for (let i = 0; i < rows; i++) { t[i] = random() * 110; rh[i] = 5 + random() * 90; }
const out = new Float64Array(rows * 8);
let best = Infinity, bestCpu = Infinity;
for (let run = 0; run < 3; run++) {
    const start = process.hrtime.bigint();
    const startCpu = process.cpuUsage();
    for (let i = 0; i < rows; i++) {
        const phi = rh[i] / 100;
        const w = psychrolib.GetHumRatioFromRelHum(t[i], phi, pressure);
        out[8 * i] = w;
        out[8 * i + 1] = psychrolib.GetTWetBulbFromRelHum(t[i], phi, pressure);
        out[8 * i + 2] = psychrolib.GetTDewPointFromRelHum(t[i], phi);
        out[8 * i + 3] = psychrolib.GetMoistAirEnthalpy(t[i], w);
        out[8 * i + 4] = psychrolib.GetVapPresFromRelHum(t[i], phi);
        out[8 * i + 5] = psychrolib.GetDegreeOfSaturation(t[i], w, pressure);
        out[8 * i + 6] = psychrolib.GetMoistAirVolume(t[i], w, pressure);
        out[8 * i + 7] = psychrolib.GetMoistAirDensity(t[i], w, pressure);
    }
    best = Math.min(best, Number(process.hrtime.bigint() - start) / 1e9);
    const cpu = process.cpuUsage(startCpu);
    bestCpu = Math.min(bestCpu, (cpu.user + cpu.system) / 1e6);
}
console.log(`psychrolib_per_s ${Math.round(rows / best)}`);
console.log(`psychrolib_per_cpu_s ${Math.round(rows / bestCpu)}`);
JS
    node_rows=$((rows < 2000000 ? rows : 2000000))
    node "$work/psychrolib-loop.js" "$node_rows" | tee "$work/node.txt"
    node_rate=$(awk '$1 == "psychrolib_per_s" { print $2 }' "$work/node.txt")
    node_cpu=$(awk '$1 == "psychrolib_per_cpu_s" { print $2 }' "$work/node.txt")
    echo "module / psychrolib: $(echo "scale=2; $module / $node_rate" | bc -l)x" \
         "(one thread: $(echo "scale=2; $(figure states_per_s_one_thread) / $node_rate" | bc -l)x;" \
         "per processor second: $(echo "scale=2; $module_cpu / $node_cpu" | bc -l)x," \
         "so $(echo "scale=2; $module_cpu * $threads / $node_cpu" | bc -l)x on $threads idle cores)"
else
    echo "node, npm or psychrolib missing: not measured"
fi

echo "== memory of one call"
extra=$(figure memory_extra_kib)
outputs=$(figure memory_outputs_kib)
echo "beyond the inputs: $extra KiB for $outputs KiB of outputs" \
     "($(echo "scale=3; $extra / $outputs" | bc -l) x)"

echo "== Dask LocalCluster: $dask_rows rows"
PYTHONPATH=$package "$python" -u "$here/bench/python_dask.py" "$dask_rows"
