#!/usr/bin/env bash
# Builds what is out of date and starts the calculator.
#
#   scripts/run.sh [BUILD_DIR [extra cmake -D options...]]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}

"$root/scripts/build.sh" "$@"
exec "$build/app/vaporwright"
