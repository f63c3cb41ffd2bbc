#!/usr/bin/env bash
# Builds what is out of date and runs the whole test suite.
#
#   scripts/test.sh [BUILD_DIR [extra cmake -D options...]]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}

"$root/scripts/build.sh" "$@"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
