#!/usr/bin/env bash
# Counts the lines of C++ in the tests against the rest of the code: non-blank lines that are
# not only a comment. Tests are everything under tests/ and fuzz/; a benchmark under bench/ is
# a tool and counts as neither.
set -euo pipefail
cd "$(dirname "$0")/.."

# The counted lines of the tracked C++ files whose paths `grep "$@"` keeps.
count() {
    git ls-files -- '*.cpp' '*.h' | grep "$@" | xargs cat |
        grep -Evc '^[[:space:]]*(//.*)?$'
}

tests=$(count -E '^(tests|fuzz)/')
code=$(count -Ev '^(tests|fuzz|bench)/')
awk -v t="$tests" -v c="$code" 'BEGIN {
    printf "tests %d lines, code %d lines: tests are %.0f%% of the code\n", t, c, 100 * t / c
}'
