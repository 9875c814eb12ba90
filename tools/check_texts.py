#!/usr/bin/env python3
"""Fails when the program's code names a text key that the string tables lack, or shows a literal
Chinese text of its own.

The texts the user sees live in res/strings_zh.cpp and res/strings_en.cpp, by key; code asks for a
key. Every string literal of a source file outside the tables that looks like one of their keys
(its first part, such as "report" in "report.title", is the first part of some key) must be a key
of the tables, and no string literal outside res/ may hold a Chinese character. Tests, benchmarks,
the fuzzing target and the tools are not read; comments are not read.

    check_texts.py [--root DIR]

Exit status 0 when every key is known and no Chinese literal is found, 1 with one line per fault.
"""

import argparse
import re
import sys
from pathlib import Path

SKIPPED = {"tests", "bench", "fuzz", "tools", "docs"}
ENTRY = re.compile(r'\{"([^"]+)",\s*u"')
LITERAL = re.compile(r'(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"')
KEY_LIKE = re.compile(r"^[a-z][A-Za-z]*(\.[A-Za-z0-9-]+)+$")
CHINESE = re.compile(r"[\u3400-\u9fff]")
COMMENT = re.compile(r"//[^\n]*")


def table_keys(root, language):
    return set(ENTRY.findall((root / "res" / f"strings_{language}.cpp").read_text()))


def sources(root):
    for path in sorted(root.rglob("*")):
        rel = path.relative_to(root)
        if path.suffix not in (".cpp", ".h") or rel.parts[0] in SKIPPED:
            continue
        if rel.parts[0].startswith("build") or rel.name.startswith("strings_"):
            continue
        yield rel, path.read_text()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", default=Path(__file__).resolve().parent.parent, type=Path)
    root = parser.parse_args().root
    keys = table_keys(root, "zh") | table_keys(root, "en")
    prefixes = {key.split(".")[0] for key in keys}
    faults = []
    for rel, text in sources(root):
        code = COMMENT.sub("", text)
        for match in LITERAL.finditer(code):
            literal = match.group(1)
            line = code.count("\n", 0, match.start()) + 1
            if KEY_LIKE.match(literal) and literal.split(".")[0] in prefixes and literal not in keys:
                faults.append(f"{rel}:{line}: no text has the key \"{literal}\"")
            if CHINESE.search(literal) and rel.parts[0] != "res":
                faults.append(f"{rel}:{line}: a Chinese literal outside res/: \"{literal}\"")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
