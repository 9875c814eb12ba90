#!/usr/bin/env bash
# Takes the README's screenshots of the editor on the Qt backend: a virtual display with a small
# window manager, the accessibility bus to find the controls, and clicks and keys as a user gives
# them. Writes docs/*.png.
#
#     tools/screenshots.sh [BUILD_DIR]
#
# Needs xvfb, openbox, xdotool, imagemagick, fonts-noto-cjk, dbus, at-spi2-core and
# python3-pyatspi (for the system's Python, /usr/bin/python3).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp tests/scenarios/taskforce-edit-save/input/ai.ini "$work/ai.ini"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
for launcher in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$launcher" ] && break
done
xvfb-run -a -s "-screen 0 1600x1000x24" dbus-run-session -- bash -c '
    "$0" --launch-immediately &
    openbox >/dev/null 2>&1 &
    sleep 1
    /usr/bin/python3 tools/screenshots.py "$1" "$2" docs' \
    "$launcher" "$build/app/vantaedit" "$work/ai.ini"
