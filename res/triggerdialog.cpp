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
    Named(u"触发列表", List(kIdTriggerList, {0, 0, 110, 261})),
    Text(kIdTriggerTitle, u"我是注册的标题!", {185, 14, 201, 11}),
    Label(u"注释", {178, 33, 17, 8}, kIdTriggerName),
    Edit(kIdTriggerName, {200, 33, 170, 14}),
    Label(u"指定国家", {168, 57, 34, 8}, kIdTriggerHouse),
    ComboBox(kIdTriggerHouse, {203, 57, 48, 30}, kSorted),
    Label(u"科技等级", {271, 57, 34, 8}, kIdTriggerTechLevel),
    Edit(kIdTriggerTechLevel, {310, 57, 48, 14}),
    Label(u"条件类型", {172, 82, 34, 8}, kIdTriggerCondition),
    ComboBox(kIdTriggerCondition, {215, 80, 145, 15}, kNoStyle, kConditions),
    Label(u"条件模式", {170, 99, 34, 8}, kIdTriggerOperator),
    ComboBox(kIdTriggerOperator, {216, 99, 61, 30}, kNoStyle, kOperators),
    Label(u"数值", {284, 102, 17, 8}, kIdTriggerValue),
    Edit(kIdTriggerValue, {313, 100, 56, 15}),
    Label(u"条件单位", {176, 119, 34, 8}, kIdTriggerConditionObject),
    ComboBox(kIdTriggerConditionObject, {221, 120, 142, 30}, kSorted),
    CheckBox(kIdTriggerEasy, u"简单敌人可用", {164, 142, 64, 10}),
    CheckBox(kIdTriggerMedium, u"中等敌人可用", {238, 142, 64, 10}),
    CheckBox(kIdTriggerHard, u"困难敌人可用", {313, 142, 64, 10}),
    Label(u"作战队伍", {151, 161, 34, 8}, kIdTriggerTeam),
    ComboBox(kIdTriggerTeam, {192, 160, 66, 30}, kSorted),
    Label(u"指定阵营", {266, 160, 34, 8}, kIdTriggerSide),
    ComboBox(kIdTriggerSide, {307, 160, 80, 30}, kSorted),
    Label(u"最低权重", {165, 182, 34, 8}, kIdTriggerMinWeight),
    ComboBox(kIdTriggerMinWeight, {156, 195, 48, 30}, kSorted),
    Label(u"基本权重", {249, 182, 34, 8}, kIdTriggerBaseWeight),
    ComboBox(kIdTriggerBaseWeight, {238, 195, 48, 30}, kSorted),
    Label(u"最高权重", {333, 182, 34, 8}, kIdTriggerMaxWeight),
    ComboBox(kIdTriggerMaxWeight, {327, 195, 48, 30}, kSorted),
    Label(u"第二队伍", {151, 216, 34, 8}, kIdTriggerSecondTeam),
    ComboBox(kIdTriggerSecondTeam, {192, 214, 66, 30}, kSorted),
    CheckBox(kIdTriggerSkirmish, u"遭遇战可用", {266, 216, 60, 10}),
    CheckBox(kIdTriggerBaseDefense, u"基地防御", {333, 216, 48, 10}),
    Button(kIdTriggerNew, u"新增", {122, 232, 50, 14}),
    Button(kIdTriggerSave, u"保存", {180, 232, 50, 25}),
    Button(kIdTriggerDelete, u"删除", {238, 232, 50, 14}),
    Button(kIdTriggerJump, u"跳转到作战队伍", {295, 232, 62, 14}),
    CheckBox(kIdTriggerAutoJump, u"自动跳转", {299, 248, 48, 10}),
    Button(kIdTriggerClose, u"关闭窗口", {367, 247, 50, 14}),
};

} // namespace

constexpr DialogTemplate kTriggerDialog = {
    kIdTriggerDialog, u"触发配置窗口", 417, 261, 8, kNoStyle, kTriggerControls,
};

} // namespace res
