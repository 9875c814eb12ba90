#!/usr/bin/env bash
# Takes the screenshots of the editor on the Windows backend under Wine (docs/windows/*.png): the
# Chinese locale, a 1920 × 1080 virtual display without a window manager, the windows drawn by
# Wine as Windows draws them. The input is a user's: clicks through the X server, at places a
# small helper reads from the windows (the screen rectangle of a window, or of one of its
# controls by id); the helper also brings a window to the front where the windows stand over one
# another. Uses the Windows build folder of tools/windows-check.sh.
#
#     tools/windows-screenshots.sh [BUILD_DIR]      (default build-windows)
#
# Needs xdotool and imagemagick besides what the Windows check installs.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
. tools/wine-env.sh
build=$(realpath -m "${1:-build-windows}")
[ -f "$build/CMakeCache.txt" ] || vantaedit_windows_configure "$build"
cmake --build "$build" -j2 --target vantaedit >/dev/null
VANTAEDIT_SCREEN=1920x1080x24 vantaedit_wine_env "$build"
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; kill $vantaedit_xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
out=docs/windows
mkdir -p "$out"

# window rect CAPTION [ID]: the screen rectangle (left top right bottom) of the window with this
# caption, or of its control ID; window raise CAPTION: that window to the front.
cat >"$work/window.cpp" <<'EOF'
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
int wmain(int argc, wchar_t **argv) {
    HWND window = argc > 2 ? FindWindowW(nullptr, argv[2]) : nullptr;
    if (window && std::wcscmp(argv[1], L"raise") == 0)
        return !SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (window && argc > 3) window = GetDlgItem(window, _wtoi(argv[3]));
    RECT rect;
    if (!window || !GetWindowRect(window, &rect)) return 1;
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
}
EOF
x86_64-w64-mingw32-g++-posix -municode -static -O1 -o "$work/window.exe" "$work/window.cpp"
# window VERB CAPTION [ID], tried again until the window is there.
window() {
    for _ in $(seq 100); do
        if "${chinese[@]}" wine "$work/window.exe" "$@" 2>/dev/null | tr -d '\r'; then return; fi
        sleep 0.2
    done
    echo "no window: $*" >&2
    return 1
}
# click X Y: a left click at a point of the screen.
click() {
    xdotool mousemove "$1" "$2" click 1
    sleep 0.5
}
# shoot NAME [CAPTION | WxH+X+Y]: the whole screen, the window with this caption, or a part of
# the screen.
shoot() {
    sleep 1
    if [ $# -eq 1 ]; then
        import -window root "$out/$1.png"
    elif [[ $2 =~ ^[0-9]+x[0-9]+\+ ]]; then
        import -window root -crop "$2" +repage "$out/$1.png"
    else
        read -r left top right bottom < <(window rect "$2")
        import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
            "$out/$1.png"
    fi
}
# The value of a control id of res/.
id() { sed -n "s/^ *$1 = \([0-9]*\),.*/\1/p" res/*.h; }

# The main window's top left corner, then with its 文件 menu open.
"${chinese[@]}" wine "$build/app/vantaedit.exe" &
editor=$!
read -r left top _ _ < <(window rect VantaEdit)
shoot mainwindow 480x160+0+0
click $((left + 24)) $((top + 40))
shoot filemenu 480x200+0+0
wineserver -k
wait $editor || true

# Each editor window in front with the first entry of its list chosen, the question when the file
# changes on disk, then all the windows with the new entry dialog over them.
cp tests/scenarios/taskforce-edit-save/input/ai.ini "$work/ai.ini"
"${chinese[@]}" wine "$build/app/vantaedit.exe" "$("${chinese[@]}" winepath -w "$work/ai.ini")" &
windows=(taskforces:派遣部队窗口:kIdTaskForceList triggers:触发配置窗口:kIdTriggerList
         scripts:脚本窗口:kIdScriptList teams:小队配置窗口:kIdTeamList)
for entry in "${windows[@]}"; do
    IFS=: read -r name caption list <<<"$entry"
    window raise "$caption"
    read -r left top _ _ < <(window rect "$caption" "$(id "$list")")
    click $((left + 30)) $((top + 34))
    shoot "$name" "$caption"
done
# The file changed on disk by another program: the question with the buttons it names.
printf '; changed\r\n' >>"$work/ai.ini"
shoot reload 文件已修改
xdotool key Escape
# Wine lets a box's owner rise above the windows it owns (Windows keeps them above it).
for entry in "${windows[@]}"; do
    IFS=: read -r _ caption _ <<<"$entry"
    window raise "$caption"
done
read -r left top right bottom < <(window rect 小队配置窗口 "$(id kIdTeamNew)")
click $(((left + right) / 2)) $(((top + bottom) / 2))
shoot addnew 新增内容
shoot editor
echo "screenshots in $out: $(cd "$out" && echo *.png)"
