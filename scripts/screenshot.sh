#!/usr/bin/env bash
# Makes the README's screenshot from the real program: starts it under Xvfb
# with fresh settings, types a summer design state (95 °F dry bulb, 75 °F wet
# bulb), and captures the calculator window.
#
#   scripts/screenshot.sh [BUILD_DIR [OUTPUT_PNG]]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
output=${2:-$root/docs/screenshot.png}

for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xdotool imagemagick)"; exit 1; }
done

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$build" "$output"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"; kill "$pid" 2>/dev/null || true' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME/Vaporwright" && mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[Settings]\nDisclaimer%%20Show=False\n' >"$XDG_CONFIG_HOME/Vaporwright/Vaporwright.ini"

"$build/app/vaporwright" &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Vaporwright:  ' | head -n 1)
xdotool windowfocus --sync "$window"
# From the pressure field: altitude, dry bulb, wet bulb, then on to the results.
xdotool key Tab Tab
xdotool type 95
xdotool key Tab
xdotool type 75
xdotool key Tab
# Let the window repaint after the last compute before capturing it.
xdotool sync 2>/dev/null || true
sleep 0.5
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
