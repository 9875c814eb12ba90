#!/usr/bin/env bash
# Cross-builds the editor (vantaedit.exe), the scenario player (vantaedit-player.exe),
# vantaedit-cli.exe and the tests for 64-bit Windows with Debian's MinGW-w64, on the Windows
# backend of the dialog layer, and runs under Wine in the Chinese locale (code page 936), the
# windows on a virtual display: the tests of the document layers, the backend's window tests,
# every scenario under tests/scenarios/ through vantaedit-player.exe with the expected files and
# state the Qt build replays them against, and a split save by vantaedit-cli.exe. Then packs the
# download (tools/package-windows.sh). Prints each program's summary; exits non-zero on any
# failure. Installs what is missing (needs root or sudo then).
#
#   tools/windows-check.sh [BUILD_DIR]     (default: build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
. tools/wine-env.sh
vantaedit_install "${VANTAEDIT_WINDOWS_PACKAGES[@]}"

# Absolute, so that every path below holds for a relative or an absolute folder.
build=$(realpath -m "${1:-build-windows}")
root=$PWD
tests=(platform_test core_test headerindex_test usageindex_test triggers_test teams_test
       taskforces_test scripts_test newentry_test documentio_test gui_win32_test)
vantaedit_windows_configure "$build"
# Only what runs here.
cmake --build "$build" -j2 --target vantaedit vantaedit-player vantaedit-cli "${tests[@]}"

vantaedit_wine_env "$build"
trap 'kill $vantaedit_xvfb 2>/dev/null || true' EXIT

failed=0
passed=0
for test in "${tests[@]}"; do
    exe=$(find "$build/tests" -name "$test.exe" | head -n 1)
    echo "== $test"
    "${chinese[@]}" wine "$exe" 2>&1 | tr -d '\r' >"$build/$test.log" || true
    # Failures with their details, skipped tests with their reasons, and the summary.
    grep -vE '^\[ (RUN|      OK) |^\[----------\]|^Running main|^$' "$build/$test.log" || true
    if grep -q '^\[  PASSED  \]' "$build/$test.log" && ! grep -q '^\[  FAILED  \]' "$build/$test.log"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
done

# One set of scenarios for both backends and both languages: each replayed on the real windows
# through the system's input path, its working folder and window state compared with what it
# expects.
echo "== scenarios"
for steps in tests/scenarios/*/steps.json; do
    scenario=$(dirname "$steps")
    for lang in zh en; do
        if timeout 300 "${chinese[@]}" wine "$build/player/vantaedit-player.exe" "$scenario" \
            --lang $lang 2>&1 | tr -d '\r' | tee "$build/scenario.log" | grep -q '^PASS '; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
        fi
        cat "$build/scenario.log"
    done
done

# The command end to end: a split save of a file with a Chinese name, given in code page 936 on
# the command line, writes the same bytes as the POSIX build does (when ./test.sh built it).
echo "== vantaedit-cli.exe"
work="$build/cli-check"
rm -rf "$work" && mkdir -p "$work/windows"
printf '[TeamTypes]\r\n5=T\r\n[T]\r\nName=队伍\r\n[TaskForces]\r\n9=F\r\n[F]\r\nName=f\r\n' |
    iconv -f UTF-8 -t GBK >"$work/windows/甲.ini"
cp -r "$work/windows" "$work/posix"
cli=$build/cli/vantaedit-cli.exe
"${chinese[@]}" wine "$cli" --version | tr -d '\r'
if (cd "$work/windows" && "${chinese[@]}" wine "$cli" save --split 甲.ini) &&
    [ -f "$work/windows/+AI/TeamTypes.ini" ]; then
    if [ -x build/cli/vantaedit-cli ]; then
        (cd "$work/posix" && "$root/build/cli/vantaedit-cli" save --split 甲.ini)
        if diff -r "$work/windows" "$work/posix"; then
            echo "split save of 甲.ini: the same bytes as the POSIX build"
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
        fi
    else
        echo "split save of 甲.ini: saved (no POSIX build to compare with)"
        passed=$((passed + 1))
    fi
else
    echo "split save of 甲.ini failed"
    failed=$((failed + 1))
fi
wineserver -w

echo "== package"
tools/package-windows.sh "$build"

# One line a CI reads: test programs, scenarios and the end-to-end save, each counted once.
echo "windows-check: $passed passed, $failed failed"
[ $failed -eq 0 ]
