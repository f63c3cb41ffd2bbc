#!/usr/bin/env bash
# Runs inside an X server (xvfb-run): starts the installed program, drives it
# with real keyboard input and reads fields back through its Edit > Copy.
#
#   drive.sh PROGRAM EXPECTED_TOOL
set -euo pipefail

program=$1
expected_tool=$2

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Copies the focused field with the program's Edit > Copy and compares it
# with what the engine says the field must show.
expect_field() {
    local system=$1 field=$2 text
    text=$(awk -v f="$field" '$1 == f { $1 = ""; sub(/^ /, ""); print }' <<<"${expected[$system]}")
    printf 'sentinel' | xclip -selection clipboard
    wait_for copy_shows "$text" ||
        fail "field $field in $system shows '$(xclip -o -selection clipboard)', the engine says '$text'"
    echo "field $field in $system: $text"
}

declare -A expected
expected[IP]=$("$expected_tool" IP 75 62 14.696)
expected[SI]=$("$expected_tool" SI 75 62 14.696)

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# The calculator appears after the splash, captioned with the web address.
# Keys go through XTEST to the focused window, as from a real keyboard.
window=$(xdotool search --sync --name '^Vaporwright:  ' | head -n 1)
xdotool windowfocus --sync "$window"

# The focus starts in the pressure field; altitude, then dry bulb follow.
xdotool key Tab Tab
xdotool type 75
xdotool key Tab
xdotool type 62
# Enter acts as Tab: on to the relative humidity, computed from the two.
xdotool key Return
expect_field IP 2
xdotool key Tab
expect_field IP 3
xdotool key Tab
expect_field IP 4

# "&SI Engineering Units" by its mnemonic: every field follows in SI.
xdotool key alt+s
# Back from the option through Hide, Compute and Clear to the enthalpy.
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab
expect_field SI 4
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab
expect_field SI 0

# File > Exit ends the program, which writes its settings.
xdotool key alt+f x
wait_for bash -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end on File > Exit"
trap - EXIT
wait "$pid" || fail "the program ended with status $?"
