#include "res/teamdialog.h"

namespace res {

namespace {

// Seventeen bars, one per line: the line between the two groups of flags.
constexpr std::string_view kBars = "team.bars";

constexpr Control kTeamControls[] = {
    Anchored(kAnchorTopLeft | kAnchorRight,
             Named("list.filterName", SearchField(kIdTeamFilter, {0, 0, 150, 13}))),
    Anchored(kAnchorAll, Named("team.list", List(kIdTeamList, {0, 15, 150, 299}))),
    Anchored(kAnchorTopRight, Text(kIdTeamHint, "team.hint", {198, 4, 219, 20})),
    Anchored(kAnchorTopRight, Label("list.name", {240, 29, 23, 8}, kIdTeamComment)),
    Anchored(kAnchorTopRight, Edit(kIdTeamComment, {265, 27, 90, 14})),
    Anchored(kAnchorTopRight, Label("team.priority", {203, 62, 25, 8}, kIdTeamPriority)),
    Anchored(kAnchorTopRight, Edit(kIdTeamPriority, {241, 60, 56, 14})),
    Anchored(kAnchorTopRight, Label("team.max", {305, 64, 25, 8}, kIdTeamMax)),
    Anchored(kAnchorTopRight, Edit(kIdTeamMax, {333, 62, 54, 14})),
    Anchored(kAnchorTopRight, Label("team.taskForce", {179, 99, 39, 14}, kIdTeamTaskForce)),
    Anchored(kAnchorTopRight, ComboBox(kIdTeamTaskForce, {221, 98, 65, 30}, kSorted)),
    Anchored(kAnchorTopRight, Label("team.script", {301, 97, 36, 13}, kIdTeamScript)),
    Anchored(kAnchorTopRight, ComboBox(kIdTeamScript, {341, 97, 65, 30}, kSorted)),
    Anchored(kAnchorTopRight, Text(kNoId, kBars, {321, 121, 8, 111})),
    Anchored(kAnchorTopRight, CheckBox(1042, "team.full", {340, 224, 32, 10})),
    Anchored(kAnchorTopRight, CheckBox(1048, "team.annoyance", {340, 146, 56, 10})),
    Anchored(kAnchorTopRight, CheckBox(1031, "team.guardSlower", {414, 132, 60, 10})),
    Anchored(kAnchorTopRight, CheckBox(1043, "team.recruiter", {166, 188, 136, 10})),
    Anchored(kAnchorTopRight, CheckBox(1052, "team.autocreate", {166, 205, 58, 10})),
    Anchored(kAnchorTopRight, CheckBox(1040, "team.prebuild", {414, 192, 44, 10})),
    Anchored(kAnchorTopRight, CheckBox(1032, "team.reinforce", {340, 185, 52, 10})),
    Anchored(kAnchorTopRight, CheckBox(1044, "team.droppod", {340, 133, 48, 10})),
    Anchored(kAnchorTopRight, CheckBox(1036, "team.useTransportOrigin", {340, 159, 72, 10})),
    Anchored(kAnchorTopRight, CheckBox(1033, "team.whiner", {340, 172, 40, 10})),
    Anchored(kAnchorTopRight, CheckBox(1041, "team.looseRecruit", {240, 205, 77, 10})),
    Anchored(kAnchorTopRight, CheckBox(1034, "team.aggressive", {166, 137, 72, 10})),
    Anchored(kAnchorTopRight, CheckBox(1039, "team.suicide", {166, 154, 56, 10})),
    Anchored(kAnchorTopRight, CheckBox(1035, "team.avoidThreats", {240, 136, 76, 10})),
    Anchored(kAnchorTopRight, CheckBox(1038, "team.ionImmune", {340, 198, 56, 10})),
    Anchored(kAnchorTopRight, CheckBox(1055, "team.transportsReturn", {414, 172, 75, 10})),
    Anchored(kAnchorTopRight, CheckBox(1037, "team.membersRecruitable", {166, 171, 148, 10})),
    Anchored(kAnchorTopRight, CheckBox(1046, "team.baseDefense", {240, 155, 60, 10})),
    Anchored(kAnchorTopRight, CheckBox(1054, "team.onlyTargetHouseEnemy", {340, 211, 100, 10})),
    Anchored(kAnchorTopRight, CheckBox(kIdTeamLoadable, "team.loadable", {414, 152, 56, 10})),
    // What every team carries besides its flags, in a column of its own.
    Anchored(kAnchorTopRight, Label("team.veteranLevel", {490, 29, 48, 8}, kIdTeamVeteranLevel)),
    Anchored(kAnchorTopRight, Edit(kIdTeamVeteranLevel, {540, 27, 50, 14})),
    Anchored(kAnchorTopRight, Label("team.mindControl", {490, 47, 48, 8}, kIdTeamMindControl)),
    Anchored(kAnchorTopRight, Edit(kIdTeamMindControl, {540, 45, 50, 14})),
    Anchored(kAnchorTopRight, Label("team.house", {490, 65, 48, 8}, kIdTeamHouse)),
    Anchored(kAnchorTopRight, ComboBox(kIdTeamHouse, {540, 63, 50, 150}, kNoStyle)),
    Anchored(kAnchorTopRight, Label("team.techLevel", {490, 83, 48, 8}, kIdTeamTechLevel)),
    Anchored(kAnchorTopRight, Edit(kIdTeamTechLevel, {540, 81, 50, 14})),
    Anchored(kAnchorTopRight, Label("team.group", {490, 101, 48, 8}, kIdTeamGroup)),
    Anchored(kAnchorTopRight, Edit(kIdTeamGroup, {540, 99, 50, 14})),
    Anchored(kAnchorTopRight, CheckBox(kIdTeamOnTransOnly, "team.onTransOnly", {490, 119, 60, 10})),
    Anchored(kAnchorTopRight, Button(kIdTeamSave, "list.save", {219, 252, 50, 38})),
    Anchored(kAnchorTopRight, Button(kIdTeamNew, "list.new", {167, 252, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTeamDelete, "list.delete", {167, 269, 50, 14})),
    Anchored(kAnchorTopRight, Button(kIdTeamCopy, "list.copy", {271, 252, 45, 14})),
    Anchored(kAnchorTopRight, Button(kIdTeamRename, "list.rename", {271, 269, 45, 14})),
    Anchored(kAnchorTopRight, Button(kIdTeamJump, "team.jump", {319, 257, 100, 16})),
    Anchored(kAnchorTopRight, CheckBox(kIdTeamAutoJump, "list.autoJump", {321, 277, 56, 10})),
    // Which triggers use the shown team.
    Anchored(kAnchorTopRight, Text(kIdTeamUsageCaption, "list.usage", {490, 135, 100, 8})),
    Anchored(kAnchorTopRight | kAnchorBottom,
             Named("list.usage", List(kIdTeamUsage, {490, 145, 100, 164}, kSingleSelection))),
    Anchored(kAnchorTopRight, Button(kIdTeamClose, "list.close", {395, 299, 50, 14})),
};

} // namespace

constexpr DialogTemplate kTeamDialog = {
    kIdTeamDialog, "team.caption", 594, 314, 8, kResizable | kMinMaxBoxes, kTeamControls,
};

} // namespace res
