#!/usr/bin/env bash
# Builds the fuzzing targets (fuzz/) with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, seeds each from fuzz/corpus/<target>/, the tests' own .ini files and
# a few generated include sets, and runs each for a minute. Fails on a crash, a property that
# does not hold, an input that takes over 10 s or a leak, and leaves that input under
# fuzz/findings/<target>/. Installs what is missing (needs root or sudo then).
#
#   tools/fuzz-check.sh [BUILD_DIR]     (default: build-fuzz)
#   FUZZ_SECONDS=300 tools/fuzz-check.sh    runs each target longer
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
vantaedit_install "${VANTAEDIT_FUZZ_PACKAGES[@]}"

build=${1:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}
targets=(open-report-save forms rename history merge recovery stringtable)
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTAEDIT_DOCUMENT_ONLY=ON \
    -DVANTAEDIT_FUZZ=ON -DVANTAEDIT_WERROR=ON >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz-}" fuzz-seeds

rm -rf "$build/seeds"
mapfile -t files < <(find tests -name '*.ini' | sort)
"$build/fuzz/fuzz-seeds" "$build/seeds" "${files[@]}"

# The targets write their include sets into a temporary folder: one in memory where there is one.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
failed=0
for target in "${targets[@]}"; do
    echo "== $target"
    findings=fuzz/findings/$target
    # What a run learns stays in the build folder for the next run to start from.
    learned=$build/corpus/$target
    mkdir -p "$findings" "$learned"
    corpora=("$learned")
    for kept in "$build/seeds/$target" "fuzz/corpus/$target"; do
        [ -d "$kept" ] && corpora+=("$kept")
    done
    log=$build/$target.log
    if "$build/fuzz/fuzz-$target" -max_total_time="$seconds" -timeout=10 -detect_leaks=1 \
        -artifact_prefix="$findings/" "${corpora[@]}" >"$log" 2>&1; then
        # The last status line: coverage (edges) and executions per second.
        grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true
    else
        failed=$((failed + 1))
        # The property with what was expected, or the sanitizer's report, and the input.
        { grep -A2 'property failed' "$log" || grep -E 'ERROR: |runtime error|SUMMARY: ' "$log"; } |
            head -n 12 || true
        grep -E 'Test unit written to' "$log" || true
        echo "(mend it, then keep the input as a regression case in fuzz/corpus/$target/; log: $log)"
    fi
done

echo "fuzz-check: $((${#targets[@]} - failed)) passed, $failed failed"
[ $failed -eq 0 ]
