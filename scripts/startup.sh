#!/usr/bin/env bash
# Times the game from launch to the first paint of its title screen against two plain Qt
# Widgets windows stopped the same way: one that shows text (a label and a button), the
# yardstick, and an empty one. Compares their processor time and peak memory too. All are
# Release builds from build/bench, started in turns under a virtual X display (or with
# QT_QPA_PLATFORM=offscreen when that is set).
# Usage: bash scripts/startup.sh [runs]   (30 of each by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${build_packages[@]}" libbenchmark-dev fonts-dejavu-core xvfb xauth
if [ "${QT_QPA_PLATFORM:-}" != offscreen ] && [ -z "${STARTUP_UNDER_XVFB:-}" ]; then
    STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF \
    -DQUORVANE_BENCH=ON >/dev/null
cmake --build build/bench -j2 --target quorvane-firstpaint textwindow minimalwindow launchtimer

runs=${1:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work
export LC_NUMERIC=C # the decimal point that awk prints
# No session bus here: pointed at nothing, Qt gives up on it at once instead of starting
# dbus-launch from a thread of its own, whose share of the processor would depend on how long
# the program lived.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus

# One launch, noted in the file named after the program as "wall-µs processor-µs peak-KiB".
launch() {
    timeout 30 build/bench/bench/launchtimer "$1" 2>"$work/log" >>"$work/$(basename "$1")" || {
        echo "$1 failed or never painted:" >&2
        cat "$work/log" >&2
        exit 1
    }
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { cut -d' ' -f"$1" "$work/$2" | median; }

programs=(build/bench/bench/minimalwindow build/bench/bench/textwindow
    build/bench/tools/quorvane-firstpaint)
for program in "${programs[@]}"; do # a first run of each fills the disk cache
    launch "$program"
    rm "$work/$(basename "$program")"
done
# In turns, each round starting one program further on, so that none always follows the same
# one (under Xvfb, the server is still tidying up after the last program as the next starts).
for round in $(seq 0 $((runs - 1))); do
    for turn in 0 1 2; do
        launch "${programs[(round + turn) % 3]}"
    done
done

awk -v n="$runs" -v qpa="${QT_QPA_PLATFORM:-xcb on Xvfb}" \
    -v ew="$(column 1 minimalwindow)" -v ec="$(column 2 minimalwindow)" \
    -v em="$(column 3 minimalwindow)" \
    -v tw="$(column 1 textwindow)" -v tc="$(column 2 textwindow)" -v tm="$(column 3 textwindow)" \
    -v gw="$(column 1 quorvane-firstpaint)" -v gc="$(column 2 quorvane-firstpaint)" \
    -v gm="$(column 3 quorvane-firstpaint)" 'BEGIN {
    printf "Medians of %d launches each, in turns (%s), from launch to first paint:\n", n, qpa
    printf "  %-26s %9s %10s %12s\n", "", "wall", "processor", "peak memory"
    printf "  %-26s %6.1f ms %7.1f ms %8.1f MiB\n", "text window", tw / 1e3, tc / 1e3, tm / 1024
    printf "  %-26s %6.1f ms %7.1f ms %8.1f MiB\n", "empty window", ew / 1e3, ec / 1e3, em / 1024
    printf "  %-26s %6.1f ms %7.1f ms %8.1f MiB\n", "Quorvane", gw / 1e3, gc / 1e3, gm / 1024
    printf "  %-26s %7.2fx  %8.2fx  %10.2fx   (targets: processor 1.10x, memory 1.05x)\n",
        "Quorvane / text window", gw / tw, gc / tc, gm / tm
    printf "  %-26s %7.2fx  %8.2fx  %10.2fx\n", "Quorvane / empty window", gw / ew, gc / ec, gm / em
    verdict = (gc / tc <= 1.10 && gm / tm <= 1.05) ? "within" : "OUT OF"
    printf "Against the text window, the game is %s its targets.\n", verdict
}'
