#pragma once
// Dialog 131: the team window, the team list on the left and the form of one team.

#include "res/resources.h"

namespace res {

enum : int {
    kIdTeamDialog = 131,
    kIdTeamList = 1002,
    kIdTeamHint = 1053,
    kIdTeamComment = 1047,
    kIdTeamPriority = 1057,
    kIdTeamMax = 1058,
    kIdTeamTaskForce = 1024,
    kIdTeamScript = 1025,
    kIdTeamSave = 1003,
    kIdTeamNew = 1050,
    kIdTeamDelete = 1059,
    kIdTeamJump = 1068,
    kIdTeamAutoJump = 1073,
    kIdTeamClose = 1001,
    kIdTeamLoadable = 1030,
    kIdTeamVeteranLevel = 1074,
    kIdTeamMindControl = 1075,
    kIdTeamHouse = 1076,
    kIdTeamTechLevel = 1077,
    kIdTeamGroup = 1078,
    kIdTeamOnTransOnly = 1079,
    kIdTeamFilter = 1080,
    kIdTeamUsageCaption = 1081,
    kIdTeamUsage = 1082,
    kIdTeamCopy = 1090,
    kIdTeamRename = 1091,
};

// The control of each key of a team's body, in the order of the body's layout: Name, Priority,
// Max, the block every team carries, the 19 flags (Full first), Script and TaskForce.
inline constexpr int kTeamKeyIds[] = {kIdTeamComment,
                                      kIdTeamPriority,
                                      kIdTeamMax,
                                      kIdTeamVeteranLevel,
                                      kIdTeamMindControl,
                                      kIdTeamHouse,
                                      kIdTeamLoadable,
                                      kIdTeamTechLevel,
                                      kIdTeamGroup,
                                      kIdTeamOnTransOnly,
                                      1042,
                                      1048,
                                      1031,
                                      1043,
                                      1052,
                                      1040,
                                      1032,
                                      1044,
                                      1036,
                                      1033,
                                      1041,
                                      1034,
                                      1039,
                                      1035,
                                      1038,
                                      1055,
                                      1037,
                                      1046,
                                      1054,
                                      kIdTeamScript,
                                      kIdTeamTaskForce};

extern const DialogTemplate kTeamDialog;

} // namespace res
