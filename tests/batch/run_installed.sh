#!/usr/bin/env bash
# The installed vaporwright-batch: installs the build tree into a temporary
# prefix, runs the program from its bin/ on a file and checks the table it
# writes; renders the installed manual page.
#
#   run_installed.sh <build dir>
set -euo pipefail

build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$work/prefix" > "$work/install.log" ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }
program=$work/prefix/bin/vaporwright-batch
[ -x "$program" ] || fail "bin/vaporwright-batch is not installed"

printf 'time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n09:00,eighty,50\n' > "$work/in.csv"
"$program" --formats "$work/in.csv" -o "$work/out.csv" || fail "the program failed: $?"
expected='time,dry_bulb_F,wet_bulb_F,dew_point_F,relative_humidity_pct,humidity_ratio_lb/lb,enthalpy_Btu/lb,vapor_pressure_psia,degree_of_saturation_pct,specific_volume_ft3/lb,density_lb/ft3,absolute_humidity_lb/ft3,moisture_concentration_ppm,pressure_psia,altitude_ft,reason
08:00,75.00,62.56,55.17,50.00,0.0092,28.11,0.2150,49.26,13.6799,0.0738,0.00068,9236.2,14.70,0.0,
09:00,,,,,,,,,,,,,,,"Could not read ""eighty"" as a number in dry_bulb_F"'
if [ "$(cat "$work/out.csv")" != "$expected" ]; then
    diff <(echo "$expected") "$work/out.csv" >&2 || true
    fail "the installed program's table differs (< expected, > found)"
fi
"$program" --version | grep -qx "vaporwright-batch [0-9]*\.[0-9]*\.[0-9]*" ||
    fail "--version does not print the version"

page=$work/prefix/share/man/man1/vaporwright-batch.1.gz
[ -f "$page" ] || fail "the manual page is not installed"
if ! command -v man > /dev/null; then
    echo "SKIP: man is not installed (Debian package man-db): the page is not rendered"
    exit 77
fi
MANWIDTH=80 man --warnings -l "$page" > "$work/page.txt" 2> "$work/warnings.txt" ||
    fail "man cannot render the page"
[ ! -s "$work/warnings.txt" ] || { cat "$work/warnings.txt" >&2; fail "the page renders with warnings"; }
grep -q 'vaporwright-batch - compute moist-air properties' "$work/page.txt" ||
    fail "the rendered page lacks its NAME line"
echo "installed program and manual page: ok"
