#!/usr/bin/env bash
# Runs a test program on a real X server (Xvfb, the xcb platform), for what
# the offscreen platform cannot show: it keeps a window's id even where X
# would make a new window.
#
#   run_under_xvfb.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
require_tools xvfb-run
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb
xvfb-run -a -s '-screen 0 1280x1024x24' "$@"
