#include "res/transferdialogs.h"

namespace res {

namespace {

constexpr Control kImportControls[] = {
    Anchored(kAnchorTopLeft | kAnchorRight, Text(kIdImportFile, u"", {7, 6, 306, 8})),
    Anchored(kAnchorTopLeft | kAnchorRight,
             Named(u"筛选", SearchField(kIdImportFilter, {7, 18, 306, 13}))),
    Anchored(kAnchorAll, Named(u"条目", List(kIdImportList, {7, 34, 306, 190}))),
    Anchored(kAnchorBottomLeft | kAnchorRight, Text(kIdImportCount, u"", {7, 231, 190, 8})),
    Anchored(kAnchorBottomRight, Button(kIdImportOk, u"导入", {205, 228, 50, 14})),
    Anchored(kAnchorBottomRight, Button(kIdImportClose, u"关闭", {263, 228, 50, 14})),
};

// Each copy: a check box that asks for it and its suffix.
constexpr Control kChainControls[] = {
    Text(kIdChainTrigger, u"", {7, 7, 216, 8}),
    CheckBox(kIdChainPlain, u"副本（难度不变）", {7, 24, 90, 10}),
    Label(u"后缀", {104, 25, 17, 8}, kIdChainPlainSuffix),
    Edit(kIdChainPlainSuffix, {125, 23, 98, 14}),
    CheckBox(kIdChainEasy, u"简单", {7, 42, 90, 10}),
    Label(u"后缀", {104, 43, 17, 8}, kIdChainEasySuffix),
    Edit(kIdChainEasySuffix, {125, 41, 98, 14}),
    CheckBox(kIdChainMedium, u"中等", {7, 60, 90, 10}),
    Label(u"后缀", {104, 61, 17, 8}, kIdChainMediumSuffix),
    Edit(kIdChainMediumSuffix, {125, 59, 98, 14}),
    CheckBox(kIdChainHard, u"困难", {7, 78, 90, 10}),
    Label(u"后缀", {104, 79, 17, 8}, kIdChainHardSuffix),
    Edit(kIdChainHardSuffix, {125, 77, 98, 14}),
    Button(kIdChainOk, u"确定", {115, 98, 50, 14}),
    Button(kIdChainCancel, u"取消", {173, 98, 50, 14}),
};

} // namespace

constexpr DialogTemplate kImportDialog = {
    kIdImportDialog, u"导入条目", 320, 248, 8, kResizable | kMinMaxBoxes, kImportControls,
};

constexpr DialogTemplate kChainDialog = {
    kIdChainDialog, u"复制整链", 230, 118, 8, kNoStyle, kChainControls,
};

} // namespace res
