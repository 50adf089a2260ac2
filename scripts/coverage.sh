#!/usr/bin/env bash
# Measures which lines of the game the tests run: builds with gcc's --coverage in
# build/coverage, runs the core tests, the screen tests and the soak for ACTIONS (default
# 200000, as the test command plays it), then prints gcovr's line coverage of core/ and of
# screens/, file by file, with the lines no test ran. Usage: scripts/coverage.sh [ACTIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${build_packages[@]}" libgtest-dev gcovr

build=build/coverage
# The save test presses SAVE in child processes that end without the usual exit; gcov's dump
# is linked in so they can write out their counts first.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_WERROR=ON \
    -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=-Wl,--undefined=__gcov_dump >/dev/null
cmake --build "$build" -j2 --target core_tests tst_screens soak

# Counts add up from run to run, so each measurement starts from none.
find "$build" -name '*.gcda' -delete
"$build/tests/core_tests" --gtest_brief=1
QT_QPA_PLATFORM=offscreen "$build/tests/tst_screens" -silent
"$build/tests/soak" "${1:-200000}"

for part in core screens; do
    echo
    gcovr --root . --object-directory "$build" --exclude-directories "$build/CMakeFiles" \
        --filter "$part/" --print-summary
done
