#!/usr/bin/env bash
# Installs a build into a staging folder and checks that a desktop finds what it needs there:
# the program, a valid menu entry that starts it, and its icon in every size.
# Usage: install_check.sh BUILD_FOLDER
set -euo pipefail
stage=$1/install-check
rm -rf "$stage"
cmake --install "$1" --prefix "$stage" >/dev/null
fail() {
    echo "install check: $*" >&2
    exit 1
}

[ -x "$stage/bin/quorvane" ] || fail "no program in bin"
entry=$stage/share/applications/quorvane.desktop
desktop-file-validate "$entry" || fail "$entry is not a valid desktop entry"
grep -qx Exec=quorvane "$entry" && grep -qx Icon=quorvane "$entry" ||
    fail "the menu entry does not start the installed program with its icon"
icons=$stage/share/icons/hicolor
grep -q '<svg' "$icons/scalable/apps/quorvane.svg" || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
    png=$icons/${size}x$size/apps/quorvane.png
    # A PNG holds its width and height as big-endian words at bytes 16 and 20.
    [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" 2>/dev/null | xargs)" = "$size $size" ] ||
        fail "$png is not a ${size}x$size picture"
done
echo "install check passed"
