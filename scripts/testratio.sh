#!/usr/bin/env bash
# Counts the lines of C++ in the tests against the rest of the code: non-blank lines that are
# not only a comment. Tests are everything under tests/ and fuzz/; a benchmark under bench/ is
# a tool and counts as neither. For the record it also counts the non-blank characters of the
# same lines, which packing several statements into one line does not hide.
set -euo pipefail
cd "$(dirname "$0")/.."

# The counted lines of the tracked C++ files whose paths `grep "$@"` keeps.
lines() {
    git ls-files -- '*.cpp' '*.h' | grep "$@" | xargs cat | grep -Ev '^[[:space:]]*(//.*)?$'
}
count() { lines "$@" | wc -l; }
characters() { lines "$@" | tr -d '[:space:]' | wc -c; }

tests=$(count -E '^(tests|fuzz)/')
code=$(count -Ev '^(tests|fuzz|bench)/')
testchars=$(characters -E '^(tests|fuzz)/')
codechars=$(characters -Ev '^(tests|fuzz|bench)/')
awk -v t="$tests" -v c="$code" -v tc="$testchars" -v cc="$codechars" 'BEGIN {
    printf "tests %d lines, code %d lines: tests are %.0f%% of the code\n", t, c, 100 * t / c
    printf "by non-blank characters: tests %d, code %d: %.0f%%\n", tc, cc, 100 * tc / cc
}'
