#include "res/renamedialog.h"

namespace res {

namespace {

constexpr Control kRenameControls[] = {
    Label("rename.old", {7, 9, 42, 8}, kIdRenameOld),
    Text(kIdRenameOld, {}, {52, 9, 178, 8}),
    Label("rename.new", {7, 26, 42, 8}, kIdRenameNew),
    Edit(kIdRenameNew, {52, 24, 178, 14}),
    Text(kIdRenameCount, {}, {7, 44, 223, 8}),
    Button(kIdRenameOk, "rename.ok", {122, 58, 50, 14}),
    Button(kIdRenameCancel, "rename.cancel", {180, 58, 50, 14}),
};

} // namespace

constexpr DialogTemplate kRenameDialog = {
    kIdRenameDialog, "rename.caption", 237, 78, 8, kNoStyle, kRenameControls,
};

} // namespace res
