#!/usr/bin/env python3
"""Drives the editor to each state the README shows and takes its picture (see screenshots.sh).

    screenshots.py VANTAEDIT FILE OTHER OUTDIR
"""

import os
import subprocess
import sys
import time

import pyatspi


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def walk(node, test, depth=0):
    """The first accessible under `node` that passes `test`, breadth by breadth."""
    level = [node]
    for _ in range(14):
        nxt = []
        for item in level:
            try:
                if test(item):
                    return item
                if item.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_COMBO_BOX):
                    continue
                nxt.extend(item.getChildAtIndex(i) for i in range(item.childCount))
            except Exception:
                pass
        level = [n for n in nxt if n is not None]
    return None


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        candidate = desktop.getChildAtIndex(i)
        if candidate is not None and "vantaedit" in (candidate.name or "").lower():
            return candidate
    return None


def find(name, role=None, within=None, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        root = within or app()
        if root is not None:
            found = walk(root, lambda n: n.name == name and (role is None or n.getRole() == role))
            if found is not None:
                return found
        time.sleep(0.2)
    raise SystemExit(f"not found: {name}")


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def click(node, double=False):
    x, y, w, h = extents(node)
    run("xdotool", "mousemove", str(x + w // 2), str(y + h // 2))
    run("xdotool", "click", "--repeat", "2" if double else "1", "1")
    time.sleep(0.6)


def raise_window(title):
    """Brings the window of `title` to the front, as a click on its task bar button would."""
    # By listing the windows: xdotool's patterns do not match Chinese titles in the C locale.
    for window in run("xdotool", "search", "--name", ".").split():
        if run("xdotool", "getwindowname", window).strip() == title:
            run("xdotool", "windowactivate", "--sync", window)
            time.sleep(0.6)
            return
    raise SystemExit(f"no window: {title}")


def drop_down(node):
    """Opens a combo box's list by its arrow at the right end."""
    x, y, w, h = extents(node)
    run("xdotool", "mousemove", str(x + w - 8), str(y + h // 2))
    run("xdotool", "click", "1")
    time.sleep(0.6)


def key(*keys):
    run("xdotool", "key", *keys)
    time.sleep(0.6)


def typed(text):
    run("xdotool", "type", "--delay", "40", text)
    time.sleep(0.6)


def shot(outdir, name, node=None, frame=True, size=None, below=0):
    """The screen, or the window of `node` with its frame (and `below` pixels under it, where a
    list that drops down may reach), or the top-left `size` of the screen."""
    path = os.path.join(outdir, name)
    time.sleep(0.8)
    if node is None and size is None:
        run("import", "-window", "root", path)
        return
    if size is not None:
        x, y, (w, h) = 0, 0, size
    else:
        x, y, w, h = extents(node)
        if frame:  # the window manager's title bar and border
            x, y, w, h = x - 1, y - 22, w + 2, h + 23
        h += below
    run("import", "-window", "root", "-crop", f"{w}x{h}+{max(x, 0)}+{max(y, 0)}", "+repage", path)


def english(program, path, outdir):
    """The main window and the team window in English: the program run on an English system."""
    editor = subprocess.Popen([program])
    try:
        find("VantaEdit", pyatspi.ROLE_DIALOG, timeout=20)
        shot(outdir, "mainwindow_en.png")
        editor.kill()
        editor.wait()
        editor = subprocess.Popen([program, path])
        teams = find("Teams", timeout=20)
        team_list = find("Team list", pyatspi.ROLE_TABLE, within=teams)
        click(team_list.queryTable().getAccessibleAt(1, 1))
        shot(outdir, "teamwindow_en.png", teams)
        return 0
    finally:
        editor.kill()


def main():
    program, path, other, outdir = sys.argv[1:5]
    if sys.argv[5:] == ["en"]:
        return english(program, path, outdir)
    editor = subprocess.Popen([program])
    try:
        find("VantaEdit", pyatspi.ROLE_DIALOG, timeout=20)
        shot(outdir, "mainwindow.png")
        key("ctrl+o")
        shot(outdir, "filedialog.png")
        key("Escape")

        # The file, through the command line's path: the windows at the corners.
        editor.kill()
        editor.wait()
        editor = subprocess.Popen([program, path])
        teams = find("小队配置窗口", timeout=20)
        click(find("新增", pyatspi.ROLE_PUSH_BUTTON, within=teams))
        shot(outdir, "editor.png")
        key("Escape")

        # A team saved, the Edit menu naming the step.
        team_list = find("小队列表", pyatspi.ROLE_TABLE, within=teams)
        click(team_list.queryTable().getAccessibleAt(1, 1))
        shot(outdir, "teamwindow.png", teams)
        priority = find("优先级", pyatspi.ROLE_TEXT, within=teams)
        click(priority)
        key("ctrl+a")
        typed("9")
        click(find("保存", pyatspi.ROLE_PUSH_BUTTON, within=teams))
        main_frame = find("VantaEdit — ai.ini *", pyatspi.ROLE_DIALOG)
        click(find("编辑", within=main_frame))
        shot(outdir, "editmenu.png", size=(1280, 160))
        key("Escape")

        # A filter on the team list.
        click(team_list.queryTable().getAccessibleAt(0, 1))
        key("ctrl+f")
        typed("ta")
        shot(outdir, "filteredlist.png", teams)
        key("Escape")

        # The rename dialog for the shown team.
        click(find("改名", pyatspi.ROLE_PUSH_BUTTON, within=teams))
        shot(outdir, "renamedialog.png", find("改名", pyatspi.ROLE_DIALOG))
        key("Escape")

        # The file report beside the windows.
        click(find("文件", within=main_frame))
        click(find("检查文件...", within=main_frame))
        shot(outdir, "reporttable.png", find("检查文件", pyatspi.ROLE_DIALOG))
        key("Escape")

        # Entries of another AI file to import, filtered, two picked.
        click(find("文件", within=main_frame))
        click(find("导入条目...", within=main_frame))
        typed(other)
        key("Return")
        importer = find("导入条目", pyatspi.ROLE_DIALOG)
        click(find("筛选", within=importer))
        typed("a")
        rows = find("条目", pyatspi.ROLE_TABLE, within=importer).queryTable()
        click(rows.getAccessibleAt(0, 1))
        run("xdotool", "keydown", "ctrl")
        click(rows.getAccessibleAt(2, 1))
        run("xdotool", "keyup", "ctrl")
        shot(outdir, "importwindow.png", importer)
        click(find("关闭", pyatspi.ROLE_PUSH_BUTTON, within=importer))

        # Another file asked for with unsaved changes: the question with Chinese buttons.
        key("ctrl+o")
        shot(outdir, "messagebox.png")
        key("Escape")

        # The mod's rules file and string table chosen from the 文件 menu.
        folder = os.path.dirname(path)
        for command, name in (("规则文件...", "rules.ini"), ("字符串表...", "ra2.csf")):
            click(find("文件", within=main_frame))
            click(find(command, within=main_frame))
            typed(os.path.join(folder, name))
            key("Return")

        # A member line by its name, and 插入成员 open.
        task_forces = find("派遣部队窗口", pyatspi.ROLE_DIALOG)
        task_list = find("派遣部队列表", pyatspi.ROLE_TABLE, within=task_forces)
        # Every window shown again (a key on the way may have closed one), this one in front.
        click(find("窗口", within=main_frame))
        click(find("显示所有窗口", within=main_frame))
        raise_window("派遣部队窗口")
        click(task_list.queryTable().getAccessibleAt(1, 1))
        click(find("派遣部队内容", pyatspi.ROLE_TEXT, within=task_forces))
        key("ctrl+Home", "Down", "Down", "Down", "Down")
        drop_down(find("插入成员", pyatspi.ROLE_COMBO_BOX, within=task_forces))
        shot(outdir, "taskforcenames.png", task_forces, below=120)
        key("Escape")

        # 指定国家 with the mod's countries.
        triggers = find("触发配置窗口", pyatspi.ROLE_DIALOG)
        trigger_list = find("触发列表", pyatspi.ROLE_TABLE, within=triggers)
        click(trigger_list.queryTable().getAccessibleAt(2, 1))
        drop_down(find("指定国家", pyatspi.ROLE_COMBO_BOX, within=triggers))
        shot(outdir, "triggernames.png", triggers, below=120)
        key("Escape")

        # Phobos' actions explained in the script window, the engine chosen from the 文件 menu.
        click(find("文件", within=main_frame))
        click(find("引擎扩展", within=main_frame))
        click(find("   Ares + Phobos", within=main_frame))
        scripts = find("脚本窗口", pyatspi.ROLE_DIALOG)
        script_list = find("脚本列表", pyatspi.ROLE_TABLE, within=scripts)
        raise_window("脚本窗口")
        click(script_list.queryTable().getAccessibleAt(4, 1))
        click(find("脚本内容", pyatspi.ROLE_TEXT, within=scripts))
        key("ctrl+Home", "Down", "Down")
        shot(outdir, "scriptactions.png", scripts)
        return 0
    finally:
        editor.kill()


if __name__ == "__main__":
    sys.exit(main())
