#include "res/resources.h"

#include "res/addnewdialog.h"
#include "res/entrytextdialogs.h"
#include "res/renamedialog.h"
#include "res/teamdialog.h"
#include "res/transferdialogs.h"
#include "res/triggerdialog.h"

#include <algorithm>

namespace res {

namespace {

// To add a dialog: write its controls and template below, then list it in kDialogs.

// Dialog 102: the main window.
constexpr Control kMainControls[] = {
    Text(kIdEncodingNote, "main.encodingNote", {7, 7, 107, 25}),
    CheckBox(kIdAutoDetectStart, "main.autoDetectStart", {7, 32, 132, 10}),
};
constexpr DialogTemplate kMainDialog = {
    kIdMainDialog, "main.caption", 320, 200, 9, kResizable | kMinMaxBoxes | kAcceptFiles,
    kMainControls,
};

// Dialog 140: the about box, empty.
constexpr DialogTemplate kAboutDialog = {
    kIdAboutDialog, "about.caption", 309, 197, 8, kNoStyle, {}};

constexpr const DialogTemplate *kDialogs[] = {
    &kMainDialog,      &kAboutDialog,  &kTeamDialog,   &kTriggerDialog, &kAddNewDialog,
    &kTaskForceDialog, &kScriptDialog, &kRenameDialog, &kImportDialog,  &kChainDialog,
};

// Menu 130: the main window's menu.
constexpr MenuItem kFileItems[] = {
    {"menu.open", kCmdOpen},
    {"menu.recent", kCmdRecentFiles},
    {"menu.save", kCmdSave},
    {"menu.import", kCmdImport},
    {"menu.checkFile", kCmdCheckFile},
    {"menu.rulesFile", kCmdRulesFile},
    {"menu.stringTable", kCmdStringTable},
    {"menu.engine", kCmdEngine},
    {"menu.exit", kCmdExit},
};
constexpr MenuItem kEditItems[] = {
    {"menu.undo", kCmdUndo},
    {"menu.redo", kCmdRedo},
};
constexpr MenuItem kToolItems[] = {
    {"menu.migratePhobos", kCmdMigratePhobos},
};
constexpr MenuItem kWindowItems[] = {
    {"menu.showAll", kCmdShowAll},
    {"menu.hideAll", kCmdHideAll},
};
// The about item under a menu of its own, as no system menu takes it here; the languages as a
// submenu the main window fills, named in both so that a user lost in either finds it.
constexpr MenuItem kHelpItems[] = {
    {"menu.about", kCmdAbout},
    {"menu.language", kCmdLanguage},
};
constexpr Popup kMainPopups[] = {
    {"menu.file", kFileItems},     {"menu.edit", kEditItems}, {"menu.tools", kToolItems},
    {"menu.window", kWindowItems}, {"menu.help", kHelpItems},
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

template <class T, size_t N> const T *FindById(const T *const (&table)[N], int id) {
    auto it =
        std::find_if(std::begin(table), std::end(table), [id](const T *t) { return t->id == id; });
    return it == std::end(table) ? nullptr : *it;
}

} // namespace

const DialogTemplate *FindDialog(int id) { return FindById(kDialogs, id); }

const Menu *FindMenu(int id) { return FindById(kMenus, id); }

std::span<const Accelerator> Accelerators() { return kAccelerators; }

std::span<const DialogTemplate *const> AllDialogs() { return kDialogs; }

} // namespace res
