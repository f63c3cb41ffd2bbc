#!/usr/bin/env bash
# End-to-end test of the installed program's settings and window shell under
# Xvfb: damaged and foreign-locale settings files, SIGTERM, left-overs of
# killed runs, the native window across keep-on-top, help's owner.
#
#   run_shell_e2e.sh BUILD_DIR
set -euo pipefail

build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

for tool in xvfb-run xdotool xclip xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (the test command installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null

export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

xvfb-run -a -s "-screen 0 1280x1024x24" bash ${E2E_TRACE:+-x} "$here/drive_shell.sh" "$work/prefix/bin/vaporwright"
