#!/usr/bin/env bash
# End-to-end test of the installed program under Xvfb: real keyboard input,
# results read back through the program's own Edit > Copy, then File > Exit
# and a look at the settings file it wrote.
#
#   run_e2e.sh BUILD_DIR EXPECTED_TOOL [DRIVER]
#
# DRIVER is the script that drives the program (default drive.sh); the
# settings it leaves are checked after drive.sh only.
set -euo pipefail

build=$1
expected_tool=$2
driver=${3:-drive.sh}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

source "$here/common.sh"
require_tools xvfb-run xdotool xclip
# A fresh user, the disclaimer prompt turned off.
install_for_fresh_user "$build"
# (QSettings writes a blank in a key as %20.)
printf '[Settings]\nDisclaimer%%20Show=False\n' >"$XDG_CONFIG_HOME/Vaporwright/Vaporwright.ini"
# Numbers with a decimal point, as the expected texts are written.
export LC_ALL=C.UTF-8 LANG=C.UTF-8

xvfb-run -a -s '-screen 0 1280x1024x24' \
    bash "$here/$driver" "$work/prefix/bin/vaporwright" "$expected_tool"
[ "$driver" = drive.sh ] || exit 0

settings="$XDG_CONFIG_HOME/Vaporwright/Vaporwright.ini"
grep -qx 'Units=1' "$settings" || { echo "FAIL: Units=1 not written"; cat "$settings"; exit 1; }
grep -qx 'Disclaimer%20Show=False' "$settings" || { echo "FAIL: Disclaimer Show lost"; exit 1; }
echo "PASS: settings written on exit"
