#!/usr/bin/env bash
# Runs inside an X server (xvfb-run): the air handler of the chart window on
# a real keyboard. Its tab designs the example air handler, the summer
# room's sensible load is typed in, and File > Export Air Handler Rollup
# writes it; Edit > Undo takes the load back, as the next export shows,
# and the project saved holds the air handler.
#
#   drive_air_handler.sh PROGRAM
set -euo pipefail

program=$1

# fail, wait_for
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

files=$(mktemp -d)

focus() {
    local deadline=$((SECONDS + 10)) id
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null && return 0
        done
        sleep 0.1
    done
    fail "no window '$1' takes the focus"
}
answer_file_dialog() {
    focus "$1"
    xdotool key ctrl+a
    xdotool type --delay 20 "$2"
    xdotool key Return
}
# File > Export Air Handler Rollup (CSV) into $1.
export_rollup() {
    focus '^Psychrometric Chart'
    xdotool key alt+f l
    answer_file_dialog '^Export Air Handler Rollup' "$1"
    wait_for test -s "$1" || fail "no rollup written to $1"
}
# The summer value of a row of the rollup.
summer_of() {
    awk -F, -v row="$2" '$1 == row { print $2 }' "$1"
}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$files"' EXIT
focus '^Vaporwright:  '
xdotool key F2
focus '^Psychrometric Chart'
# The Air Handler tab, its example design, then 80,000 Btu/h sensible.
xdotool key alt+i
xdotool key alt+a
# The button clicks a moment after its key; the window's title then marks
# the unsaved work.
wait_for xdotool search --onlyvisible --name '^Psychrometric Chart\*' >/dev/null ||
    fail "Design an Air Handler made no air handler"
focus '^Psychrometric Chart'
xdotool key alt+s ctrl+a
xdotool type 80000
xdotool key Tab
export_rollup "$files/typed.csv"
load=$(summer_of "$files/typed.csv" 'Room sensible load (Btu/h)')
[ "$load" = 80000 ] || fail "the summer sensible load is '$load', not 80000: $(cat "$files/typed.csv")"
# Every line ends in CR LF and has the header's three fields.
[ "$(grep -c $'\r$' "$files/typed.csv")" -eq "$(wc -l <"$files/typed.csv")" ] ||
    fail "a line of the rollup does not end in CR LF"

# Edit > Undo from the menu: Ctrl+Z in a field undoes the field's typing.
focus '^Psychrometric Chart'
xdotool key alt+e u
export_rollup "$files/undone.csv"
load=$(summer_of "$files/undone.csv" 'Room sensible load (Btu/h)')
[ "$load" = 100000 ] || fail "after Undo the summer sensible load is '$load', not 100000"

# Saved, the air handler is in the project file; then the program ends
# without a question.
focus '^Psychrometric Chart'
xdotool key ctrl+shift+s
answer_file_dialog '^Save Project' "$files/air.vwproj"
wait_for test -s "$files/air.vwproj" || fail "the project was not saved"
grep -q '100000' "$files/air.vwproj" || fail "the saved project holds no air handler"
focus '^Vaporwright:  '
xdotool key alt+f x
wait_for bash -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end on File > Exit"
trap - EXIT
rm -rf "$files"
echo "PASS: the air handler's load typed, exported, undone"
