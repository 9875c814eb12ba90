#pragma once
// Dialogs 134 and 132: the task force and script windows, the entry list on the left and the
// entry's section as free text on the right, with what the caret's line means below it.

#include "res/resources.h"

namespace res {

enum : int {
    kIdTaskForceDialog = 134,
    kIdTaskForceList = 1011,
    kIdTaskForceTitle = 1053,
    kIdTaskForceText = 1071,
    kIdTaskForceNew = 1001,
    kIdTaskForceTidy = 1004,
    kIdTaskForceSave = 1002,
    kIdTaskForceDelete = 1005,
    kIdTaskForceClose = 1003,
    kIdTaskForceFilter = 1080,
    kIdTaskForceUsageCaption = 1081,
    kIdTaskForceUsage = 1082,
    kIdTaskForceCopy = 1090,
    kIdTaskForceRename = 1091,
    kIdTaskForceExplanation = 1092,
    kIdTaskForceInsertMember = 1093,

    kIdScriptDialog = 132,
    kIdScriptList = 1004,
    kIdScriptTitle = 1072,
    kIdScriptText = 1071,
    kIdScriptNew = 1059,
    kIdScriptTidy = 1068,
    kIdScriptSave = 1001,
    kIdScriptDelete = 1050,
    kIdScriptClose = 1003,
    kIdScriptFilter = 1080,
    kIdScriptUsageCaption = 1081,
    kIdScriptUsage = 1082,
    kIdScriptCopy = 1090,
    kIdScriptRename = 1091,
    kIdScriptExplanation = 1092,
    kIdScriptInsertAction = 1093,
};

extern const DialogTemplate kTaskForceDialog;
extern const DialogTemplate kScriptDialog;

} // namespace res
