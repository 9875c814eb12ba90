#include "scripts/buildingargument.h"

#include <array>

namespace {

constexpr std::array<std::u16string_view, 4> kModes = {u"威胁最小的", u"威胁最大的", u"最近的",
                                                       u"最远的"};

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
                                    ? std::u16string(kModes[size_t(split.mode)])
                                    : u"选择方式 " + Decimal(split.mode) + u" 未知（应为 0 到 3）";
    const std::u16string nth = u"第 " + Decimal(split.index) + u" 个建筑类型（从 0 数起）";
    const RulesFile *rules = names.rules && names.rules->hasTypeList ? names.rules : nullptr;
    if (!rules) return nth + u"，" + mode;
    const std::vector<ModName> &buildings = rules->Types(TypeKind::Building);
    if (split.index >= int64_t(buildings.size()))
        return nth + u"不在规则文件的 [BuildingTypes] 中（共 " +
               Decimal(int64_t(buildings.size())) + u" 项），" + mode;
    const std::u16string type = IdWithName(buildings[size_t(split.index)], names.strings);
    return IsKnownBuildingMode(split.mode) ? mode + u" " + type : type + u"，" + mode;
}
