#include "res/teamdialog.h"

namespace res {

namespace {

// Seventeen bars, one per line: the line between the two groups of flags.
constexpr std::u16string_view kBars = u"|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|";

constexpr Control kTeamControls[] = {
    Anchored(kAnchorTopLeft | kAnchorRight,
             Named(u"筛选", SearchField(kIdTeamFilter, {0, 0, 150, 13}))),
    Anchored(kAnchorAll, Named(u"小队列表", List(kIdTeamList, {0, 15, 150, 299}))),
    Anchored(kAnchorTopRight, Text(kIdTeamHint, u"我是提示!", {198, 4, 219, 20})),
    Anchored(kAnchorTopRight, Label(u"注释", {243, 29, 17, 8}, kIdTeamComment)),
    Anchored(kAnchorTopRight, Edit(kIdTeamComment, {265, 27, 90, 14})),
    Anchored(kAnchorTopRight, Label(u"优先级", {203, 62, 25, 8}, kIdTeamPriority)),
    Anchored(kAnchorTopRight, Edit(kIdTeamPriority, {241, 60, 56, 14})),
    Anchored(kAnchorTopRight, Label(u"共存数", {305, 64, 25, 8}, kIdTeamMax)),
    Anchored(kAnchorTopRight, Edit(kIdTeamMax, {333, 62, 54, 14})),
    Anchored(kAnchorTopRight, Label(u"派遣队伍", {179, 99, 39, 14}, kIdTeamTaskForce)),
    Anchored(kAnchorTopRight, ComboBox(kIdTeamTaskForce, {221, 98, 65, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label(u"队伍脚本", {301, 97, 36, 13}, kIdTeamScript)),
    Anchored(kAnchorTopRight, ComboBox(kIdTeamScript, {341, 97, 65, 30}, kSorted)),
    Anchored(kAnchorTopRight, Text(kNoId, kBars, {321, 121, 8, 111})),
    Anchored(kAnchorTopRight, CheckBox(1042, u"运载", {340, 224, 32, 10})),
    Anchored(kAnchorTopRight, CheckBox(1048, u"烦恼", {340, 146, 32, 10})),
    Anchored(kAnchorTopRight, CheckBox(1031, u"减速", {395, 132, 32, 10})),
    Anchored(kAnchorTopRight,
             CheckBox(1043, u"允许调用其他优先级别低队伍成员", {166, 188, 136, 10})),
    Anchored(kAnchorTopRight, CheckBox(1052, u"优先建造", {166, 205, 48, 10})),
    Anchored(kAnchorTopRight, CheckBox(1040, u"预造", {395, 192, 29, 10})),
    Anchored(kAnchorTopRight, CheckBox(1032, u"增援队", {340, 185, 40, 10})),
    Anchored(kAnchorTopRight, CheckBox(1044, u"使用空降", {340, 133, 48, 10})),
    Anchored(kAnchorTopRight, CheckBox(1036, u"使用载具", {340, 159, 48, 10})),
    Anchored(kAnchorTopRight, CheckBox(1033, u"哀叫", {340, 172, 32, 10})),
    Anchored(kAnchorTopRight, CheckBox(1041, u"完成任务不再使用", {240, 205, 77, 10})),
    Anchored(kAnchorTopRight, CheckBox(1034, u"允许移动中攻击", {166, 137, 72, 10})),
    Anchored(kAnchorTopRight, CheckBox(1039, u"被打不还击", {166, 154, 56, 10})),
    Anchored(kAnchorTopRight, CheckBox(1035, u"回避火力点", {240, 136, 76, 10})),
    Anchored(kAnchorTopRight, CheckBox(1038, u"离子免疫", {340, 198, 48, 10})),
    Anchored(kAnchorTopRight, CheckBox(1055, u"载具返回", {395, 172, 48, 10})),
    Anchored(kAnchorTopRight,
             CheckBox(1037, u"允许成员被其他优先级别高队伍调用", {166, 171, 148, 10})),
    Anchored(kAnchorTopRight, CheckBox(1046, u"防御部队", {240, 155, 48, 10})),
    Anchored(kAnchorTopRight, CheckBox(1054, u"只攻击指定对手", {340, 211, 74, 10})),
    Anchored(kAnchorTopRight, CheckBox(kIdTeamLoadable, u"可装载", {395, 152, 40, 10})),
    // What every team carries besides its flags, in a column of its own.
    Anchored(kAnchorTopRight, Label(u"老兵等级", {446, 29, 34, 8}, kIdTeamVeteranLevel)),
    Anchored(kAnchorTopRight, Edit(kIdTeamVeteranLevel, {484, 27, 50, 14})),
    Anchored(kAnchorTopRight, Label(u"心控处理", {446, 47, 34, 8}, kIdTeamMindControl)),
    Anchored(kAnchorTopRight, Edit(kIdTeamMindControl, {484, 45, 50, 14})),
    Anchored(kAnchorTopRight, Label(u"所属国家", {446, 65, 34, 8}, kIdTeamHouse)),
    Anchored(kAnchorTopRight, ComboBox(kIdTeamHouse, {484, 63, 50, 150}, kNoStyle)),
    Anchored(kAnchorTopRight, Label(u"科技等级", {446, 83, 34, 8}, kIdTeamTechLevel)),
    Anchored(kAnchorTopRight, Edit(kIdTeamTechLevel, {484, 81, 50, 14})),
    Anchored(kAnchorTopRight, Label(u"分组", {446, 101, 34, 8}, kIdTeamGroup)),
    Anchored(kAnchorTopRight, Edit(kIdTeamGroup, {484, 99, 50, 14})),
    Anchored(kAnchorTopRight, CheckBox(kIdTeamOnTransOnly, u"仅运输", {446, 119, 48, 10})),
    Anchored(kAnchorTopRight, Button(kIdTeamSave, u"保存", {219, 252, 50, 38})),
    Anchored(kAnchorTopRight, Button(kIdTeamNew, u"新增", {167, 252, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTeamDelete, u"删除", {167, 269, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTeamCopy, u"复制", {271, 252, 45, 14})),
    Anchored(kAnchorTopRight, Button(kIdTeamRename, u"改名", {271, 269, 45, 14})),
    Anchored(kAnchorTopRight, Button(kIdTeamJump, u"跳转到脚本与队伍", {319, 257, 69, 16})),
    Anchored(kAnchorTopRight, CheckBox(kIdTeamAutoJump, u"自动跳转", {321, 277, 48, 10})),
    // Which triggers use the shown team.
    Anchored(kAnchorTopRight, Text(kIdTeamUsageCaption, u"使用处", {446, 135, 94, 8})),
    Anchored(kAnchorTopRight | kAnchorBottom,
             Named(u"使用处", List(kIdTeamUsage, {446, 145, 94, 164}, kSingleSelection))),
    Anchored(kAnchorTopRight, Button(kIdTeamClose, u"关闭窗口", {395, 299, 50, 14})),
};

} // namespace

constexpr DialogTemplate kTeamDialog = {
    kIdTeamDialog, u"小队配置窗口", 544, 314, 8, kResizable | kMinMaxBoxes, kTeamControls,
};

} // namespace res
