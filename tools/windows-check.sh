#!/usr/bin/env bash
# Cross-builds vantaedit-cli.exe, the tests of the document layers and those of the dialog layer's
# Windows backend for 64-bit Windows with Debian's MinGW-w64, GoogleTest built from Debian's
# sources with the same toolchain, and runs the tests under Wine with the ANSI code page 936, the
# window tests on a virtual display. Prints each test program's summary; exits non-zero on any
# failure. Installs what is missing (needs root or sudo then).
#
#   tools/windows-check.sh [BUILD_DIR]     (default: build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
vantaedit_install "${VANTAEDIT_WINDOWS_PACKAGES[@]}"

# Absolute, so that every path below holds for a relative or an absolute folder.
build=$(realpath -m "${1:-build-windows}")
root=$PWD
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/tools/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTAEDIT_DOCUMENT_ONLY=ON -DVANTAEDIT_WERROR=ON \
    -DVANTAEDIT_GTEST_SOURCE=/usr/src/googletest >/dev/null
cmake --build "$build" -j2

# A Wine prefix of the build's own, in the Chinese locale: Wine takes the ANSI code page from the
# locale (zh_CN: 936, which the code page tests check by their GBK bytes) and file names from its
# UTF-8. The locale is compiled into the build folder, so the system's locales stay as they are.
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$build/locale/zh_CN.UTF-8" ]; then
    mkdir -p "$build/locale"
    localedef -i zh_CN -f UTF-8 "$build/locale/zh_CN.UTF-8"
fi
chinese=(env LOCPATH="$build/locale" LC_ALL=zh_CN.UTF-8)

# The window tests' display: an Xvfb of the script's own. No window manager runs there, so Wine
# draws the windows' frames itself instead of waiting 2 s for a manager at every hide; the
# caption buttons take their glyphs from Wine's Marlett. Chinese text needs no setting: in the
# zh_CN locale Wine asks for a font of code page 936 and fontconfig gives Noto Sans CJK.
rm -f "$build/xvfb.display"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$build/xvfb.display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -s "$build/xvfb.display" ] && break
    sleep 0.1
done
export DISPLAY=":$(cat "$build/xvfb.display")"
[ -d "$WINEPREFIX" ] || "${chinese[@]}" wineboot --init >/dev/null 2>&1
"${chinese[@]}" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

failed=0
passed=0
tests=(platform_test core_test headerindex_test usageindex_test triggers_test teams_test
       taskforces_test scripts_test newentry_test documentio_test gui_win32_test)
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

# One line a CI reads: test programs and the end-to-end save, each counted once.
echo "windows-check: $passed passed, $failed failed"
[ $failed -eq 0 ]
