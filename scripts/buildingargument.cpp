#include "scripts/buildingargument.h"

#include "res/text.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 4> kModes = {"building.mode.0", "building.mode.1",
                                                    "building.mode.2", "building.mode.3"};

std::u16string Decimal(int64_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

BuildingArgument SplitBuildingArgument(int64_t argument) {
    // Floor division, so that a negative argument gives a negative (unknown) mode.
    const int64_t mode = argument >= 0 ? argument / 65536 : -((-argument + 65535) / 65536);
    return {mode, argument - mode * 65536};
}

bool IsKnownBuildingMode(int64_t mode) { return mode >= 0 && mode < int64_t(kModes.size()); }

std::optional<std::string> BuildingArgumentType(int64_t argument, const ModNames &names) {
    if (!names.rules || !names.rules->hasTypeList) return std::nullopt;
    const int64_t index = SplitBuildingArgument(argument).index;
    const std::vector<ModName> &buildings = names.rules->Types(TypeKind::Building);
    if (index >= int64_t(buildings.size())) return std::nullopt;
    return buildings[size_t(index)].id;
}

std::u16string ExplainBuildingArgument(int64_t argument, const ModNames &names) {
    const BuildingArgument split = SplitBuildingArgument(argument);
    const std::u16string mode = IsKnownBuildingMode(split.mode)
                                    ? res::Str(kModes[size_t(split.mode)])
                                    : res::Format("building.unknownMode", {Decimal(split.mode)});
    const std::u16string nth = res::Format("building.nth", {Decimal(split.index)});
    const RulesFile *rules = names.rules && names.rules->hasTypeList ? names.rules : nullptr;
    if (!rules) return res::Format("building.withMode", {nth, mode});
    const std::vector<ModName> &buildings = rules->Types(TypeKind::Building);
    if (split.index >= int64_t(buildings.size()))
        return res::Format("building.pastEnd", {nth, Decimal(int64_t(buildings.size())), mode});
    const std::u16string type = IdWithName(buildings[size_t(split.index)], names.strings);
    return IsKnownBuildingMode(split.mode) ? res::Format("building.named", {mode, type})
                                           : res::Format("building.withMode", {type, mode});
}
