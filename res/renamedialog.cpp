#include "res/renamedialog.h"

namespace res {

namespace {

constexpr Control kRenameControls[] = {
    Label(u"原注册名称", {7, 9, 42, 8}, kIdRenameOld),
    Text(kIdRenameOld, u"", {52, 9, 178, 8}),
    Label(u"新注册名称", {7, 26, 42, 8}, kIdRenameNew),
    Edit(kIdRenameNew, {52, 24, 178, 14}),
    Text(kIdRenameCount, u"", {7, 44, 223, 8}),
    Button(kIdRenameOk, u"确定", {122, 58, 50, 14}),
    Button(kIdRenameCancel, u"取消", {180, 58, 50, 14}),
};

} // namespace

constexpr DialogTemplate kRenameDialog = {
    kIdRenameDialog, u"改名", 237, 78, 8, kNoStyle, kRenameControls,
};

} // namespace res
