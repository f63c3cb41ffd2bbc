#!/usr/bin/env bash
# Runs inside an X server (xvfb-run): starts the installed program several
# times over prepared settings files and ends it by File > Exit, by SIGTERM
# and by kill -9, then reads what it left.
#
#   drive_shell.sh PROGRAM
#
# XDG_CONFIG_HOME and XDG_RUNTIME_DIR are the caller's fresh folders.
set -euo pipefail

program=$1
folder="$XDG_CONFIG_HOME/Vaporwright"
settings="$folder/Vaporwright.ini"
instance_lock="$XDG_RUNTIME_DIR/vaporwright-$(id -u).lock"
pid=
window=

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# The settings file with every failure.
show_settings_on_failure() {
    local status=$?
    if ((status != 0)) && [ -f "$settings" ]; then
        cat "$settings" >&2
    fi
}
trap show_settings_on_failure EXIT

has_line() { grep -qxF -- "$1" "$settings" || fail "no line '$1'"; }

ended() { ! kill -0 "$pid" 2>/dev/null; }

# Starts the program with the given environment and waits for its window.
start() {
    env "$@" "$program" 2>"$XDG_RUNTIME_DIR/stderr" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --name '^Vaporwright:  ' | head -n 1) ||
        fail "no calculator window"
    xdotool windowfocus --sync "$window"
}

# Waits for the program to end on its own, with status 0.
await_end() {
    wait_for ended || fail "the program did not end within 10 s ($1)"
    wait "$pid" || fail "the program ended with status $? ($1)"
}

exit_by_menu() {
    xdotool windowfocus --sync "$window" key alt+f x
    await_end "File > Exit"
}

only_the_store_is_left() {
    local entries
    entries=$(ls -A "$folder")
    [ "$entries" = "Vaporwright.ini" ] || fail "left in the settings folder: $entries"
}

same_window() {
    [ "$(xdotool search --name '^Vaporwright:  ')" = "$window" ] ||
        fail "the calculator's X window changed ($1)"
}

mkdir -p "$folder"

# 1. A hand-edited file written under German, with notes, a Latin-1 byte in a
#    comment, a typed value and junk: every readable key stays, and numbers
#    are written with a point whatever the locale.
printf '# my notes\n[Settings]\n; caf\xe9\nUnits=1\nPatm="12,23"\nAlt="5005,581"\n' >"$settings"
printf 'DBFormat=####0.0000\nDisclaimer%%20Show=False\nMCFormat=@Variant(\\0)\n\x01\xff\xfe\x80' \
    >>"$settings"
start LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
exit_by_menu
for line in Units=1 Patm=12.23 Alt=5005.581 DBFormat=####0.0000 'Disclaimer%20Show=False'; do
    has_line "$line"
done
only_the_store_is_left
echo "PASS: damaged lines and a German file keep every readable key"

# 2. SIGTERM writes the settings of the run, once, and ends it.
start LANG=C.UTF-8
# IP units by the option's mnemonic, then back to the dry bulb (through Hide,
# Compute, Clear and the inputs) until Edit > Copy shows it in °F, with the
# four decimals of step 1.
xdotool key alt+i shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
printf 'sentinel' | xclip -selection clipboard
wait_for copy_shows 68.0000 || fail "the dry bulb shows $(xclip -o -selection clipboard), not 68 °F"
kill -TERM "$pid"
await_end SIGTERM
has_line Units=0
has_line 'Disclaimer%20Show=False'
echo "PASS: SIGTERM writes the settings"

# 3. Left-overs of killed runs: an empty store lock, a temporary file of an
#    interrupted write, a folder where the instance lock goes.
: >"$settings.lock"
printf '[Settings]\nUnits=1\n' >"$settings.AbCdEf"
mkdir "$instance_lock"
start LANG=C.UTF-8
grep -q 'single-instance' "$XDG_RUNTIME_DIR/stderr" || fail "no word on the unguarded run"
exit_by_menu
only_the_store_is_left
has_line Units=0
rmdir "$instance_lock"
echo "PASS: left-overs neither block nor stay"

# 4. One native window: keep-on-top and its suspension around About keep
#    the X window; help is a window of the calculator.
start LANG=C.UTF-8
xdotool key alt+f k
same_window "keep-on-top on"
# Help > About through the File menu: Alt+H is also the Hide button's.
xdotool key alt+f Right Right Right a
about=$(timeout 10 xdotool search --sync --name '^About Vaporwright$' | head -n 1) ||
    fail "no About window"
xdotool windowfocus --sync "$about" key Return
wait_for bash -c "! xdotool search --name '^About Vaporwright$' >/dev/null" || fail "About stayed"
same_window "around About"
xdotool windowfocus --sync "$window" key F1
help=$(timeout 10 xdotool search --sync --name '^Vaporwright Help$' | head -n 1) ||
    fail "no help window"
xprop -id "$help" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$window")" ||
    fail "help is no window of the calculator: $(xprop -id "$help" WM_TRANSIENT_FOR)"
xdotool windowfocus --sync "$window" key alt+f k
same_window "keep-on-top off"
exit_by_menu
has_line KeepOnTop=False
echo "PASS: one native window; help owned by it"

# 5. kill -9 leaves nothing that stops the next start.
start LANG=C.UTF-8
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
start LANG=C.UTF-8
exit_by_menu
only_the_store_is_left
echo "PASS: a killed run does not block the next"
