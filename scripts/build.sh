#!/usr/bin/env bash
# Brings a build tree up to date: installs the Debian packages that are missing,
# configures the tree the first time or when the given cmake options differ
# from the cached ones, then builds. Quick when nothing changed.
#
#   scripts/build.sh [BUILD_DIR [extra cmake -D options...]]
#
# VW_BUILD_TARGETS="target..." in the environment builds only those targets.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
shift || true

packages=(
    g++ cmake ninja-build pkg-config
    libgtest-dev libbenchmark-dev nlohmann-json3-dev
    qt6-base-dev qt6-svg-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext
    desktop-file-utils appstream dpkg-dev file binutils
    xvfb xauth xdotool xclip x11-utils
    man-db
    python3-dev pybind11-dev python3-numpy python3-pandas python3-pytest
    python3-dask python3-distributed
)

"$root/scripts/install-packages.sh" "${packages[@]}"

# Whether the given cmake options would change the build tree's cache: every
# -DNAME=VALUE (or -DNAME:TYPE=VALUE, or -D NAME=VALUE) is compared with the
# cached value; any other option always counts as a change.
options_differ() {
    local cache=$build/CMakeCache.txt
    [ -f "$cache" ] || return 0
    while (($#)); do
        local arg=$1
        shift
        if [ "$arg" = -D ] && (($#)); then
            arg=-D$1
            shift
        fi
        case $arg in
        -D*=*) ;;
        *) return 0 ;;
        esac
        local setting=${arg#-D}
        local name=${setting%%=*} value=${setting#*=}
        name=${name%%:*}
        local cached
        cached=$(grep -m1 -E "^${name}(:[A-Za-z_]+)?=" "$cache" | cut -d= -f2-) || return 0
        [ "$cached" = "$value" ] || return 0
    done
    return 1
}

if [ ! -f "$build/build.ninja" ] || { (($#)) && options_differ "$@"; }; then
    cmake -S "$root" -B "$build" -G Ninja "$@"
fi
read -r -a targets <<<"${VW_BUILD_TARGETS:-}"
cmake --build "$build" ${targets[@]+--target "${targets[@]}"}
