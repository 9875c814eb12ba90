#include "res/addnewdialog.h"

namespace res {

namespace {

// The index of each choice is the kind it creates: the confirm step relies on this order.
constexpr std::u16string_view kKinds[] = {u"触发", u"队伍", u"脚本", u"人员"};

constexpr Control kAddNewControls[] = {
    Named(u"新增类型", ComboBox(kIdAddNewKind, {7, 7, 63, 30}, kNoStyle, kKinds)),
    Named(u"注册名称", Edit(kIdAddNewId, {74, 7, 206, 14})),
};

} // namespace

constexpr DialogTemplate kAddNewDialog = {
    kIdAddNewDialog, u"新增内容", 287, 28, 8, kNoStyle, kAddNewControls,
};

} // namespace res
