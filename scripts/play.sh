#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${build_packages[@]}"

cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_TESTS=OFF >/dev/null
cmake --build build/play -j2
exec build/play/app/quorvane
