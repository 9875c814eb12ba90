#include "res/transferdialogs.h"

namespace res {

namespace {

constexpr Control kImportControls[] = {
    Anchored(kAnchorTopLeft | kAnchorRight, Text(kIdImportFile, {}, {7, 6, 306, 8})),
    Anchored(kAnchorTopLeft | kAnchorRight,
             Named("list.filterName", SearchField(kIdImportFilter, {7, 18, 306, 13}))),
    Anchored(kAnchorAll, Named("import.list", List(kIdImportList, {7, 34, 306, 190}))),
    Anchored(kAnchorBottomLeft | kAnchorRight, Text(kIdImportCount, {}, {7, 231, 190, 8})),
    Anchored(kAnchorBottomRight, Button(kIdImportOk, "import.ok", {205, 228, 50, 14})),
    Anchored(kAnchorBottomRight, Button(kIdImportClose, "import.close", {263, 228, 50, 14})),
};

// Each copy: a check box that asks for it and its suffix.
constexpr Control kChainControls[] = {
    Text(kIdChainTrigger, {}, {7, 7, 216, 8}),
    CheckBox(kIdChainPlain, "chain.plain", {7, 24, 90, 10}),
    Label("chain.suffix", {100, 25, 23, 8}, kIdChainPlainSuffix),
    Edit(kIdChainPlainSuffix, {125, 23, 98, 14}),
    CheckBox(kIdChainEasy, "chain.easy", {7, 42, 90, 10}),
    Label("chain.suffix", {100, 43, 23, 8}, kIdChainEasySuffix),
    Edit(kIdChainEasySuffix, {125, 41, 98, 14}),
    CheckBox(kIdChainMedium, "chain.medium", {7, 60, 90, 10}),
    Label("chain.suffix", {100, 61, 23, 8}, kIdChainMediumSuffix),
    Edit(kIdChainMediumSuffix, {125, 59, 98, 14}),
    CheckBox(kIdChainHard, "chain.hard", {7, 78, 90, 10}),
    Label("chain.suffix", {100, 79, 23, 8}, kIdChainHardSuffix),
    Edit(kIdChainHardSuffix, {125, 77, 98, 14}),
    Button(kIdChainOk, "rename.ok", {115, 98, 50, 14}),
    Button(kIdChainCancel, "rename.cancel", {173, 98, 50, 14}),
};

} // namespace

constexpr DialogTemplate kImportDialog = {
    kIdImportDialog, "import.caption", 320, 248, 8, kResizable | kMinMaxBoxes, kImportControls,
};

constexpr DialogTemplate kChainDialog = {
    kIdChainDialog, "chain.caption", 230, 118, 8, kNoStyle, kChainControls,
};

} // namespace res
