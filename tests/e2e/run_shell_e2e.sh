#!/usr/bin/env bash
# End-to-end test of the installed program's settings and window shell under
# Xvfb: damaged and foreign-locale settings files, SIGTERM, left-overs of
# killed runs, the native window across keep-on-top, help's owner.
#
#   run_shell_e2e.sh BUILD_DIR
set -euo pipefail

build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

source "$here/common.sh"
require_tools xvfb-run xdotool xclip xprop
install_for_fresh_user "$build"

# E2E_TRACE=1 traces every command of the drive.
xvfb-run -a -s '-screen 0 1280x1024x24' \
    bash ${E2E_TRACE:+-x} "$here/drive_shell.sh" "$work/prefix/bin/vaporwright"
