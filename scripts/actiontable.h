#pragma once
// A modder's own action table, for engines nobody documents:
//
//   [ScriptActions]
//   114=攻击最近的矿车,phobos-target,按扩展的目标类型攻击最近的目标
//
// UTF-8 (a byte-order mark skipped) or the ANSI code page; ';' starts a note, other sections are
// ignored. KIND is one of the names ArgumentKindNamed knows.

#include "scripts/actionprofiles.h"

#include <optional>
#include <string>
#include <string_view>

// "none", "number", "waypoint", "duration", "seconds", "mission", "script", "team", "line",
// "target", "building", "phobos-target", "ai-target-types", "ai-scripts-list", "variable".
std::optional<ArgumentKind> ArgumentKindNamed(std::string_view name);

struct ActionTableRead {
    std::optional<ActionTable> table;
    std::u16string error; // "fork.ini 第 3 行: ...", or why the file could not be read
};

// Reads the table at `path`. A line of [ScriptActions] that cannot be read (no number, no name, an
// unknown KIND, a number given twice) is an error naming the file and the line: no table then.
ActionTableRead ReadActionTable(const std::u16string &path);

// The same from the file's bytes; `name` names the file in messages.
ActionTableRead ParseActionTable(std::string_view bytes, const std::u16string &name);
