#!/usr/bin/env bash
# Opens the generated file of K × 5,000 entries (K = 16: the 18.9 MB file of 80,000 entries) in
# vantaedit.exe under Wine, in the Chinese locale on a virtual display, as `vantaedit.exe FILE`
# does, and prints how long until its four editor lists are filled: windows_open.exe, a program
# beside it, starts the editor and reads the lists' row counts from outside, through the list
# views' own messages, and one cell through the editor's memory. Three runs after one to warm up.
#
#     bench/windows_open.sh [BUILD_DIR] [K]     (default build-windows, 16)
#
# Builds what it runs in the Windows build folder (see tools/windows-check.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
. tools/wine-env.sh
build=$(realpath -m "${1:-build-windows}")
k=${2:-16}
[ -f "$build/CMakeCache.txt" ] || vantaedit_windows_configure "$build"
cmake --build "$build" -j2 --target vantaedit windows_open vantaedit-generate >/dev/null
vantaedit_wine_env "$build"
work=$(mktemp -d)
trap 'kill $vantaedit_xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
"${chinese[@]}" wine "$build/bench/vantaedit-generate.exe" "$k" "$work/ai.ini"
ls -l "$work/ai.ini" | awk '{print "generated file: " $5 " bytes"}'
editor=$("${chinese[@]}" winepath -w "$build/app/vantaedit.exe")
file=$("${chinese[@]}" winepath -w "$work/ai.ini")
for run in warm-up 1 2 3; do
    echo "$run:"
    "${chinese[@]}" wine "$build/bench/windows_open.exe" "$editor" "$file" "$k" | tr -d '\r'
done
wineserver -w
