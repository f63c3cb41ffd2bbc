#!/usr/bin/env bash
# Rows per second of vaporwright-batch on a CSV of 1,000,000 rows of dry bulb
# and relative humidity, beside the same CSV-to-CSV job done in node by the
# npm package psychrolib (installed into a temporary folder for this
# measurement only; the program does not use it).
#
#   scripts/measure-batch.sh [BUILD_DIR] [ROWS]
#
# Run it on a quiet machine: both figures are wall-clock times, best of three.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
rows=${2:-1000000}
program=$build/batch/vaporwright-batch
[[ -x $program ]] || { echo "build vaporwright-batch first: $program" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Dry bulb 0 to 110 °F and relative humidity 5 to 95 %, two and one decimals.
awk -v rows="$rows" 'BEGIN {
    srand(1); print "dry_bulb_F,relative_humidity_pct"
    for (i = 0; i < rows; i++) printf "%.2f,%.1f\n", rand() * 110, 5 + rand() * 90
}' > "$work/in.csv"

# Best wall-clock seconds of three runs of a command.
best_of_three() {
    local best=""
    for _ in 1 2 3; do
        local start end t
        start=$(date +%s.%N)
        "$@" > /dev/null
        end=$(date +%s.%N)
        t=$(echo "$end - $start" | bc -l)
        if [[ -z $best ]] || (( $(echo "$t < $best" | bc -l) )); then best=$t; fi
    done
    echo "$best"
}

rate() { echo "$rows / $1" | bc; }

t_batch=$(best_of_three "$program" "$work/in.csv" -o "$work/out.csv")
echo "vaporwright-batch: $(rate "$t_batch") rows/s ($t_batch s for $rows rows)"

# Peak memory (KiB) does not grow with the number of rows.
peak_kib() { /usr/bin/time -f %M "$program" "$1" -o /dev/null 2>&1 >/dev/null | tail -1; }
if [[ -x /usr/bin/time ]]; then
    head -n 100001 "$work/in.csv" > "$work/small.csv"
    echo "peak memory: $(peak_kib "$work/small.csv") KiB for 100000 rows," \
         "$(peak_kib "$work/in.csv") KiB for $rows rows"
fi

# The same job in node with psychrolib's documented functions, inch-pound
# units, the standard atmosphere.
if ! command -v npm > /dev/null || ! command -v node > /dev/null; then
    echo "node or npm missing: psychrolib not measured"
    exit 0
fi
(cd "$work" && npm install --silent --no-audit --no-fund psychrolib@1 > /dev/null 2>&1) || {
    echo "npm install psychrolib failed: not measured"
    exit 0
}
cat > "$work/psychrolib-csv.js" <<'JS'
const fs = require('fs');
const readline = require('readline');
const psychrolib = require('psychrolib');
psychrolib.SetUnitSystem(psychrolib.IP);
const pressure = 14.696; // psia

const out = fs.createWriteStream(process.argv[3]);
const lines = readline.createInterface({input: fs.createReadStream(process.argv[2])});
let header = true;
let chunk = [];
const flush = () => { out.write(chunk.join('')); chunk = []; };
lines.on('line', (line) => {
    if (header) {
        header = false;
        chunk.push('dry_bulb_F,wet_bulb_F,dew_point_F,relative_humidity_pct,' +
                   'humidity_ratio_lb/lb,enthalpy_Btu/lb,vapor_pressure_psia,' +
                   'degree_of_saturation_pct,specific_volume_ft3/lb,density_lb/ft3\n');
        return;
    }
    const [t, rh] = line.split(',').map(Number);
    const phi = rh / 100;
    const w = psychrolib.GetHumRatioFromRelHum(t, phi, pressure);
    const twb = psychrolib.GetTWetBulbFromRelHum(t, phi, pressure);
    const tdp = psychrolib.GetTDewPointFromRelHum(t, phi);
    const h = psychrolib.GetMoistAirEnthalpy(t, w);
    const pw = psychrolib.GetVapPresFromRelHum(t, phi);
    const mu = psychrolib.GetDegreeOfSaturation(t, w, pressure);
    const v = psychrolib.GetMoistAirVolume(t, w, pressure);
    const rho = psychrolib.GetMoistAirDensity(t, w, pressure);
    chunk.push(`${t},${twb},${tdp},${rh},${w},${h},${pw},${mu * 100},${v},${rho}\n`);
    if (chunk.length >= 4096) flush();
});
lines.on('close', () => { flush(); out.end(); });
JS
t_node=$(best_of_three node "$work/psychrolib-csv.js" "$work/in.csv" "$work/node-out.csv")
echo "node + psychrolib: $(rate "$t_node") rows/s ($t_node s for $rows rows)"
echo "ratio: $(echo "scale=2; $t_node / $t_batch" | bc -l)x"
