#!/usr/bin/env bash
# Retakes the README's pictures of the six screens from the real program, with no display:
# `quorvane-screenshots FOLDER` plays a fixed game by the game's own operations and draws
# each window as it comes up. Usage: bash scripts/screenshots.sh [folder]   (docs by default)
# With QT_SCALE_FACTOR=2 in the environment the pictures come out at twice the size.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${build_packages[@]}" fonts-dejavu-core

cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_TESTS=OFF >/dev/null
cmake --build build/play -j2 --target quorvane-screenshots
# The file options picture shows the folder of its saved games and the folders around it:
# under /var/tmp those are the system's usual ones.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
TMPDIR=/var/tmp XDG_RUNTIME_DIR=$runtime \
    build/play/tools/quorvane-screenshots "${1:-docs}"
