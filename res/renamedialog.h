#pragma once
// Dialog 141: the rename dialog, the entry's ID, the new one and what the rename will change.

#include "res/resources.h"

namespace res {

enum : int {
    kIdRenameDialog = 141,
    kIdRenameOld = 1001,
    kIdRenameNew = 1002,
    kIdRenameCount = 1003,
    kIdRenameOk = 1004,
    kIdRenameCancel = 1005,
};

extern const DialogTemplate kRenameDialog;

} // namespace res
