#pragma once
// Dialog 135: the trigger window, the trigger list on the left and the form of one trigger.

#include "res/resources.h"

namespace res {

enum : int {
    kIdTriggerDialog = 135,
    kIdTriggerList = 1012,
    kIdTriggerTitle = 1067,
    kIdTriggerName = 1047,
    kIdTriggerHouse = 1024,
    kIdTriggerTechLevel = 1060,
    kIdTriggerCondition = 1025,
    kIdTriggerOperator = 1070,
    kIdTriggerValue = 1066,
    kIdTriggerConditionObject = 1026,
    kIdTriggerEasy = 1030,
    kIdTriggerMedium = 1031,
    kIdTriggerHard = 1032,
    kIdTriggerTeam = 1069,
    kIdTriggerSide = 1065,
    kIdTriggerMinWeight = 1062,
    kIdTriggerBaseWeight = 1063,
    kIdTriggerMaxWeight = 1064,
    kIdTriggerNew = 1001,
    kIdTriggerSave = 1050,
    kIdTriggerDelete = 1068,
    kIdTriggerJump = 1059,
    kIdTriggerAutoJump = 1033,
    kIdTriggerClose = 1003,
    kIdTriggerFilter = 1080,
    kIdTriggerSecondTeam = 1071,
    kIdTriggerSkirmish = 1072,
    kIdTriggerBaseDefense = 1073,
    kIdTriggerCopy = 1090,
    kIdTriggerRename = 1091,
    kIdTriggerCopyChain = 1092,
};

extern const DialogTemplate kTriggerDialog;

} // namespace res
