#!/usr/bin/env bash
# Checks of the installation and the Debian package; each works in a temporary
# folder of its own, so they can run in parallel.
#
#   check_packaging.sh desktop  <file.desktop>
#   check_packaging.sh metainfo <file.metainfo.xml>
#   check_packaging.sh install  <cmake> <build dir> <resources dir>
#   check_packaging.sh deb      <cpack> <build dir> <version>
set -euo pipefail

app_id=example.vaporwright.Vaporwright
icon_sizes=(16 32 48 64 128 256)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# need <command> <Debian package>: the tools come from the test command's
# package list; say which package is missing instead of a bare "not found".
need() {
    command -v "$1" >/dev/null ||
        fail "'$1' is not installed: install the Debian package '$2' (scripts/build.sh does)"
}

# Every path the installation lays out under the prefix, sorted; directories
# are left out.
expected_files() {
    {
        echo bin/vaporwright
        echo bin/vaporwright-batch
        echo share/man/man1/vaporwright.1.gz
        echo share/man/man1/vaporwright-batch.1.gz
        echo share/doc/vaporwright/copyright
        echo share/doc/vaporwright/changelog.gz
        echo lib/vaporwright/vaporwright
        echo lib/vaporwright/disclaimer.txt
        echo lib/vaporwright/Vaporwright.HLP
        echo "share/applications/$app_id.desktop"
        echo "share/metainfo/$app_id.metainfo.xml"
        echo "share/mime/packages/$app_id.xml"
        echo "share/icons/hicolor/scalable/apps/$app_id.svg"
        # The batch program's messages in each translated language.
        for language in de es fr zh_CN; do
            echo "share/locale/$language/LC_MESSAGES/vaporwright.mo"
        done
        for side in "${icon_sizes[@]}"; do
            echo "share/icons/hicolor/${side}x${side}/apps/$app_id.png"
        done
        # Files of parts built only where their tools are found (the Python
        # package), named by the test's environment.
        for extra in ${VW_EXTRA_INSTALLED_FILES:-}; do
            echo "$extra"
        done
    } | LC_ALL=C sort
}

# make_tmp: a fresh folder in $tmp, removed when the check ends.
make_tmp() {
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
}

# compare_lists <what> <expected> <actual>
compare_lists() {
    if [ "$2" != "$3" ]; then
        diff <(echo "$2") <(echo "$3") >&2 || true
        fail "$1 differs from the expected layout (< expected, > found)"
    fi
}

# png_size <file>: "WIDTHxHEIGHT" from the PNG header (IHDR follows the signature).
png_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 1
    local -a b
    read -r -a b <<<"$(od -An -tu1 -j16 -N8 "$1")"
    echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

check_desktop() {
    need desktop-file-validate desktop-file-utils
    desktop-file-validate "$1" || fail "desktop-file-validate rejects $1"
    grep -qx "Icon=$app_id" "$1" || fail "$1 does not name the icon $app_id"
    grep -qx "Exec=vaporwright %f" "$1" || fail "$1 does not start the installed command with the file opened"
    grep -q '^Categories=.*Science;.*Engineering;' "$1" || fail "$1 is not under Science/Engineering"
    grep -q '^MimeType=.*application/x-vaporwright-project;' "$1" ||
        fail "$1 does not open project files"
}

check_metainfo() {
    need appstreamcli appstream
    appstreamcli validate --no-net "$1" || fail "appstreamcli rejects $1"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$1" ||
        fail "$1 does not point at the desktop entry"
    grep -q '<release version="[0-9.]*" date=' "$1" || fail "$1 has no dated release"
}

