#include "res/triggerdialog.h"

#include "res/triggerkeys.h"

namespace res {

namespace {

// Labels are as wide as their longer form (Chinese or English) needs.
constexpr Control kTriggerControls[] = {
    Anchored(kAnchorTopLeft | kAnchorRight,
             Named("list.filterName", SearchField(kIdTriggerFilter, {0, 0, 146, 13}))),
    Anchored(kAnchorAll, Named("trigger.list", List(kIdTriggerList, {0, 15, 146, 252}))),
    Anchored(kAnchorTopRight, Text(kIdTriggerTitle, "trigger.title", {221, 14, 201, 11})),
    Anchored(kAnchorTopRight, Label("list.name", {212, 33, 22, 8}, kIdTriggerName)),
    Anchored(kAnchorTopRight, Edit(kIdTriggerName, {236, 33, 170, 14})),
    Anchored(kAnchorTopRight, Label("trigger.house", {204, 57, 34, 8}, kIdTriggerHouse)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerHouse, {239, 57, 48, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label("trigger.techLevel", {304, 57, 41, 8}, kIdTriggerTechLevel)),
    Anchored(kAnchorTopRight, Edit(kIdTriggerTechLevel, {346, 57, 48, 14})),
    Anchored(kAnchorTopRight, Label("trigger.condition", {208, 82, 41, 8}, kIdTriggerCondition)),
    Anchored(kAnchorTopRight,
             ComboBox(kIdTriggerCondition, {251, 80, 145, 15}, kNoStyle, kConditionKeys)),
    Anchored(kAnchorTopRight, Label("trigger.operator", {206, 99, 44, 8}, kIdTriggerOperator)),
    Anchored(kAnchorTopRight,
             ComboBox(kIdTriggerOperator, {252, 99, 61, 30}, kNoStyle, kOperatorKeys)),
    Anchored(kAnchorTopRight, Label("trigger.value", {320, 102, 27, 8}, kIdTriggerValue)),
    Anchored(kAnchorTopRight, Edit(kIdTriggerValue, {349, 100, 56, 15})),
    Anchored(kAnchorTopRight,
             Label("trigger.conditionObject", {194, 119, 61, 8}, kIdTriggerConditionObject)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerConditionObject, {257, 120, 142, 30}, kSorted)),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerEasy, "trigger.easy", {200, 142, 64, 10})),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerMedium, "trigger.medium", {274, 142, 64, 10})),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerHard, "trigger.hard", {349, 142, 64, 10})),
    Anchored(kAnchorTopRight, Label("trigger.team", {187, 161, 34, 8}, kIdTriggerTeam)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerTeam, {228, 160, 66, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label("trigger.side", {302, 160, 34, 8}, kIdTriggerSide)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerSide, {343, 160, 80, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label("trigger.minWeight", {201, 182, 48, 8}, kIdTriggerMinWeight)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerMinWeight, {192, 195, 48, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label("trigger.baseWeight", {285, 182, 48, 8}, kIdTriggerBaseWeight)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerBaseWeight, {274, 195, 48, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label("trigger.maxWeight", {369, 182, 48, 8}, kIdTriggerMaxWeight)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerMaxWeight, {363, 195, 48, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label("trigger.secondTeam", {178, 216, 48, 8}, kIdTriggerSecondTeam)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerSecondTeam, {228, 214, 66, 30}, kNoStyle)),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerSkirmish, "trigger.skirmish", {302, 216, 60, 10})),
    Anchored(kAnchorTopRight,
             CheckBox(kIdTriggerBaseDefense, "trigger.baseDefense", {369, 216, 62, 10})),
    Anchored(kAnchorTopRight, Button(kIdTriggerNew, "list.new", {158, 232, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerSave, "list.save", {216, 232, 50, 25})),
    Anchored(kAnchorTopRight, Button(kIdTriggerDelete, "list.delete", {274, 232, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerCopy, "list.copy", {158, 249, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerRename, "list.rename", {274, 249, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerJump, "trigger.jump", {331, 232, 62, 14})),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerAutoJump, "list.autoJump", {335, 248, 56, 10})),
    Anchored(kAnchorTopRight, Button(kIdTriggerCopyChain, "trigger.copyChain", {403, 230, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerClose, "list.close", {403, 247, 50, 14})),
};

} // namespace

constexpr DialogTemplate kTriggerDialog = {
    kIdTriggerDialog, "trigger.caption", 453, 267, 8, kResizable | kMinMaxBoxes, kTriggerControls,
};

} // namespace res
