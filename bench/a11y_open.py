#!/usr/bin/env python3
"""Starts `vantaedit FILE` and times it until an AT-SPI client sees the four editor lists filled,
then how long such a client takes to read every item of the big combo boxes' lists.

    a11y_open.py VANTAEDIT FILE K

Run inside a display and a session bus with the AT-SPI bus (bench/a11y_open.sh sets them up).
The lists are found by their accessible names; their rows are never walked, only counted, as a
screen reader's table navigation asks for them. Prints the time and one cell read over the bus.
The combo boxes (the team window's task force and script, the trigger window's two teams: one
item per entry) are then walked as some screen readers walk a list when it opens: the list
opened by the box's action, each item asked for in turn and its name read.
"""

import subprocess
import sys
import time

import pyatspi

BOXES = {"派遣队伍": "小队配置窗口", "队伍脚本": "小队配置窗口", "作战队伍": "触发配置窗口",
         "第二队伍": "触发配置窗口"}

ESCAPE = 0xFF1B  # the key's X keysym

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


def boxes(node, found, depth=0):
    """The named combo boxes under `node`, without walking into any list."""
    if depth > 12:
        return
    try:
        role = node.getRole()
        if role == pyatspi.ROLE_COMBO_BOX:
            if node.name in BOXES:
                found[node.name] = node
            return
        if role in LEAVES or role == pyatspi.ROLE_TABLE:
            return
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            if child is not None:
                boxes(child, found, depth + 1)
    except Exception:  # a window going away while it is walked
        pass


def fill_trigger_boxes(app):
    """The trigger window fills its team boxes when the pointer moves over it: move it there."""
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.name == "触发配置窗口":
            box = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            for x in range(box.x + 2, box.x + box.width, 20):
                pyatspi.Registry.generateMouseEvent(x, box.y + box.height - 4, pyatspi.MOUSE_ABS)


def walk_boxes(app, k):
    """Opens each big box's list and reads every item's name; prints the time per box."""
    found = {}
    start = time.monotonic()
    while len(found) < len(BOXES) or any(
            found[name].getChildAtIndex(0).childCount < 1000 * k for name in found):
        if time.monotonic() - start > 60:
            print(f"the combo boxes were not filled within 60 s: {sorted(found)}", file=sys.stderr)
            return 1
        fill_trigger_boxes(app)
        found = {}
        boxes(app, found)
        time.sleep(0.2)
    total = 0.0
    for name, box in found.items():
        begin = time.monotonic()
        box.queryAction().doAction(0)  # opens the list
        opened = time.monotonic() - begin
        items = box.getChildAtIndex(0)
        names = [items.getChildAtIndex(i).name for i in range(items.childCount)]
        elapsed = time.monotonic() - begin
        total += elapsed
        pyatspi.Registry.generateKeyboardEvent(ESCAPE, None, pyatspi.KEY_SYM)  # closes it
        time.sleep(0.2)
        print(f"{name} ({BOXES[name]}): opened in {opened:.2f} s, {len(names)} items read in "
              f"{elapsed:.2f} s, the last: {names[-1]}")
    print(f"all four boxes: {total:.2f} s")
    # What a walk of two calls per item cannot go below: one call's round trip on this bus.
    items = found["作战队伍"].getChildAtIndex(0)
    begin = time.monotonic()
    for _ in range(2000):
        count = items.childCount
    trip = (time.monotonic() - begin) / 2000
    print(f"one call over the bus: {trip * 1e6:.0f} µs, so {count} items at two calls each: "
          f"{2 * count * trip:.2f} s")
    return 0


def main():
    program, path, k = sys.argv[1], sys.argv[2], int(sys.argv[3])
    want = {name: rows * k for name, rows in LISTS.items()}
    start = time.monotonic()
    editor = subprocess.Popen([program, path])
    try:
        while time.monotonic() - start < 120:
            found = {}
            desktop = pyatspi.Registry.getDesktop(0)
            apps = []
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and "vantaedit" in (app.name or "").lower():
                    apps.append(app)
                    tables(app, found)
            counts = {name: found[name].queryTable().nRows for name in found}
            if counts == want:
                elapsed = time.monotonic() - start
                table = found["触发列表"].queryTable()
                cell = table.getAccessibleAt(table.nRows - 1, 0).name
                print(f"lists filled after {elapsed:.2f} s: {counts}; last trigger: {cell}")
                return walk_boxes(apps[0], k)
            time.sleep(0.05)
        print("the lists were not filled within 120 s", file=sys.stderr)
        return 1
    finally:
        editor.kill()


if __name__ == "__main__":
    sys.exit(main())
