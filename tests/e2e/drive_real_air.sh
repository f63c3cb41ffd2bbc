#!/usr/bin/env bash
# Runs inside an X server (xvfb-run): the real program shows only real air.
# Cases once seen, typed on a real keyboard; fields read back through the
# program's own Edit > Copy.
#
#   drive_real_air.sh PROGRAM EXPECTED_TOOL
set -euo pipefail

program=$1
expected_tool=$2

# fail, wait_for, clipboard_is, copy_shows
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The focused field shows exactly this text (empty: shows nothing).
expect_text() {
    printf 'sentinel' | xclip -selection clipboard
    wait_for copy_shows "$1" || fail "$2: shows '$(xclip -o -selection clipboard)', not '$1'"
    echo "$2: '$1'"
}

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(xdotool search --sync --name '^Vaporwright:  ' | head -n 1)
xdotool windowfocus --sync "$window"

# The focus starts in the pressure field, its text not yet selected: over to
# the altitude and back selects it. A pressure of 0 is no atmosphere: the
# altitude shows nothing, never -9999.0 ft.
xdotool key Tab shift+Tab
xdotool type 0
xdotool key Tab
expect_text "" "altitude at 0 psia"
xdotool key shift+Tab
xdotool type 14.696
xdotool key Tab
expect_text "0.0" "altitude at 14.696 psia"

# Dry bulb 70 °F under a wet bulb of 75 °F is no air: the relative humidity
# (a result here) shows nothing.
xdotool key Tab
xdotool type 70
xdotool key Tab
xdotool type 75
xdotool key Tab
expect_text "" "relative humidity of 70 °F under a 75 °F wet bulb"

# "12,5" is no number here: the dry bulb goes back to the 70.00 it held.
xdotool key shift+Tab shift+Tab
xdotool type 12,5
xdotool key Tab shift+Tab
expect_text "70.00" "dry bulb after typing 12,5"

# Real air again: 75 °F over a 62 °F wet bulb, as the engine computes it.
xdotool type 75
xdotool key Tab
xdotool type 62
xdotool key Tab
expect_text "$("$expected_tool" IP 75 62 14.696 | awk '$1 == 2 { print $2 }')" \
    "relative humidity of 75 °F over 62 °F"

xdotool key alt+f x
wait_for bash -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end on File > Exit"
trap - EXIT
wait "$pid" || fail "the program ended with status $?"
