#pragma once
// The keys of a trigger's condition names, by code from -1, and of its operators, by code from 0.
// The trigger window's boxes list them in this order, so that the list reads like the game's own
// table, and the trigger format reads a chosen name back into its code.

#include <array>
#include <string_view>

namespace res {

inline constexpr std::array<std::string_view, 9> kConditionKeys = {
    "condition.none",
    "condition.enemyOwns",
    "condition.houseOwns",
    "condition.enemyPowerYellow",
    "condition.enemyPowerRed",
    "condition.enemyMoney",
    "condition.ironCurtainReady",
    "condition.chronosphereReady",
    "condition.neutralOwns",
};
inline constexpr std::array<std::string_view, 6> kOperatorKeys = {
    "operator.less",         "operator.lessEqual", "operator.equal",
    "operator.greaterEqual", "operator.greater",   "operator.notEqual",
};

} // namespace res
