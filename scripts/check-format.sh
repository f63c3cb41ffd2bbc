#!/usr/bin/env bash
# Checks that every C++ source and header of the project follows .clang-format,
# with clang-format 14 (Debian 12's), which it installs when missing. Changes
# nothing: lists each departure and fails if there is one.
# `clang-format-14 -i FILE...` applies the style.
#
#   scripts/check-format.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

# Another major version formats some constructs differently, so only 14 will do.
command -v clang-format-14 >/dev/null 2>&1 || "$root/scripts/install-packages.sh" clang-format-14

# The tracked files; in an unpacked source tree without git, every file outside
# build folders.
files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' files < <(find . -mindepth 1 \( -name 'build*' -o -name '.*' \) -prune -o \
        -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
fi
if ((${#files[@]} == 0)); then
    echo "check-format.sh: no C++ files found under $root" >&2
    exit 1
fi

if clang-format-14 --style=file --dry-run --Werror "${files[@]}"; then
    echo "All ${#files[@]} C++ files follow .clang-format."
else
    echo "check-format.sh: the files above depart from .clang-format" \
        "(clang-format-14 -i FILE... applies it)" >&2
    exit 1
fi
