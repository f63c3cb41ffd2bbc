# Shared by the end-to-end scripts (sourced, not run).

# In a sanitizer build, leak reports of system libraries are no failure of ours:
# the suite's suppressions, unless the caller (.ci/run) has given them already.
if [[ ${LSAN_OPTIONS:-} != *suppressions=* ]]; then
    export LSAN_OPTIONS="suppressions=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
fi

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

# Skips the test (status 77) when one of the tools is missing.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed (the test command installs it)"
            exit 77
        fi
    done
}

# Installs the build tree $1 under $work/prefix, $work being a fresh folder
# removed on exit, and gives the program a fresh user: configuration and
# runtime folders of its own, no platform chosen by the caller, and English
# (LANGUAGE comes before LANG and LC_ALL in the program's choice of language,
# so a run under a German locale still reads and types English captions).
install_for_fresh_user() {
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cmake --install "$1" --prefix "$work/prefix" >/dev/null
    export XDG_CONFIG_HOME="$work/config"
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$XDG_CONFIG_HOME/Vaporwright" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    export LANGUAGE=en
}
