#!/usr/bin/env bash
# Fails when a test packs statements with the comma operator: each test source is read by
# clang with -Wcomma, using the flags a build directory compiled it with (the fuzzer's own
# build turns the warning on itself). Usage: scripts/commacheck.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: scripts/commacheck.sh BUILD_DIR}
commands="$build/compile_commands.json"

checked=0
failed=0
while IFS= read -r file; do
    # The compile command CMake wrote for this file, as one line of the JSON.
    command=$(grep -F -B1 "\"file\": \"$PWD/$file\"" "$commands" | sed -n 's/^ *"command": "\(.*\)",$/\1/p')
    [ -n "$command" ] || { echo "commacheck: $file is not in $commands" >&2; exit 1; }
    # Only the defines, include paths and standard: clang judges the comma alone.
    flags=()
    for word in $command; do
        # A quoted define is escaped twice, for JSON and for the shell: \\\" stands for ".
        case $word in -D* | -I* | -std=*) flags+=("${word//\\\\\\\"/\"}") ;; esac
    done
    isystem=$(grep -o -- '-isystem [^ ]*' <<<"$command" || true)
    # shellcheck disable=SC2086 # each -isystem and its folder are two words
    (cd "$build" && clang++ -fsyntax-only -Wno-everything -Wcomma -Werror=comma "${flags[@]}" \
        $isystem "$OLDPWD/$file") || failed=$((failed + 1))
    checked=$((checked + 1))
done < <(git ls-files -- 'tests/*.cpp')
if [ "$failed" -gt 0 ]; then
    echo "commacheck: $failed of $checked test sources use the comma operator" >&2
    exit 1
fi
# Nor several fields set or compared at once.
if git grep -n -E 'std::(tie|tuple)' -- tests fuzz; then
    echo "commacheck: a test sets or compares several fields in one statement" >&2
    exit 1
fi
echo "commacheck: $checked test sources, no comma operator, std::tie or std::tuple"
