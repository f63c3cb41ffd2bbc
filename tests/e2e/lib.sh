# Shell helpers of the end-to-end drivers, sourced by each: failing, polling
# without fixed sleeps, and reading the focused field through the program's
# own Edit > Copy.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to 10 s for a condition, polling; no fixed sleeps.
wait_for() {
    local deadline=$((SECONDS + 10))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

# Edit > Copy (Ctrl+C) of the focused field, then a look at the clipboard.
# Pressed again on every poll: a key that switches the unit system clicks
# its option a moment later, so the field may still show the other system.
copy_shows() {
    xdotool key ctrl+c
    clipboard_is "$1"
}
