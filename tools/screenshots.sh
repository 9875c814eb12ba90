#!/usr/bin/env bash
# Takes the README's screenshots of the editor on the Qt backend: a virtual display with a small
# window manager, the accessibility bus to find the controls, and clicks and keys as a user gives
# them, once on a Chinese system and once on an English one (the main window and the team window).
# Writes docs/*.png.
#
#     tools/screenshots.sh [BUILD_DIR]
#
# Needs what tools/with-a11y-bus.sh needs, openbox, xdotool, imagemagick, fonts-noto-cjk and
# python3-pyatspi (for the system's Python, /usr/bin/python3).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp tests/scenarios/taskforce-edit-save/input/ai.ini "$work/ai.ini"
cp tests/scenarios/import-entries/input/other.ini "$work/other.ini"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset LC_MESSAGES LANG
LC_ALL=zh_CN.UTF-8 tools/with-a11y-bus.sh --wm /usr/bin/python3 tools/screenshots.py \
    "$build/app/vantaedit" "$work/ai.ini" "$work/other.ini" docs
rm -rf "$work/config" "$work/data"
LC_ALL=en_US.UTF-8 tools/with-a11y-bus.sh --wm /usr/bin/python3 tools/screenshots.py \
    "$build/app/vantaedit" "$work/ai.ini" "$work/other.ini" docs en
