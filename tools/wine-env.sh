# Runs the Windows programs of a cross-build under Wine; sourced by tools/windows-check.sh,
# tools/windows-screenshots.sh and bench/windows_open.sh.
#
#   vantaedit_wine_env BUILD_DIR      (an absolute path)
#
# A Wine prefix of the build's own, in the Chinese locale: Wine takes the ANSI code page from the
# locale (zh_CN: 936) and file names from its UTF-8. The locale is compiled into the build folder,
# so the system's locales stay as they are. The windows go to an Xvfb display of the caller's own
# (VANTAEDIT_SCREEN, default 1600x1000x24), which the caller ends: kill "$vantaedit_xvfb". No
# window manager runs there, so Wine draws the windows' frames itself instead of waiting for a
# manager at every hide; the caption buttons take their glyphs from Wine's Marlett. Chinese text
# needs no setting: in the zh_CN locale Wine asks for a font of code page 936 and fontconfig gives
# Noto Sans CJK. Programs run as: "${chinese[@]}" wine PROGRAM.
vantaedit_wine_env() {
    local build=$1
    export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -d "$build/locale/zh_CN.UTF-8" ]; then
        mkdir -p "$build/locale"
        localedef -i zh_CN -f UTF-8 "$build/locale/zh_CN.UTF-8"
    fi
    chinese=(env LOCPATH="$build/locale" LC_ALL=zh_CN.UTF-8)

    rm -f "$build/xvfb.display"
    Xvfb -displayfd 3 -screen 0 "${VANTAEDIT_SCREEN:-1600x1000x24}" -nolisten tcp \
        3>"$build/xvfb.display" 2>/dev/null &
    vantaedit_xvfb=$!
    for _ in $(seq 100); do
        [ -s "$build/xvfb.display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$build/xvfb.display")"
    [ -d "$WINEPREFIX" ] || "${chinese[@]}" wineboot --init >/dev/null 2>&1
    "${chinese[@]}" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}