check_install() {
    local cmake=$1 build=$2 resources=$3
    make_tmp
    DESTDIR="$tmp/root" "$cmake" --install "$build" --prefix /usr >"$tmp/install.log" ||
        { cat "$tmp/install.log" >&2; fail "cmake --install failed"; }
    local usr=$tmp/root/usr
    compare_lists "the installed file list" "$(expected_files)" \
        "$(cd "$usr" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"

    # The command is a relative link to the program in its folder, which holds
    # the very files the program reads beside itself.
    [ "$(readlink "$usr/bin/vaporwright")" = ../lib/vaporwright/vaporwright ] ||
        fail "bin/vaporwright is not the link ../lib/vaporwright/vaporwright"
    [ -x "$usr/bin/vaporwright" ] || fail "bin/vaporwright does not lead to an executable"
    [ "$(head -c 4 "$usr/lib/vaporwright/vaporwright" | od -An -c | tr -d ' ')" = '177ELF' ] ||
        fail "lib/vaporwright/vaporwright is not an ELF program"
    [ "$(head -c 4 "$usr/bin/vaporwright-batch" | od -An -c | tr -d ' ')" = '177ELF' ] ||
        fail "bin/vaporwright-batch is not an ELF program"
    local page
    for page in vaporwright vaporwright-batch; do
        gzip -t "$usr/share/man/man1/$page.1.gz" ||
            fail "the manual page of $page is not gzip-compressed"
    done
    gzip -t "$usr/share/doc/vaporwright/changelog.gz" || fail "the changelog is not gzip-compressed"
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
        "$usr/share/doc/vaporwright/copyright" || fail "the copyright file is not in DEP-5 form"
    for f in disclaimer.txt Vaporwright.HLP; do
        cmp -s "$resources/$f" "$usr/lib/vaporwright/$f" || fail "$f differs from resources/$f"
    done

    local icons=$usr/share/icons/hicolor
    for side in "${icon_sizes[@]}"; do
        local png=$icons/${side}x${side}/apps/$app_id.png
        [ "$(png_size "$png")" = "${side}x${side}" ] ||
            fail "$png is not a ${side}x${side} PNG (found '$(png_size "$png" || echo "not a PNG")')"
    done
    grep -q '<svg' "$icons/scalable/apps/$app_id.svg" || fail "the scalable icon is not an SVG"
}

check_deb() {
    local cpack=$1 build=$2 version=$3
    need dpkg-deb dpkg
    need dpkg-shlibdeps dpkg-dev
    make_tmp
    local arch deb
    arch=$(dpkg --print-architecture)
    deb=$tmp/vaporwright_${version}_$arch.deb
    "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 ||
        { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
    [ -f "$deb" ] || { ls "$tmp" >&2; fail "cpack did not make $(basename "$deb")"; }

    # The package lays out the same files as the installation, under /usr, and
    # keeps bin/vaporwright a relative link.
    compare_lists "the package's file list" "$(expected_files | sed 's|^|usr/|')" \
        "$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort)"
    dpkg-deb -c "$deb" >"$tmp/contents"
    grep -q ' \./usr/bin/vaporwright -> \.\./lib/vaporwright/vaporwright$' "$tmp/contents" ||
        fail "the package's usr/bin/vaporwright is not the relative link"

    local field
    for field in "Package:vaporwright" "Version:$version" "Architecture:$arch" "Section:science"; do
        [ "$(dpkg-deb -f "$deb" "${field%%:*}")" = "${field#*:}" ] ||
            fail "${field%%:*} is '$(dpkg-deb -f "$deb" "${field%%:*}")', not '${field#*:}'"
    done
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package names no maintainer"

    # Depends: the run-time libraries with versions, never a -dev package, and
    # the SVG plugins that no link shows (without them the picture buttons of
    # the calculator come up blank).
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    grep -Eq "(^|, )libqt6svg6( |,|$)" <<<"$depends" || fail "Depends lacks libqt6svg6: $depends"
    for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
        grep -Eq "(^|, )${lib//+/\\+} \(>= [^)]+\)(,|$)" <<<"$depends" ||
            fail "Depends lacks '$lib (>= ...)': $depends"
    done
    if grep -Eq -- '-dev( |,|$)' <<<"$depends"; then
        fail "Depends names a development package: $depends"
    fi

    # The changelog's latest entry is this version.
    local entry
    entry=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/vaporwright/changelog.gz |
        gunzip | head -n 1)
    [[ $entry == "vaporwright ($version) "* ]] ||
        fail "the changelog's latest entry is '$entry', not version $version (packaging/changelog)"

    # Debian's own checks: no error and no warning. CI installs lintian; where
    # it is missing the check says so and passes, exit status 77 (skipped).
    if ! command -v lintian >/dev/null; then
        echo "SKIPPED: lintian is not installed (apt-get install lintian)"
        exit 77
    fi
    local tags
    tags=$(lintian --fail-on none "$deb" 2>&1 |
        grep -E '^[EW]: ' || true)
    if [ -n "$tags" ]; then
        echo "$tags" >&2
        fail "lintian reports errors or warnings on the package"
    fi
}

case ${1:-} in
desktop) check_desktop "$2" ;;
metainfo) check_metainfo "$2" ;;
install) check_install "$2" "$3" "$4" ;;
deb) check_deb "$2" "$3" "$4" ;;
*) fail "usage: $0 desktop|metainfo|install|deb ..." ;;
esac
