#!/usr/bin/env bash
# Fails unless every message, question and prompt of the game was shown by some test.
# `everymessage.sh CATALOGUE LOG` reads the game's texts from the catalogue (tests/messages.txt,
# where "{}" stands for a name or a number) and the texts the tests logged as they showed them.
set -euo pipefail
awk '
# Whether `line` is `text` with each "{}" standing for any run of characters.
function fits(line, text,    n, parts, i, at) {
    n = split(text, parts, /[{][}]/)
    if (n == 1) return line == text
    if (substr(line, 1, length(parts[1])) != parts[1]) return 0
    line = substr(line, length(parts[1]) + 1)
    for (i = 2; i < n; i++) {
        if (!(at = index(line, parts[i]))) return 0
        line = substr(line, at + length(parts[i]))
    }
    at = length(line) - length(parts[n])
    return at >= 0 && substr(line, at + 1) == parts[n]
}
NR == FNR { if ($0 != "" && $0 !~ /^#/) texts[++count] = $0; next }
!($0 in logged) { logged[$0]; shown[++lines] = $0 }
END {
    for (t = 1; t <= count; t++) {
        seen = 0
        for (l = 1; l <= lines && !seen; l++) seen = fits(shown[l], texts[t])
        if (!seen) { printf "never shown by a test: \"%s\"\n", texts[t]; missing++ }
    }
    printf "%d of %d messages, questions and prompts were shown by the tests\n", count - missing, count
    exit count == 0 || missing > 0
}' "$1" "$2"
