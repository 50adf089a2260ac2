#!/usr/bin/env bash
# Builds the game's Debian package (Release, in build/package) and prints its path.
# Install it with: sudo apt-get install ./build/package/quorvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# dpkg-shlibdeps (dpkg-dev) and file work out the libraries the package depends on.
ensure_packages "${build_packages[@]}" dpkg-dev file

cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF >/dev/null
cmake --build build/package -j2
rm -f build/package/*.deb
(cd build/package && cpack >/dev/null)
realpath build/package/*.deb
