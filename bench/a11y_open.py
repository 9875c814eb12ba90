#!/usr/bin/env python3
"""Starts `vantaedit FILE` and times it until an AT-SPI client sees the four editor lists filled.

    a11y_open.py VANTAEDIT FILE K

Run inside a display and a session bus with the AT-SPI bus (bench/a11y_open.sh sets them up).
The lists are found by their accessible names; their rows are never walked, only counted, as a
screen reader's table navigation asks for them. Prints the time and one cell read over the bus.
"""

import subprocess
import sys
import time

import pyatspi

LISTS = {"派遣部队列表": 1000, "脚本列表": 1000, "小队列表": 1000, "触发列表": 2000}


# What holds no list of ours: a client walks no further into these, as a screen reader does not
# read every item of a combo box's list to find a window's table.
LEAVES = {pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_MENU_BAR,
          pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_LABEL}


def tables(node, found, depth=0):
    """The named lists under `node`, without walking into any table."""
    if depth > 12:
        return
    try:
        role = node.getRole()
        if role == pyatspi.ROLE_TABLE:
            if node.name in LISTS:
                found[node.name] = node
            return
        if role in LEAVES:
            return
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                tables(child, found, depth + 1)
    except Exception:  # a window going away while it is walked
        pass


def main():
    program, path, k = sys.argv[1], sys.argv[2], int(sys.argv[3])
    want = {name: rows * k for name, rows in LISTS.items()}
    start = time.monotonic()
    editor = subprocess.Popen([program, path])
    try:
        while time.monotonic() - start < 120:
            found = {}
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and "vantaedit" in (app.name or "").lower():
                    tables(app, found)
            counts = {name: found[name].queryTable().nRows for name in found}
            if counts == want:
                elapsed = time.monotonic() - start
                table = found["触发列表"].queryTable()
                cell = table.getAccessibleAt(table.nRows - 1, 0).name
                print(f"lists filled after {elapsed:.2f} s: {counts}; last trigger: {cell}")
                return 0
            time.sleep(0.05)
        print("the lists were not filled within 120 s", file=sys.stderr)
        return 1
    finally:
        editor.kill()


if __name__ == "__main__":
    sys.exit(main())
