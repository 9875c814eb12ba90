#include "res/entrytextdialogs.h"

namespace res {

namespace {

// The list follows the window's height, the text field both ways; what the caret's line means,
// the box that adds a member and the buttons stay below the text, and what uses the shown entry
// lies along the bottom.
constexpr Control kTaskForceControls[] = {
    Named(u"筛选", SearchField(kIdTaskForceFilter, {0, 0, 153, 13})),
    Anchored(kAnchorTopLeft | kAnchorBottom,
             Named(u"派遣部队列表", List(kIdTaskForceList, {0, 15, 153, 285}))),
    Anchored(kAnchorTopLeft | kAnchorRight,
             Text(kIdTaskForceTitle, u"我是标题!!!", {157, 6, 265, 8})),
    Anchored(kAnchorAll,
             Named(u"派遣部队内容", TextArea(kIdTaskForceText, {155, 17, 271, 145}, kNoWrap))),
    Anchored(kAnchorBottomLeft | kAnchorRight,
             Text(kIdTaskForceExplanation, {}, {157, 165, 269, 9})),
    Anchored(kAnchorBottomLeft, Label(u"插入成员", {157, 180, 34, 8}, kIdTaskForceInsertMember)),
    Anchored(kAnchorBottomLeft,
             ComboBox(kIdTaskForceInsertMember, {194, 178, 180, 150}, kFilterAsTyped)),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceNew, u"新增", {158, 195, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceTidy, u"理顺部队", {213, 195, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceSave, u"保存", {268, 192, 50, 36})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceDelete, u"删除", {323, 195, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceCopy, u"复制", {158, 212, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceRename, u"改名", {213, 212, 50, 14})),
    Anchored(kAnchorBottomRight, Button(kIdTaskForceClose, u"关闭窗口", {377, 218, 50, 14})),
    Anchored(kAnchorBottomLeft, Text(kIdTaskForceUsageCaption, u"使用处", {157, 236, 200, 8})),
    Anchored(kAnchorBottomLeft | kAnchorRight,
             Named(u"使用处", List(kIdTaskForceUsage, {155, 246, 271, 54}, kSingleSelection))),
};

// As the task force window, with the box that adds an action line between the text and the
// buttons.
constexpr Control kScriptControls[] = {
    Named(u"筛选", SearchField(kIdScriptFilter, {0, 0, 150, 13})),
    Anchored(kAnchorTopLeft | kAnchorBottom,
             Named(u"脚本列表", List(kIdScriptList, {0, 15, 150, 325}))),
    Anchored(kAnchorTopLeft | kAnchorRight,
             Text(kIdScriptTitle, u"我是标题!!!", {151, 4, 326, 15})),
    Anchored(kAnchorAll, Named(u"脚本内容", TextArea(kIdScriptText, {151, 20, 327, 173}, kNoWrap))),
    Anchored(kAnchorBottomLeft | kAnchorRight, Text(kIdScriptExplanation, {}, {153, 196, 325, 9})),
    Anchored(kAnchorBottomLeft, Label(u"插入动作", {153, 210, 34, 8}, kIdScriptInsertAction)),
    Anchored(kAnchorBottomLeft, ComboBox(kIdScriptInsertAction, {190, 208, 130, 150}, kNoStyle)),
    Anchored(kAnchorBottomLeft, Button(kIdScriptNew, u"新增", {165, 230, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptTidy, u"理顺脚本", {222, 230, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptSave, u"保存", {279, 230, 50, 36})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptDelete, u"删除", {336, 230, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptCopy, u"复制", {165, 247, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptRename, u"改名", {222, 247, 50, 14})),
    Anchored(kAnchorBottomRight, Button(kIdScriptClose, u"关闭窗口", {429, 258, 50, 14})),
    Anchored(kAnchorBottomLeft, Text(kIdScriptUsageCaption, u"使用处", {153, 274, 200, 8})),
    Anchored(kAnchorBottomLeft | kAnchorRight,
             Named(u"使用处", List(kIdScriptUsage, {151, 284, 327, 54}, kSingleSelection))),
};

} // namespace

constexpr DialogTemplate kTaskForceDialog = {
    kIdTaskForceDialog, u"派遣部队窗口", 427, 300, 8, kResizable | kMinMaxBoxes, kTaskForceControls,
};

constexpr DialogTemplate kScriptDialog = {
    kIdScriptDialog, u"脚本窗口", 479, 340, 8, kResizable | kMinMaxBoxes, kScriptControls,
};

} // namespace res
