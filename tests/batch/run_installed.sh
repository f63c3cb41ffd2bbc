#!/usr/bin/env bash
# The installed vaporwright-batch: installs the build tree into a temporary
# prefix, runs the program from its bin/ on a file and checks the table it
# writes; runs it on a project file of the previous release and checks its
# tables against those the window exported; renders the installed manual page.
#
#   run_installed.sh <build dir> <folder of the previous release's projects>
set -euo pipefail

build=$1
projects=$2
# The program's messages in English whatever the developer's language; the
# German run below chooses its language itself.
export LC_ALL=C
unset LANGUAGE
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
# A project of the previous release (SI, 12.23 psia): its tables to a folder
# match the window's exports byte for byte; the project is not written.
cp "$projects/v1-project.vwproj" "$work/project.vwproj"
"$program" --project "$work/project.vwproj" -o "$work/tables/" ||
    fail "the program failed on a project: $?"
for table in points processes; do
    cmp -s "$work/tables/$table.csv" "$projects/v1-project.$table.csv" ||
        fail "the project's $table table differs from the window's export"
done
[ -f "$work/tables/mixtures.csv" ] || fail "the project's mixtures table is missing"
cmp -s "$work/project.vwproj" "$projects/v1-project.vwproj" || fail "the project file was written"
if "$program" --project "$work/in.csv" > "$work/none.csv" 2> "$work/err.txt"; then
    fail "a CSV file was read as a project"
fi
grep -q 'cannot be opened: ' "$work/err.txt" || fail "no message for a damaged project"
[ ! -s "$work/none.csv" ] || fail "a damaged project wrote output"

# The installed program finds its catalogues: German messages and help with
# LANGUAGE=de, the table the same as in English.
# The help read whole first: grep -q leaves at its first match, and the
# program then writing into a closed pipe would fail the pipeline.
LC_ALL=C.UTF-8 LANGUAGE=de "$program" --help > "$work/help.de.txt" ||
    fail "the installed program's --help failed in German: $?"
grep -q '^Aufruf: vaporwright-batch' "$work/help.de.txt" ||
    fail "the installed program's --help is not in German"
LC_ALL=C.UTF-8 LANGUAGE=de "$program" --formats "$work/in.csv" > "$work/out.de.csv" ||
    fail "the program failed in German: $?"
cmp -s "$work/out.csv" "$work/out.de.csv" || fail "the table differs in German"

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
