#pragma once
// Dialog 142: the import window, the other file's entries to pick from.
// Dialog 143: the copy-chain dialog, a suffix per copy of the shown trigger's chain.

#include "res/resources.h"

namespace res {

enum : int {
    kIdImportDialog = 142,
    kIdImportFile = 1001,
    kIdImportFilter = 1002,
    kIdImportList = 1003,
    kIdImportCount = 1004,
    kIdImportOk = 1005,
    kIdImportClose = 1006,

    kIdChainDialog = 143,
    kIdChainTrigger = 1001,
    kIdChainPlain = 1010,
    kIdChainEasy = 1011,
    kIdChainMedium = 1012,
    kIdChainHard = 1013,
    kIdChainPlainSuffix = 1020,
    kIdChainEasySuffix = 1021,
    kIdChainMediumSuffix = 1022,
    kIdChainHardSuffix = 1023,
    kIdChainOk = 1030,
    kIdChainCancel = 1031,
};

extern const DialogTemplate kImportDialog;
extern const DialogTemplate kChainDialog;

} // namespace res
