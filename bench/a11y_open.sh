#!/usr/bin/env bash
# Opens the generated file of K × 5,000 entries (K = 16: the 18.9 MB file of 80,000 entries) with
# assistive tools on, as a screen reader user has it: a virtual display, a session bus with the
# AT-SPI bus, Qt's accessibility forced on. Prints how long until a client on the bus sees the four
# editor lists filled, and reads a row count and a cell through the bus.
#
#     bench/a11y_open.sh [BUILD_DIR] [K]
#
# Needs what tools/with-a11y-bus.sh needs, and python3-pyatspi (for the system's Python,
# /usr/bin/python3).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
k=${2:-16}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/vantaedit-generate" "$k" "$work/ai.ini"
export XDG_CONFIG_HOME="$work" XDG_DATA_HOME="$work"
tools/with-a11y-bus.sh /usr/bin/python3 bench/a11y_open.py "$build/app/vantaedit" "$work/ai.ini" "$k"
