#pragma once
// Dialog 138: the new entry dialog, a kind and an ID; Enter confirms, Escape hides.

#include "res/resources.h"

namespace res {

enum : int {
    kIdAddNewDialog = 138,
    kIdAddNewKind = 1024,
    kIdAddNewId = 1047,
};

extern const DialogTemplate kAddNewDialog;

} // namespace res
