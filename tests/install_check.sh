#!/usr/bin/env bash
# Installs a build into a staging folder and checks it as a Debian desktop expects to find it:
# the game in /usr/games, a valid menu entry that starts it, its icon in every size, its
# manual page, and AppStream metadata that validates (desktop-file-validate, appstreamcli).
# Then, unless the build is sanitized, makes the Debian package from it with CPack and lints
# it with lintian: no error and no warning. What the tools say is also kept in
# BUILD_FOLDER/install-check.log, which scripts/test.sh prints.
# Usage: install_check.sh BUILD_FOLDER SANITIZED   (ON for a sanitized build, else OFF)
set -euo pipefail
build=$(realpath "$1")
sanitized=$2
work=$build/install-check
root=$work/root
log=$build/install-check.log

fail() {
    echo "install check: $*"
    exit 1
}
# Runs a command and shows it with its output, as in a terminal.
show() {
    echo "\$ $*"
    "$@"
}

check() {
    cmake --install "$build" --prefix "$root/usr" >/dev/null
    usr=$root/usr
    [ -x "$usr/games/quorvane" ] || fail "no program in /usr/games"
    # The game reads no options and no variables of its own; the tools that do are not installed.
    ! grep -aq -e '--screenshots' -e 'QUORVANE_' "$usr/games/quorvane" ||
        fail "the installed program holds a tool's option or variable"
    [ -z "$(find "$root" -name 'quorvane-*' -type f)" ] || fail "a tool was installed"
    entry=$usr/share/applications/quorvane.desktop
    grep -qx Exec=quorvane "$entry" && grep -qx Icon=quorvane "$entry" ||
        fail "the menu entry does not start the installed program with its icon"
    icons=$usr/share/icons/hicolor
    grep -q '<svg' "$icons/scalable/apps/quorvane.svg" || fail "no scalable icon"
    for size in 16 32 48 64 128 256; do
        png=$icons/${size}x$size/apps/quorvane.png
        # A PNG holds its width and height as big-endian words at bytes 16 and 20.
        [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" 2>/dev/null | xargs)" = "$size $size" ] ||
            fail "$png is not a ${size}x$size picture"
    done
    manual=$usr/share/man/man6/quorvane.6.gz
    zcat "$manual" | grep -q '^\.SH SYNOPSIS' || fail "no manual page in section 6"
    metainfo=$(find "$usr/share/metainfo" -name '*.metainfo.xml')
    [ "$(echo "$metainfo" | wc -l)" = 1 ] || fail "not one AppStream file: $metainfo"
    grep -q '<launchable type="desktop-id">quorvane.desktop</launchable>' "$metainfo" ||
        fail "the AppStream metadata does not launch the menu entry"

    cd "$root" # the paths shown are then those of the installed system
    show desktop-file-validate "usr/share/applications/quorvane.desktop" ||
        fail "the menu entry is not valid"
    echo "(no complaint: the menu entry is valid)"
    show appstreamcli validate --no-net --pedantic "${metainfo#"$root/"}" ||
        fail "the AppStream metadata is not valid"
    # The menu entry, the icon and the metadata together, as a software centre reads them.
    show appstreamcli validate-tree --no-net --pedantic "$root" ||
        fail "the installed tree does not validate"

    if [ "$sanitized" = ON ]; then
        echo "install check: the package is made and linted in builds that are not sanitized"
        return
    fi

    # The package of this build, as scripts/package.sh makes it of a Release build.
    cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
        fail "CPack could not make the package"
    deb=$(ls "$work"/package/quorvane_*.deb)
    lint=(lintian --display-info --pedantic --show-overrides --fail-on error,warning)
    cd "$work/package"
    # lintian asks not to be run as root: then it runs as nobody, on a copy nobody can read.
    if [ "$(id -u)" -eq 0 ]; then
        shared=$(mktemp -d)
        trap 'rm -rf "$shared"' EXIT
        chmod 755 "$shared"
        cp "$deb" "$shared/"
        cd "$shared"
        lint=(runuser -u nobody -- "${lint[@]}")
    fi
    show "${lint[@]}" "$(basename "$deb")" || fail "lintian found errors or warnings"
    echo "(lintian: no error and no warning)"
}

rm -rf "$work"
mkdir -p "$work"
check 2>&1 | tee "$log"
echo "install check passed" | tee -a "$log"
