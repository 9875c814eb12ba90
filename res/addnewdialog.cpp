#include "res/addnewdialog.h"

namespace res {

namespace {

// The index of each choice is the kind it creates: the confirm step relies on this order.
constexpr std::string_view kKinds[] = {"kind.trigger", "kind.team", "kind.script",
                                       "kind.taskForce"};

constexpr Control kAddNewControls[] = {
    Named("addNew.kindName", ComboBox(kIdAddNewKind, {7, 7, 63, 30}, kNoStyle, kKinds)),
    Named("addNew.id", Edit(kIdAddNewId, {74, 7, 206, 14})),
};

} // namespace

constexpr DialogTemplate kAddNewDialog = {
    kIdAddNewDialog, "addNew.caption", 287, 28, 8, kNoStyle, kAddNewControls,
};

} // namespace res
