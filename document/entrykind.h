#pragma once
// The four kinds of entry, as the commands that name entries (explain, diff, merge) call them.

#include <string_view>

enum class EntryKind { TaskForce, Script, Team, Trigger };

// "task-force", "script", "team", "trigger".
constexpr std::string_view EntryKindName(EntryKind kind) {
    constexpr std::string_view kNames[] = {"task-force", "script", "team", "trigger"};
    return kNames[static_cast<int>(kind)];
}
