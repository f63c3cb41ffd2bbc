#!/usr/bin/env bash
# Checks the translation catalogues translations/vaporwright_*.ts:
#
#   1. up to date: lupdate over a copy of each, as
#      scripts/update-translations.sh runs it, changes nothing (a text wrapped
#      in tr() but missing from the catalogues, or one the sources dropped,
#      fails here);
#   2. complete: no entry is unfinished, vanished or obsolete.
#
# The suite runs it (ctest -R translations_catalogues); whether the program
# embeds the compiled catalogues is tested by tests/translations.
#
#   scripts/check-translations.sh
#
# A failure names the file and the entries; scripts/update-translations.sh
# then brings the catalogues up to date, and a translator finishes them.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT

catalogues=("$root"/translations/vaporwright_*.ts)
[ -e "${catalogues[0]}" ] || {
    echo "FAIL: no catalogue in translations/" >&2
    exit 1
}

status=0
copied=()
for catalogue in "${catalogues[@]}"; do
    cp "$catalogue" "$copies/"
    copied+=("$copies/$(basename "$catalogue")")
done
"$root/scripts/update-translations.sh" "${copied[@]}"
for catalogue in "${catalogues[@]}"; do
    name=$(basename "$catalogue")
    if ! diff -u "$catalogue" "$copies/$name" >"$copies/$name.diff"; then
        echo "FAIL: $name is out of date with the sources (run scripts/update-translations.sh):"
        head -n 40 "$copies/$name.diff"
        status=1
    fi
    if grep -nE 'type="(unfinished|vanished|obsolete)"' "$catalogue" >"$copies/$name.open"; then
        echo "FAIL: $name has $(wc -l <"$copies/$name.open") entries not finished:"
        # The source of each open entry: the line before its translation.
        grep -B1 -E 'type="(unfinished|vanished|obsolete)"' "$catalogue" |
            sed -n 's/^ *<source>\(.*\)<\/source>$/    \1/p' | head -n 40
        status=1
    fi
done
((status == 0)) && echo "PASS: ${#catalogues[@]} catalogues up to date and complete"
exit $status
