#!/usr/bin/env python3
"""Fails when a source file includes a header of a library that its own library does not link.

The libraries and their links are read from the CMakeLists.txt files of the tree, so the layers
the build links are the layers this check enforces: a lower layer cannot reach up into a higher
one, nor a kind into a sibling it does not link. A header belongs to the library of the source
file of the same name beside it; a header without one to the first library its folder defines.
Tests, benchmarks and the fuzzing target may include anything and are not read.

Qt is a library like ours: a Qt header (<QString>, <QtCore/QFile>) may be included only where the
file's library links Qt, and only in the Qt backend of the dialog layer (gui/qt/). Neither the
document layers (what the companion command links: platform, core, the kinds' formats and loaders,
the document work) nor the windows (what vantaedit_app links: the dialog layer, ui/, newentry/ and
the kinds' windows) link Qt, so nothing but the backend can include a Qt header.

The system's window headers (<windows.h>, <commctrl.h>, ...) are the Windows backend's toolkit, as
Qt is the Qt backend's: they may be included only in the Windows backend (gui/win32/) and in
platform's own files for Windows (platform/*_win32.cpp).

    check_layers.py [--root DIR] [--pretend FILE:HEADER ...]

--pretend adds an include of HEADER to FILE, to show that the check refuses it; HEADER in angle
brackets (<QString>) is a system or Qt header.
Exit status 0 when every include is allowed, 1 with one line per refused include otherwise.
"""

import argparse
import re
import sys
from pathlib import Path

SKIPPED = {"tests", "bench", "fuzz", "tools", "docs"}
COMMAND = re.compile(r"\b(add_library|add_executable|target_sources|target_link_libraries)"
                     r"\s*\(([^)]*)\)", re.S)
KEYWORDS = {"STATIC", "SHARED", "OBJECT", "INTERFACE", "PUBLIC", "PRIVATE"}
INCLUDE = re.compile(r'^\s*#\s*include\s+("[^"]+"|<[^>]+>)', re.M)
QT_HEADER = re.compile(r"^<(Qt\w*/[^>]+|Q\w+)>$")
# The targets whose libraries must stay free of Qt: everything they link is plain C++.
PLAIN = ("vantaedit-cli", "vantaedit_app")
# The folders whose files may include a Qt header: the Qt backend.
QT_FOLDERS = ("gui/qt/",)
WINDOWS_HEADER = re.compile(r"^<(windows|windowsx|winbase|winuser|wingdi|winnls|winver|commctrl|"
                            r"commdlg|dlgs|richedit|shellapi|shlobj|shlwapi|objbase)\.h>$", re.I)
# The files that may include one: the Windows backend and platform's files for Windows.
WINDOWS_FILES = re.compile(r"^(gui/win32/|platform/\w+_win32\.cpp$)")


def read_build(root):
    """Targets by source file, the first library of each folder, and each target's links."""
    owner, folder_default, links, qt = {}, {}, {}, {}
    for cmake in sorted(root.rglob("CMakeLists.txt")):
        folder = cmake.parent.relative_to(root)
        if folder.parts and (folder.parts[0] in SKIPPED or folder.parts[0].startswith("build")):
            continue
        text = re.sub(r"#[^\n]*", "", cmake.read_text())
        for command, body in COMMAND.findall(text):
            words = [w for w in body.split() if w not in KEYWORDS]
            if not words:
                continue
            name, rest = words[0], words[1:]
            if command == "target_link_libraries":
                links.setdefault(name, set()).update(w for w in rest if "::" not in w)
                qt.setdefault(name, set()).update(w for w in rest if w.startswith("Qt"))
                continue
            links.setdefault(name, set())
            if command == "add_library":
                folder_default.setdefault(folder, name)
            for source in rest:
                if source.endswith((".cpp", ".h")):
                    owner[(folder / source).as_posix()] = name
    return owner, folder_default, links, qt


def closure(target, links):
    seen, todo = {target}, [target]
    while todo:
        for dep in links.get(todo.pop(), ()):
            if dep not in seen:
                seen.add(dep)
                todo.append(dep)
    return seen


def target_of(path, owner, folder_default):
    """The library a file of the tree belongs to; None for files outside every library."""
    if path in owner:
        return owner[path]
    source = re.sub(r"\.h$", ".cpp", path)
    if source in owner:
        return owner[source]
    return folder_default.get(Path(path).parent)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", default=Path(__file__).resolve().parent.parent, type=Path)
    parser.add_argument("--pretend", action="append", default=[])
    args = parser.parse_args()
    root = args.root.resolve()
    owner, folder_default, links, qt = read_build(root)

    includes = {}
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        rel = path.relative_to(root)
        if rel.parts[0] in SKIPPED or rel.parts[0].startswith("build"):
            continue
        text = path.read_text(errors="replace")
        includes[rel.as_posix()] = [(text[:m.start()].count("\n") + 1, m.group(1))
                                    for m in INCLUDE.finditer(text)]
    for file, found in includes.items():
        includes[file] = [(line, h[1:-1] if h.startswith('"') else h) for line, h in found]
    for pretend in args.pretend:
        file, header = pretend.split(":", 1)
        includes.setdefault(file, []).append((0, header))

    refused = []
    for plain in PLAIN:
        for target in sorted(closure(plain, links)):
            for library in sorted(qt.get(target, ())):
                refused.append(f"{target} links {library}, but {plain} must link no Qt library")
    for file, found in includes.items():
        target = target_of(file, owner, folder_default)
        if target is None:
            continue
        allowed = closure(target, links)
        links_qt = any(qt.get(t) for t in allowed)
        for line, header in found:
            if header.startswith("<"):
                if WINDOWS_HEADER.match(header) and not WINDOWS_FILES.match(file):
                    refused.append(f"{file}:{line}: includes {header} (Windows) outside the "
                                   f"Windows backend (gui/win32/) and platform/*_win32.cpp")
                if not QT_HEADER.match(header):
                    continue
                if not links_qt:
                    refused.append(f"{file}:{line}: includes {header} (Qt), which {target} "
                                   f"does not link")
                elif not file.startswith(QT_FOLDERS):
                    refused.append(f"{file}:{line}: includes {header} (Qt) outside the Qt "
                                   f"backend ({', '.join(QT_FOLDERS)})")
                continue
            header_target = target_of(header, owner, folder_default)
            if header_target is not None and header_target not in allowed:
                refused.append(f"{file}:{line}: includes {header} ({header_target}), "
                               f"which {target} does not link")
    for line in refused:
        print(line)
    if refused:
        return 1
    print(f"layers: {len(includes)} files, every include allowed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
