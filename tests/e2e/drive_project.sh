#!/usr/bin/env bash
# Runs inside an X server (xvfb-run): a state-point project made on a real
# keyboard in the chart window of the installed program: two points with
# airflows, their mixture and a cooling coil on it; saved, the program
# ended and started again, the project opened and its loads read back
# through the program's own CSV export.
#
#   drive_project.sh PROGRAM
set -euo pipefail

program=$1

# fail, wait_for
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

files=$(mktemp -d)
project="$files/air.vwproj"

# The window of this title, focused and waited for. A search may also find
# a window that is going away (a closing dialog's): try each until one
# takes the focus.
focus() {
    local deadline=$((SECONDS + 10)) id
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null && return 0
        done
        sleep 0.1
    done
    fail "no window '$1' takes the focus (a refused step leaves its dialog open)"
}
# A file dialog (Qt's own: there is no desktop here) given a path. The name
# field has the focus and a suggested name; the path typed replaces it.
answer_file_dialog() {
    focus "$1"
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key Return
}
start() {
    "$program" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$files"' EXIT
    focus '^Vaporwright:  '
}
stop() {
    focus '^Vaporwright:  '
    xdotool key alt+f x
    wait_for bash -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end on File > Exit"
    wait "$pid" || fail "the program ended with status $?"
}
# File > Export Processes (CSV) of the chart window into $1.
export_processes() {
    focus '^Psychrometric Chart'
    xdotool key alt+f e
    answer_file_dialog '^Export Processes' "$1"
    wait_for test -s "$1" || fail "no processes table written to $1"
}

start
# Outdoor air in the calculator: 95 °F dry bulb over a 75 °F wet bulb.
xdotool key Tab Tab
xdotool type 95
xdotool key Tab
xdotool type 75
xdotool key Return
# F2 shows the chart; its Points tab takes the calculator's state as A.
xdotool key F2
focus '^Psychrometric Chart'
xdotool key alt+c
# B, return air, from the Add Point dialog: 75 °F and 50 % RH.
xdotool key alt+a
focus '^Add Point'
xdotool key alt+v
xdotool type 75
xdotool key alt+l
xdotool type 50
xdotool key Return
# Airflows in the table, from its top left cell: 250 cfm of A, 750 cfm of
# B (the airflow is the fifteenth column).
focus '^Psychrometric Chart'
xdotool key alt+t ctrl+Home
for _ in $(seq 14); do xdotool key Right; done
xdotool type 250
xdotool key Return Down
xdotool type 750
xdotool key Return
# Processes tab: mix A and B into C, then a coil on C: apparatus dew point
# 50 °F, bypass factor 0.10.
xdotool key alt+o alt+m
focus '^Mix'
xdotool key Return
focus '^Psychrometric Chart'
xdotool key alt+c
focus '^Cooling Coil'
xdotool key alt+e End alt+d
xdotool type 50
xdotool key Return
# Saved, and the loads as the program has them.
focus '^Psychrometric Chart'
xdotool key ctrl+shift+s
answer_file_dialog '^Save Project' "$project"
wait_for test -s "$project" || fail "the project was not saved"
export_processes "$files/before.csv"
stop

start
xdotool key F2
focus '^Psychrometric Chart'
xdotool key ctrl+o
answer_file_dialog '^Open Project' "$project"
export_processes "$files/after.csv"
stop
trap - EXIT

cat "$files/before.csv"
grep -qi 'cooling and dehumidifying' "$files/before.csv" || fail "no coil process in the table"
# Two processes? One: the coil (the mixture is a point, not a process).
[ "$(wc -l <"$files/before.csv")" -eq 2 ] || fail "the processes table is not one process"
# The coil's total heat is its dry air times its enthalpy change (columns 8,
# 6 and 11), as read back.
awk -F, 'NR == 2 { d = $8 * $6 - $11; if (d < 0) d = -d; exit !(d <= 1e-3 * ($11 < 0 ? -$11 : $11)) }' \
    "$files/after.csv" || fail "the coil's total is not its dry air times its enthalpy change"
cmp -s "$files/before.csv" "$files/after.csv" ||
    fail "the loads read back differ: $(diff "$files/before.csv" "$files/after.csv")"
rm -rf "$files"
echo "PASS: the project's loads read back after a restart"
