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
# A script of Phobos' actions for the picture of the script window.
sed -i 's/^3=SC_Retreat\r\?$/&\n4=SC_Hunt/' "$work/ai.ini"
printf '\n[SC_Hunt]\nName=Hunt harvesters\n0=10000,3\n1=16003,50\n2=46,131073\n' >>"$work/ai.ini"
# The mod's names for the pictures of the choosers: a rules file and a string table beside it.
cat >"$work/rules.ini" <<'RULES'
[InfantryTypes]
0=E1
1=E2
[VehicleTypes]
0=MTNK
1=HTNK
2=MCV
[AircraftTypes]
0=ORCA
[BuildingTypes]
0=GACNST
1=GAPOWR
2=GAWEAP
[Countries]
0=Americans
1=Russians
[E1]
Name=GI
UIName=Name:E1
[E2]
Name=Conscript
UIName=Name:E2
[MTNK]
Name=Rhino Tank
[HTNK]
Name=Grizzly Battle Tank
UIName=Name:HTNK
[MCV]
Name=Construction Vehicle
[ORCA]
Name=Harrier
[GAPOWR]
Name=Allied Power Plant
[GAWEAP]
Name=Allied War Factory
[Americans]
Name=America
[Russians]
Name=Russia
RULES
/usr/bin/python3 - "$work/ra2.csf" <<'CSF'
import struct, sys
texts = {b"Name:E1": "美国大兵", b"Name:E2": "动员兵", b"Name:HTNK": "灰熊坦克"}
out = b" FSC" + struct.pack("<5I", 3, len(texts), len(texts), 0, 0)
for label, text in texts.items():
    data = bytes(~b & 0xFF for b in text.encode("utf-16-le"))
    out += b" LBL" + struct.pack("<2I", 1, len(label)) + label
    out += b" RTS" + struct.pack("<I", len(data) // 2) + data
open(sys.argv[1], "wb").write(out)
CSF
cp tests/scenarios/import-entries/input/other.ini "$work/other.ini"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
unset LC_MESSAGES LANG
LC_ALL=zh_CN.UTF-8 tools/with-a11y-bus.sh --wm /usr/bin/python3 tools/screenshots.py \
    "$build/app/vantaedit" "$work/ai.ini" "$work/other.ini" docs
rm -rf "$work/config" "$work/data"
LC_ALL=en_US.UTF-8 tools/with-a11y-bus.sh --wm /usr/bin/python3 tools/screenshots.py \
    "$build/app/vantaedit" "$work/ai.ini" "$work/other.ini" docs en
