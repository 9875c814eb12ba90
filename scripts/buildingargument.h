#pragma once
// The argument of the script actions that name a building type (46, 47, 56 and 58): the type's
// index in the rules file's [BuildingTypes] plus 65536 times the way the team picks one building
// of that type.

#include "core/modnames.h"

#include <cstdint>
#include <optional>
#include <string>

struct BuildingArgument {
    int64_t mode = 0;  // 0 least threat, 1 highest threat, 2 nearest, 3 farthest; others unknown
    int64_t index = 0; // into [BuildingTypes] as the game builds it, from 0
};

BuildingArgument SplitBuildingArgument(int64_t argument);

// The building type the argument names, when the rules file has type lists and the index lies
// within [BuildingTypes].
std::optional<std::string> BuildingArgumentType(int64_t argument, const ModNames &names);

// The modes the game knows: 0 to 3.
bool IsKnownBuildingMode(int64_t mode);

// What the argument names, in words: "最近的 GAPOWR（Allied Power Plant）" with a rules file that
// has type lists, "第 6 个建筑类型（从 0 数起），最近的" without one; an index past the list's end
// and an unknown mode are said as such.
std::u16string ExplainBuildingArgument(int64_t argument, const ModNames &names);
