#include "res/resources.h"

#include "res/addnewdialog.h"
#include "res/entrytextdialogs.h"
#include "res/renamedialog.h"
#include "res/teamdialog.h"
#include "res/transferdialogs.h"
#include "res/triggerdialog.h"

#include <algorithm>
#include <utility>

namespace res {

namespace {

// To add a dialog: write its controls and template below, then list it in kDialogs.

// Dialog 102: the main window.
constexpr Control kMainControls[] = {
    Text(kIdEncodingNote, u"注意：请检查ini文件打开的时候是否为ANSI格式!", {7, 7, 107, 25}),
    CheckBox(kIdAutoDetectStart, u"自动检测开始注册号", {7, 32, 78, 10}),
};
constexpr DialogTemplate kMainDialog = {
    kIdMainDialog, u"VantaEdit", 320, 200, 9, kResizable | kMinMaxBoxes | kAcceptFiles,
    kMainControls,
};

// Dialog 140: the about box, empty.
constexpr DialogTemplate kAboutDialog = {kIdAboutDialog, u"Dialog", 309, 197, 8, kNoStyle, {}};

constexpr const DialogTemplate *kDialogs[] = {
    &kMainDialog,      &kAboutDialog,  &kTeamDialog,   &kTriggerDialog, &kAddNewDialog,
    &kTaskForceDialog, &kScriptDialog, &kRenameDialog, &kImportDialog,  &kChainDialog,
};

// Menu 130: the main window's menu.
constexpr MenuItem kFileItems[] = {
    {u"打开", kCmdOpen},
    {u"最近打开的文件", kCmdRecentFiles},
    {u"保存", kCmdSave},
    {u"导入条目...", kCmdImport},
    {u"检查文件...", kCmdCheckFile},
    {u"规则文件...", kCmdRulesFile},
    {u"字符串表...", kCmdStringTable},
    {u"引擎扩展", kCmdEngine},
    {u"退出程序", kCmdExit},
};
constexpr MenuItem kEditItems[] = {
    {u"撤销", kCmdUndo},
    {u"重做", kCmdRedo},
};
constexpr MenuItem kToolItems[] = {
    {u"迁移到 Phobos 新编号", kCmdMigratePhobos},
};
constexpr MenuItem kWindowItems[] = {
    {u"显示所有窗口", kCmdShowAll},
    {u"隐藏所有窗口", kCmdHideAll},
};
// The about item: string 101, under a menu of its own, as no system menu takes it here.
constexpr std::u16string_view kAboutItem = u"关于 VantaEdit(&A)...";
constexpr MenuItem kHelpItems[] = {
    {kAboutItem, kCmdAbout},
};
constexpr Popup kMainPopups[] = {
    {u"文件", kFileItems},   {u"编辑", kEditItems}, {u"工具", kToolItems},
    {u"窗口", kWindowItems}, {u"帮助", kHelpItems},
};
constexpr Menu kMainMenu = {kIdMainMenu, kMainPopups};

constexpr const Menu *kMenus[] = {&kMainMenu};

// The keys of the main window's menu commands, one line per key.
constexpr Accelerator kAccelerators[] = {
    {kCmdOpen, u"Ctrl+O"},
    {kCmdSave, u"Ctrl+S"},
    {kCmdUndo, u"Ctrl+Z", Accelerator::TextFirst::Undo},
    {kCmdRedo, u"Ctrl+Y", Accelerator::TextFirst::Redo},
    {kCmdRedo, u"Ctrl+Shift+Z", Accelerator::TextFirst::Redo},
};

constexpr std::pair<int, std::u16string_view> kStrings[] = {
    {kIdAboutString, kAboutItem},
};

template <class T, size_t N> const T *FindById(const T *const (&table)[N], int id) {
    auto it =
        std::find_if(std::begin(table), std::end(table), [id](const T *t) { return t->id == id; });
    return it == std::end(table) ? nullptr : *it;
}

} // namespace

const DialogTemplate *FindDialog(int id) { return FindById(kDialogs, id); }

const Menu *FindMenu(int id) { return FindById(kMenus, id); }

std::u16string_view String(int id) {
    for (const auto &[stringId, text] : kStrings) {
        if (stringId == id) return text;
    }
    return {};
}

std::span<const Accelerator> Accelerators() { return kAccelerators; }

std::span<const DialogTemplate *const> AllDialogs() { return kDialogs; }

} // namespace res
