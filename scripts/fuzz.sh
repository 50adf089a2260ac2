#!/usr/bin/env bash
# Fuzzes the saved-game loader for SECONDS (default 60): scripts/fuzz.sh [SECONDS]
# Builds the fuzzer with clang in build/fuzz and starts from a copy of the seed files in
# fuzz/corpus, so the committed ones stay as they are. Fails on the first crash, hang or
# failed check, and leaves the input that did it in build/fuzz-crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages cmake ninja-build clang libclang-rt-14-dev

seconds=${1:-60}
cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz -j2

rm -rf build/fuzz-corpus build/fuzz-crashes
mkdir -p build/fuzz-corpus build/fuzz-crashes
cp fuzz/corpus/*.zef build/fuzz-corpus/
# Longer than any saved game, so files with bytes past the last record are tried too.
build/fuzz/loadfuzzer -max_total_time="$seconds" -max_len=16384 -timeout=10 \
    -print_final_stats=1 -artifact_prefix=build/fuzz-crashes/ build/fuzz-corpus
echo "fuzz corpus: $(ls build/fuzz-corpus | wc -l) files"
