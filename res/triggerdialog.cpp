#include "res/triggerdialog.h"

namespace res {

namespace {

// The condition names by code from -1, the operator names by code from 0. Both boxes list them
// in this order so that the list reads like the game's own table, not alphabetically.
constexpr std::u16string_view kConditions[] = {
    u"无条件",           u"敌方拥有(前提)指定单位", u"我方拥有(前提)指定单位",
    u"敌方电力为黄",     u"敌方电力为红",           u"敌方金钱大于或等于",
    u"本方铁幕装置就绪", u"本方超时空传送就绪",     u"中立方拥有(前提)指定单位",
};
constexpr std::u16string_view kOperators[] = {u"小于",     u"小于等于", u"等于",
                                              u"大于等于", u"大于",     u"不等于"};

// Labels have no size of their own in the layout: two characters take 17 units, four take 34.
constexpr Control kTriggerControls[] = {
    Anchored(kAnchorTopLeft | kAnchorRight,
             Named(u"筛选", SearchField(kIdTriggerFilter, {0, 0, 146, 13}))),
    Anchored(kAnchorAll, Named(u"触发列表", List(kIdTriggerList, {0, 15, 146, 252}))),
    Anchored(kAnchorTopRight, Text(kIdTriggerTitle, u"我是注册的标题!", {221, 14, 201, 11})),
    Anchored(kAnchorTopRight, Label(u"注释", {214, 33, 17, 8}, kIdTriggerName)),
    Anchored(kAnchorTopRight, Edit(kIdTriggerName, {236, 33, 170, 14})),
    Anchored(kAnchorTopRight, Label(u"指定国家", {204, 57, 34, 8}, kIdTriggerHouse)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerHouse, {239, 57, 48, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label(u"科技等级", {307, 57, 34, 8}, kIdTriggerTechLevel)),
    Anchored(kAnchorTopRight, Edit(kIdTriggerTechLevel, {346, 57, 48, 14})),
    Anchored(kAnchorTopRight, Label(u"条件类型", {208, 82, 34, 8}, kIdTriggerCondition)),
    Anchored(kAnchorTopRight,
             ComboBox(kIdTriggerCondition, {251, 80, 145, 15}, kNoStyle, kConditions)),
    Anchored(kAnchorTopRight, Label(u"条件模式", {206, 99, 34, 8}, kIdTriggerOperator)),
    Anchored(kAnchorTopRight,
             ComboBox(kIdTriggerOperator, {252, 99, 61, 30}, kNoStyle, kOperators)),
    Anchored(kAnchorTopRight, Label(u"数值", {320, 102, 17, 8}, kIdTriggerValue)),
    Anchored(kAnchorTopRight, Edit(kIdTriggerValue, {349, 100, 56, 15})),
    Anchored(kAnchorTopRight, Label(u"条件单位", {212, 119, 34, 8}, kIdTriggerConditionObject)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerConditionObject, {257, 120, 142, 30}, kSorted)),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerEasy, u"简单敌人可用", {200, 142, 64, 10})),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerMedium, u"中等敌人可用", {274, 142, 64, 10})),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerHard, u"困难敌人可用", {349, 142, 64, 10})),
    Anchored(kAnchorTopRight, Label(u"作战队伍", {187, 161, 34, 8}, kIdTriggerTeam)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerTeam, {228, 160, 66, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label(u"指定阵营", {302, 160, 34, 8}, kIdTriggerSide)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerSide, {343, 160, 80, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label(u"最低权重", {201, 182, 34, 8}, kIdTriggerMinWeight)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerMinWeight, {192, 195, 48, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label(u"基本权重", {285, 182, 34, 8}, kIdTriggerBaseWeight)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerBaseWeight, {274, 195, 48, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label(u"最高权重", {369, 182, 34, 8}, kIdTriggerMaxWeight)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerMaxWeight, {363, 195, 48, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label(u"第二队伍", {187, 216, 34, 8}, kIdTriggerSecondTeam)),
    Anchored(kAnchorTopRight, ComboBox(kIdTriggerSecondTeam, {228, 214, 66, 30}, kNoStyle)),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerSkirmish, u"遭遇战可用", {302, 216, 60, 10})),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerBaseDefense, u"基地防御", {369, 216, 48, 10})),
    Anchored(kAnchorTopRight, Button(kIdTriggerNew, u"新增", {158, 232, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerSave, u"保存", {216, 232, 50, 25})),
    Anchored(kAnchorTopRight, Button(kIdTriggerDelete, u"删除", {274, 232, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerCopy, u"复制", {158, 249, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerRename, u"改名", {274, 249, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerJump, u"跳转到作战队伍", {331, 232, 62, 14})),
    Anchored(kAnchorTopRight, CheckBox(kIdTriggerAutoJump, u"自动跳转", {335, 248, 48, 10})),
    Anchored(kAnchorTopRight, Button(kIdTriggerCopyChain, u"复制整链", {403, 230, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTriggerClose, u"关闭窗口", {403, 247, 50, 14})),
};

} // namespace

constexpr DialogTemplate kTriggerDialog = {
    kIdTriggerDialog, u"触发配置窗口", 453, 267, 8, kResizable | kMinMaxBoxes, kTriggerControls,
};

} // namespace res
