#!/usr/bin/env bash
# Brings the translation catalogues up to date with the sources: lupdate
# reads every folder of the program (not tests/ or bench/) and adds each new
# text marked with tr(), QCoreApplication::translate, QT_TRANSLATE_NOOP or
# VW_TRANSLATABLE (core/Translatable.h) to every catalogue as unfinished, and
# drops the texts the sources no longer have. Translations already made are
# kept (".h.in" headers are read too: dialogs/VersionInfo.h.in marks its
# texts). Source locations are not written, so that a catalogue changes only
# when a text does.
#
#   scripts/update-translations.sh [TS_FILE...]
#
# Without arguments, every translations/vaporwright_*.ts; with them, those
# files (scripts/check-translations.sh passes copies).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
    for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)"; do
        if [ -n "$candidate" ] && [ -x "$candidate" ]; then
            lupdate=$candidate
            break
        fi
    done
fi
[ -n "$lupdate" ] || {
    echo "lupdate not found: install qt6-l10n-tools" >&2
    exit 1
}

# The program's folders: those the top-level CMakeLists.txt adds, but the
# tests, the benchmarks and the packaging.
mapfile -t folders < <(sed -n 's/^add_subdirectory(\([A-Za-z0-9_]*\))$/\1/p' \
    "$root/CMakeLists.txt" | grep -vxE 'tests|bench|packaging')
sources=()
for folder in "${folders[@]}"; do
    sources+=("$root/$folder")
done

if (($#)); then
    catalogues=("$@")
else
    catalogues=("$root"/translations/vaporwright_*.ts)
fi

"$lupdate" -silent -no-obsolete -locations none -source-language en \
    -extensions cpp,h,in -I "$root" \
    -tr-function-alias QT_TRANSLATE_NOOP+=VW_TRANSLATABLE \
    "${sources[@]}" -ts "${catalogues[@]}"
