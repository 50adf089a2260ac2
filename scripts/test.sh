#!/usr/bin/env bash
# Fuzzes the saved-game loader for a minute, then builds and runs every test twice: a plain
# build with warnings as errors, then a build under AddressSanitizer and
# UndefinedBehaviorSanitizer. Between the two, the tests are checked for packed statements.
# Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# desktop-file-utils, appstream and lintian check what the install check lays out, and
# dpkg-dev and file let CPack make the package that lintian checks.
ensure_packages "${build_packages[@]}" libgtest-dev fonts-dejavu-core desktop-file-utils clang \
    libclang-rt-14-dev appstream lintian dpkg-dev file

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j2
    ctest --test-dir "$dir" --output-on-failure -j2
}

# Fuzzed first, so the output still ends with the tests' counts.
bash scripts/fuzz.sh 60
run build/test
bash scripts/commacheck.sh build/test
bash tests/everymessage.sh tests/messages.txt build/test/tests/shown.log
# What desktop-file-validate, appstreamcli and lintian said of the install and the package.
cat build/test/install-check.log
# The random-play soak's totals (the sanitized run below plays the same game).
grep -h "^soak seed" build/test/Testing/Temporary/LastTest.log
run build/sanitize -DQUORVANE_SANITIZE=ON
