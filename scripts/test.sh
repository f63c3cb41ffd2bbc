#!/usr/bin/env bash
# Builds what is out of date and runs the whole test suite. Warnings are
# errors here (-DVW_WERROR=ON, unless the options given set VW_WERROR), so
# that no new warning gets in; a user's or packager's build leaves them
# warnings.
#
#   scripts/test.sh [BUILD_DIR [extra cmake -D options...]]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
shift || true

options=("$@")
[[ " ${options[*]-} " == *VW_WERROR* ]] || options=(-DVW_WERROR=ON "${options[@]}")
"$root/scripts/build.sh" "$build" "${options[@]}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
