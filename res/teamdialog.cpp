#include "res/teamdialog.h"

namespace res {

namespace {

// Seventeen bars, one per line: the line between the two groups of flags.
constexpr std::u16string_view kBars = u"|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|\n|";

constexpr Control kTeamControls[] = {
    Named(u"小队列表", List(kIdTeamList, {0, 0, 114, 305})),
    Text(kIdTeamHint, u"我是提示!", {162, 4, 219, 20}),
    Label(u"注释", {207, 29, 17, 8}, kIdTeamComment),
    Edit(kIdTeamComment, {229, 27, 90, 14}),
    Label(u"优先级", {167, 62, 25, 8}, kIdTeamPriority),
    Edit(kIdTeamPriority, {205, 60, 56, 14}),
    Label(u"共存数", {269, 64, 25, 8}, kIdTeamMax),
    Edit(kIdTeamMax, {297, 62, 54, 14}),
    Label(u"派遣队伍", {143, 99, 39, 14}, kIdTeamTaskForce),
    ComboBox(kIdTeamTaskForce, {185, 98, 65, 30}, kSorted),
    Label(u"队伍脚本", {265, 97, 36, 13}, kIdTeamScript),
    ComboBox(kIdTeamScript, {305, 97, 65, 30}, kSorted),
    Text(kNoId, kBars, {285, 121, 8, 111}),
    CheckBox(1042, u"运载", {304, 224, 32, 10}),
    CheckBox(1048, u"烦恼", {304, 146, 32, 10}),
    CheckBox(1031, u"减速", {359, 132, 32, 10}),
    CheckBox(1043, u"允许调用其他优先级别低队伍成员", {130, 188, 136, 10}),
    CheckBox(1052, u"优先建造", {130, 205, 48, 10}),
    CheckBox(1040, u"预造", {359, 192, 29, 10}),
    CheckBox(1032, u"增援队", {304, 185, 40, 10}),
    CheckBox(1044, u"使用空降", {304, 133, 48, 10}),
    CheckBox(1036, u"使用载具", {304, 159, 48, 10}),
    CheckBox(1033, u"哀叫", {304, 172, 32, 10}),
    CheckBox(1041, u"完成任务不再使用", {204, 205, 77, 10}),
    CheckBox(1034, u"允许移动中攻击", {130, 137, 72, 10}),
    CheckBox(1039, u"被打不还击", {130, 154, 56, 10}),
    CheckBox(1035, u"回避火力点", {204, 136, 76, 10}),
    CheckBox(1038, u"离子免疫", {304, 198, 48, 10}),
    CheckBox(1055, u"载具返回", {359, 172, 48, 10}),
    CheckBox(1037, u"允许成员被其他优先级别高队伍调用", {130, 171, 148, 10}),
    CheckBox(1046, u"防御部队", {204, 155, 48, 10}),
    CheckBox(1054, u"只攻击指定对手", {304, 211, 74, 10}),
    CheckBox(kIdTeamLoadable, u"可装载", {359, 152, 40, 10}),
    // What every team carries besides its flags, in a column of its own.
    Label(u"老兵等级", {410, 29, 34, 8}, kIdTeamVeteranLevel),
    Edit(kIdTeamVeteranLevel, {448, 27, 50, 14}),
    Label(u"心控处理", {410, 47, 34, 8}, kIdTeamMindControl),
    Edit(kIdTeamMindControl, {448, 45, 50, 14}),
    Label(u"所属国家", {410, 65, 34, 8}, kIdTeamHouse),
    Edit(kIdTeamHouse, {448, 63, 50, 14}),
    Label(u"科技等级", {410, 83, 34, 8}, kIdTeamTechLevel),
    Edit(kIdTeamTechLevel, {448, 81, 50, 14}),
    Label(u"分组", {410, 101, 34, 8}, kIdTeamGroup),
    Edit(kIdTeamGroup, {448, 99, 50, 14}),
    CheckBox(kIdTeamOnTransOnly, u"仅运输", {410, 119, 48, 10}),
    Button(kIdTeamSave, u"保存", {183, 252, 50, 38}),
    Button(kIdTeamNew, u"新增", {131, 252, 50, 14}),
    Button(kIdTeamDelete, u"删除", {131, 269, 50, 14}),
    Button(kIdTeamJump, u"跳转到脚本与队伍", {283, 257, 69, 16}),
    CheckBox(kIdTeamAutoJump, u"自动跳转", {285, 277, 48, 10}),
    Button(kIdTeamClose, u"关闭窗口", {359, 299, 50, 14}),
};

} // namespace

constexpr DialogTemplate kTeamDialog = {
    kIdTeamDialog, u"小队配置窗口", 508, 314, 8, kNoStyle, kTeamControls,
};

} // namespace res
