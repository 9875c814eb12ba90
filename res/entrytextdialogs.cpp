#include "res/entrytextdialogs.h"

namespace res {

namespace {

constexpr Control kTaskForceControls[] = {
    Named(u"派遣部队列表", List(kIdTaskForceList, {0, 0, 117, 232})),
    Text(kIdTaskForceTitle, u"我是标题!!!", {121, 6, 265, 8}),
    Named(u"派遣部队内容", TextArea(kIdTaskForceText, {119, 17, 271, 165}, kNoWrap)),
    Button(kIdTaskForceNew, u"新增", {122, 195, 50, 14}),
    Button(kIdTaskForceTidy, u"理顺部队", {177, 195, 50, 14}),
    Button(kIdTaskForceSave, u"保存", {232, 192, 50, 36}),
    Button(kIdTaskForceDelete, u"删除", {287, 195, 50, 14}),
    Button(kIdTaskForceClose, u"关闭窗口", {341, 218, 50, 14}),
};

constexpr Control kScriptControls[] = {
    Named(u"脚本列表", List(kIdScriptList, {0, 0, 114, 260})),
    Text(kIdScriptTitle, u"我是标题!!!", {115, 4, 326, 15}),
    Named(u"脚本内容", TextArea(kIdScriptText, {115, 20, 327, 185}, kNoWrap)),
    Button(kIdScriptNew, u"新增", {129, 218, 50, 14}),
    Button(kIdScriptTidy, u"理顺脚本", {186, 218, 50, 14}),
    Button(kIdScriptSave, u"保存", {243, 218, 50, 36}),
    Button(kIdScriptDelete, u"删除", {300, 218, 50, 14}),
    Button(kIdScriptClose, u"关闭窗口", {393, 246, 50, 14}),
};

} // namespace

constexpr DialogTemplate kTaskForceDialog = {
    kIdTaskForceDialog, u"派遣部队窗口", 391, 232, 8, kNoStyle, kTaskForceControls,
};

constexpr DialogTemplate kScriptDialog = {
    kIdScriptDialog, u"脚本窗口", 443, 260, 8, kNoStyle, kScriptControls,
};

} // namespace res
