#!/usr/bin/env bash
# Times the game from launch to the first paint of its title screen against a bare Qt Widgets
# window, and compares their peak memory. Both are Release builds from build/bench, started
# in turns under a virtual X display (or QT_QPA_PLATFORM=offscreen when that is set).
# Usage: bash scripts/startup.sh [runs]   (20 of each by default)
set -euo pipefail
cd "$(dirname "$0")/.."
LC_NUMERIC=C # the decimal point that `times` and EPOCHREALTIME print, and awk reads
source scripts/deps.sh
ensure_packages "${build_packages[@]}" libbenchmark-dev time xvfb xauth
if [ "${QT_QPA_PLATFORM:-}" != offscreen ] && [ -z "${STARTUP_UNDER_XVFB:-}" ]; then
    STARTUP_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF \
    -DQUORVANE_BENCH=ON >/dev/null
cmake --build build/bench -j2 --target quorvane-firstpaint minimalwindow

runs=${1:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work

# One launch, noted as "wall-µs cpu-µs peak-KiB". The processor time (this shell's children's
# user and system time, which `times` keeps) is steadier than the wall clock on a busy machine.
launch() {
    local start end
    times >"$work/before"
    start=${EPOCHREALTIME//[.,]/}
    timeout 30 /usr/bin/time -f %M -o "$work/rss" "$1" >/dev/null 2>"$work/log" || {
        echo "$1 failed or never painted:" >&2
        cat "$work/log" >&2
        exit 1
    }
    end=${EPOCHREALTIME//[.,]/}
    times >"$work/after"
    echo "$((end - start)) $(cpu "$work/after") $(cpu "$work/before") $(cat "$work/rss")" |
        awk '{ print $1, $2 - $3, $4 }'
}
# The children's time in a `times` listing, in microseconds.
cpu() { awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/); printf "%d", (u[1] * 60 + u[2] + s[1] * 60 + s[2]) * 1e6 }' "$1"; }

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { cut -d' ' -f"$1" "$work/$2" | median; }

bare=build/bench/bench/minimalwindow
game=build/bench/tools/quorvane-firstpaint
launch "$bare" >/dev/null # a first run of each fills the disk cache
launch "$game" >/dev/null
for _ in $(seq "$runs"); do
    launch "$bare" >>"$work/bare"
    launch "$game" >>"$work/game"
done

awk -v n="$runs" -v qpa="${QT_QPA_PLATFORM:-xcb on Xvfb}" \
    -v bw="$(column 1 bare)" -v bc="$(column 2 bare)" -v bm="$(column 3 bare)" \
    -v gw="$(column 1 game)" -v gc="$(column 2 game)" -v gm="$(column 3 game)" 'BEGIN {
    printf "Medians of %d launches each (%s), from launch to first paint:\n", n, qpa
    printf "  %-16s %9s %9s %12s\n", "", "wall", "processor", "peak memory"
    printf "  %-16s %6.1f ms %6.1f ms %8.1f MiB\n", "minimal window", bw / 1e3, bc / 1e3, bm / 1024
    printf "  %-16s %6.1f ms %6.1f ms %8.1f MiB\n", "Quorvane", gw / 1e3, gc / 1e3, gm / 1024
    printf "  %-16s %7.2fx  %7.2fx  %10.2fx\n", "ratio", gw / bw, gc / bc, gm / bm
}'
