#include "res/entrytextdialogs.h"

namespace res {

namespace {

// The list follows the window's height, the text field both ways; what the caret's line means,
// the box that adds a member and the buttons stay below the text, and what uses the shown entry
// lies along the bottom.
constexpr Control kTaskForceControls[] = {
    Named("list.filterName", SearchField(kIdTaskForceFilter, {0, 0, 153, 13})),
    Anchored(kAnchorTopLeft | kAnchorBottom,
             Named("taskForce.list", List(kIdTaskForceList, {0, 15, 153, 285}))),
    Anchored(kAnchorTopLeft | kAnchorRight,
             Text(kIdTaskForceTitle, "entryText.title", {157, 6, 265, 8})),
    Anchored(kAnchorAll,
             Named("taskForce.text", TextArea(kIdTaskForceText, {155, 17, 271, 145}, kNoWrap))),
    Anchored(kAnchorBottomLeft | kAnchorRight,
             Text(kIdTaskForceExplanation, {}, {157, 165, 269, 9})),
    Anchored(kAnchorBottomLeft,
             Label("taskForce.insertMember", {157, 180, 52, 8}, kIdTaskForceInsertMember)),
    Anchored(kAnchorBottomLeft,
             ComboBox(kIdTaskForceInsertMember, {212, 178, 180, 150}, kFilterAsTyped)),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceNew, "list.new", {158, 195, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceTidy, "taskForce.tidy", {213, 195, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceSave, "list.save", {268, 192, 50, 36})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceDelete, "list.delete", {323, 195, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceCopy, "list.copy", {158, 212, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdTaskForceRename, "list.rename", {213, 212, 50, 14})),
    Anchored(kAnchorBottomRight, Button(kIdTaskForceClose, "list.close", {377, 218, 50, 14})),
    Anchored(kAnchorBottomLeft, Text(kIdTaskForceUsageCaption, "list.usage", {157, 236, 200, 8})),
    Anchored(kAnchorBottomLeft | kAnchorRight,
             Named("list.usage", List(kIdTaskForceUsage, {155, 246, 271, 54}, kSingleSelection))),
};

// As the task force window, with the box that adds an action line between the text and the
// buttons.
constexpr Control kScriptControls[] = {
    Named("list.filterName", SearchField(kIdScriptFilter, {0, 0, 150, 13})),
    Anchored(kAnchorTopLeft | kAnchorBottom,
             Named("script.list", List(kIdScriptList, {0, 15, 150, 325}))),
    Anchored(kAnchorTopLeft | kAnchorRight,
             Text(kIdScriptTitle, "entryText.title", {151, 4, 326, 15})),
    Anchored(kAnchorAll,
             Named("script.text", TextArea(kIdScriptText, {151, 20, 327, 173}, kNoWrap))),
    Anchored(kAnchorBottomLeft | kAnchorRight, Text(kIdScriptExplanation, {}, {153, 196, 325, 9})),
    Anchored(kAnchorBottomLeft,
             Label("script.insertAction", {153, 210, 46, 8}, kIdScriptInsertAction)),
    Anchored(kAnchorBottomLeft, ComboBox(kIdScriptInsertAction, {202, 208, 130, 150}, kNoStyle)),
    Anchored(kAnchorBottomLeft, Button(kIdScriptNew, "list.new", {165, 230, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptTidy, "script.tidy", {222, 230, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptSave, "list.save", {279, 230, 50, 36})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptDelete, "list.delete", {336, 230, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptCopy, "list.copy", {165, 247, 50, 14})),
    Anchored(kAnchorBottomLeft, Button(kIdScriptRename, "list.rename", {222, 247, 50, 14})),
    Anchored(kAnchorBottomRight, Button(kIdScriptClose, "list.close", {429, 258, 50, 14})),
    Anchored(kAnchorBottomLeft, Text(kIdScriptUsageCaption, "list.usage", {153, 274, 200, 8})),
    Anchored(kAnchorBottomLeft | kAnchorRight,
             Named("list.usage", List(kIdScriptUsage, {151, 284, 327, 54}, kSingleSelection))),
};

} // namespace

constexpr DialogTemplate kTaskForceDialog = {
    kIdTaskForceDialog,        "taskForce.caption", 427, 300, 8,
    kResizable | kMinMaxBoxes, kTaskForceControls,
};

constexpr DialogTemplate kScriptDialog = {
    kIdScriptDialog, "script.caption", 479, 340, 8, kResizable | kMinMaxBoxes, kScriptControls,
};

} // namespace res
