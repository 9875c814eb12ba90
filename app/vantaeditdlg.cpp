#include "app/vantaeditdlg.h"

#include "app/importwindow.h"
#include "app/opensave.h"
#include "app/recoverykeeper.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "document/filereport.h"
#include "document/rulesfile.h"
#include "document/stringtable.h"
#include "newentry/addnew.h"
#include "platform/language.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "res/resources.h"
#include "res/text.h"
#include "scripts/actiontable.h"
#include "scripts/scriptwindow.h"
#include "taskforces/taskforcewindow.h"
#include "teams/teamwindow.h"
#include "triggers/triggerwindow.h"
#include "ui/editorwindows.h"

#include <algorithm>

namespace {

const std::u16string kRecentKey = u"recentFiles";
constexpr size_t kRecentCount = 8;
// Pairs of an opened file's path and its rules file's (or string table's) path, the pair set last
// first.
const std::u16string kRulesKey = u"rulesFiles";
const std::u16string kLanguageKey = u"language";
const std::u16string kStringTablesKey = u"stringTables";
constexpr size_t kRulesCount = 32;

void WriteRecentFiles(std::vector<std::u16string> files) {
    if (files.size() > kRecentCount) files.resize(kRecentCount);
    gui::WriteSetting(kRecentKey, files);
}

std::u16string RememberedRulesFile(const std::u16string &file,
                                   const std::u16string &key = kRulesKey) {
    const std::vector<std::u16string> pairs = gui::ReadSetting(key);
    for (size_t i = 0; i + 1 < pairs.size(); i += 2)
        if (pairs[i] == file) return pairs[i + 1];
    return {};
}

// Remembers `rules` for `file`, or forgets what was remembered for it when `rules` is empty.
void RememberRulesFile(const std::u16string &file, const std::u16string &rules,
                       const std::u16string &key = kRulesKey) {
    const std::vector<std::u16string> old = gui::ReadSetting(key);
    std::vector<std::u16string> pairs;
    if (!rules.empty()) pairs = {file, rules};
    for (size_t i = 0; i + 1 < old.size() && pairs.size() < 2 * kRulesCount; i += 2) {
        if (old[i] == file) continue;
        pairs.insert(pairs.end(), {old[i], old[i + 1]});
    }
    gui::WriteSetting(key, pairs);
}

// Triples of an opened file's path, its engine's name and its action table's path (or empty), the
// triple set last first.
const std::u16string kActionsKey = u"actionProfiles";

struct RememberedActions {
    Engine engine = Engine::Base;
    std::u16string table;
};

RememberedActions RememberedActionsOf(const std::u16string &file) {
    const std::vector<std::u16string> triples = gui::ReadSetting(kActionsKey);
    for (size_t i = 0; i + 2 < triples.size(); i += 3) {
        if (triples[i] != file) continue;
        return {EngineNamed(ToNarrow(triples[i + 1])).value_or(Engine::Base), triples[i + 2]};
    }
    return {};
}

// Remembers the actions of `file`; the game's own without a table is what a file has unless told,
// so it is forgotten rather than kept.
void RememberActions(const std::u16string &file, const ActionProfile &profile) {
    const std::vector<std::u16string> old = gui::ReadSetting(kActionsKey);
    std::vector<std::u16string> triples;
    if (profile.engine() != Engine::Base || !profile.tablePath().empty())
        triples = {file, ToWide(EngineName(profile.engine())), profile.tablePath()};
    for (size_t i = 0; i + 2 < old.size() && triples.size() < 3 * kRulesCount; i += 3) {
        if (old[i] == file) continue;
        triples.insert(triples.end(), {old[i], old[i + 1], old[i + 2]});
    }
    gui::WriteSetting(kActionsKey, triples);
}

} // namespace

CVantaEditDlg::CVantaEditDlg()
    : gui::Dialog(res::kIdMainDialog),
      recovery_(std::make_unique<RecoveryKeeper>(
          model_, stamps_, RecoveryFolder(platform::EnvironmentValue), [this] { showState(); })),
      watcher_(gui::MakeFileWatcher([this] { checkFilesOnDisk(); })),
      autoDetectStart_(control<gui::CheckBox>(res::kIdAutoDetectStart)) {
    attachMenu(res::kIdMainMenu);
    fillRecentMenu();
    fillLanguageMenu();
    fillEngineMenu();

    // The modeless windows, each created here once, hidden and owned by this window: the new
    // entry window first, then the four editor windows, which then go to their corners.
    scripts_ = std::make_unique<Cscripts>(model_, this);
    taskForces_ = std::make_unique<CTaskForces>(model_, this);
    addNew_ = std::make_unique<CAddnew>(model_, this, [this](NewEntryKind kind) {
        return kind == NewEntryKind::Script      ? scripts_->rowCount()
               : kind == NewEntryKind::TaskForce ? taskForces_->rowCount()
                                                 : 0;
    });
    teams_ = std::make_unique<CArmy>(model_, this);
    triggers_ = std::make_unique<CAIT>(model_, this);
    import_ = std::make_unique<CImportWindow>(model_, this);
    g_addNewWindow = addNew_.get();
    g_teamWindow = teams_.get();
    g_scriptWindow = scripts_.get();
    g_taskForceWindow = taskForces_.get();
    g_triggerWindow = triggers_.get();
    PlaceEditorWindows(gui::WorkArea());

    changed_ = model_.changed.connect([this] { documentChanged(); });
    gui::SetOnApplicationActivated([this] { checkFilesOnDisk(); });
    documentChanged();
}

CVantaEditDlg::~CVantaEditDlg() {
    // The windows go with this one; nothing may reach them afterwards.
    g_teamWindow = g_scriptWindow = g_taskForceWindow = g_triggerWindow = g_addNewWindow = nullptr;
    gui::SetOnApplicationActivated({});
}

void CVantaEditDlg::onCommand(int id) {
    switch (id) {
    case res::kCmdOpen:
        openCommand();
        break;
    case res::kCmdSave:
        SaveFile(model_, stamps_);
        watchFiles();
        break;
    case res::kCmdCheckFile:
        CheckFile(model_);
        break;
    case res::kCmdRulesFile:
        chooseRulesFile();
        break;
    case res::kCmdStringTable:
        chooseStringTable();
        break;
    case res::kCmdImport:
        importCommand();
        break;
    case res::kCmdMigratePhobos:
        migratePhobosNumbers();
        break;
    case res::kCmdExit:
        exitCommand();
        break;
    case res::kCmdUndo:
        model_.Undo();
        break;
    case res::kCmdRedo:
        model_.Redo();
        break;
    case res::kCmdShowAll:
        ShowEditorWindows();
        break;
    case res::kCmdHideAll:
        HideAllWindows();
        break;
    case res::kCmdAbout:
        CAboutDlg(this).exec();
        break;
    }
}

bool CVantaEditDlg::onEnter() { return true; }

bool CVantaEditDlg::onEscape() { return true; }

bool CVantaEditDlg::openCommandLine(const std::vector<std::u16string> &paths) {
    if (paths.size() > 1) return false;
    // The file dialog gives full paths; the include files are found beside the opened file.
    if (paths.size() == 1) {
        openCommand(platform::AbsolutePath(paths[0]));
    } else if (std::optional<Recovery> recovered = recovery_->offerAtStart()) {
        const std::u16string path = recovered->openedPath;
        openCommand(path, std::move(recovered));
    }
    return true;
}

void CVantaEditDlg::openCommand(const std::u16string &path, std::optional<Recovery> recovered) {
    // The load takes the box's state as the command starts: the boxes and the file dialog
    // closing over the window have it painted, which ticks it again.
    const bool autoDetect = autoDetectStart_->isChecked();
    opening_ = true;
    std::u16string chosen = u"None";
    if (confirmUnsavedChanges()) chosen = path.empty() ? AskOpenPath() : path;
    if (chosen != u"None") openPath(chosen, autoDetect, std::move(recovered));
    opening_ = false;
}

void CVantaEditDlg::openPath(const std::u16string &path, bool autoDetect,
                             std::optional<Recovery> recovered) {
    recovery_->leave();
    if (!recovered) recovered = recovery_->offer(path);
    OpenFile(model_, stamps_, path, autoDetect);
    if (recovered) recovery_->restore(std::move(*recovered));
    watchFiles();
    useRememberedRulesFile();
    useRememberedStringTable();
    useRememberedActions();

    std::vector<std::u16string> recent = RecentFiles();
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    WriteRecentFiles(std::move(recent));
    fillRecentMenu();
}

std::vector<std::u16string> CVantaEditDlg::RecentFiles() { return gui::ReadSetting(kRecentKey); }

void CVantaEditDlg::fillRecentMenu() {
    const std::vector<std::u16string> files = RecentFiles();
    setSubmenu(res::kCmdRecentFiles, files, [this, files](size_t index) {
        // After the menu has closed: the command may ask questions and fill the menu again.
        gui::Post([this, file = files[index]] { openRecent(file); });
    });
}

res::Language CVantaEditDlg::ChosenLanguage() {
    const std::vector<std::u16string> chosen = gui::ReadSetting(kLanguageKey);
    if (!chosen.empty())
        if (const std::optional<res::Language> language = res::LanguageNamed(chosen[0]))
            return *language;
    return platform::SystemLanguage();
}

void CVantaEditDlg::fillLanguageMenu() {
    // Each language named in its own words, whatever the current one.
    setSubmenu(res::kCmdLanguage, {res::Str("app.languages.zh"), res::Str("app.languages.en")},
               [](size_t index) {
                   const res::Language language =
                       index == 0 ? res::Language::Chinese : res::Language::English;
                   gui::WriteSetting(kLanguageKey, {std::u16string(res::LanguageCode(language))});
                   // After the menu has closed: every window is texted again.
                   gui::Post([language] { gui::UseLanguage(language); });
               });
}

void CVantaEditDlg::onLanguageChanged() {
    showState();
    fillEngineMenu();
    // Every window shows its entry again: hints, titles and counts in the new language.
    if (model_.document.IsFileOpen()) model_.Refill();
}

void CVantaEditDlg::openRecent(const std::u16string &path) {
    if (!platform::IsExistingFile(path)) {
        platform::ShowAppMessage(res::Format("app.recentGone", {path}));
        std::vector<std::u16string> recent = RecentFiles();
        std::erase(recent, path);
        WriteRecentFiles(std::move(recent));
        fillRecentMenu();
        return;
    }
    openCommand(path);
}

void CVantaEditDlg::chooseRulesFile() {
    const Document &document = model_.document;
    if (!document.IsFileOpen()) {
        platform::ShowAppMessage(res::Str("save.nothingOpen"));
        return;
    }
    const std::u16string path = platform::AskOpenFileName(OpenFileFilter());
    if (path.empty()) return;
    RulesRead read = ReadRulesFile(path);
    if (!read.rules) {
        platform::ShowAppMessage(
            read.error +
            (model_.rules ? res::Format("app.rulesKept", {model_.rules->path}) : std::u16string()));
        return;
    }
    RememberRulesFile(document.openedPath, path);
    if (!read.rules->hasTypeList && !read.rules->hasCountryList)
        platform::ShowAppMessage(RulesFileNote(*read.rules));
    model_.SetRules(std::move(read.rules));
}

gui::Dialog *CVantaEditDlg::importWindow() const { return import_.get(); }

void CVantaEditDlg::importCommand() {
    if (!model_.document.IsFileOpen()) {
        platform::ShowAppMessage(res::Str("save.nothingOpen"));
        return;
    }
    const std::u16string path = platform::AskOpenFileName(OpenFileFilter());
    if (!path.empty()) import_->showEntriesOf(path);
}

void CVantaEditDlg::useRememberedRulesFile() {
    const std::u16string &file = model_.document.openedPath;
    const std::u16string path = RememberedRulesFile(file);
    if (path.empty()) return model_.SetRules(std::nullopt);
    if (!platform::IsExistingFile(path)) {
        RememberRulesFile(file, {});
        platform::ShowAppMessage(res::Format("app.rulesGone", {platform::FileNameOf(file), path}));
        return model_.SetRules(std::nullopt);
    }
    RulesRead read = ReadRulesFile(path);
    if (!read.rules) platform::ShowAppMessage(read.error + res::Str("app.rulesNotUsed"));
    model_.SetRules(std::move(read.rules));
}

void CVantaEditDlg::chooseStringTable() {
    const Document &document = model_.document;
    if (!document.IsFileOpen()) {
        platform::ShowAppMessage(res::Str("save.nothingOpen"));
        return;
    }
    const std::u16string path = platform::AskOpenFileName(res::Str("app.stringTableFilter"));
    if (path.empty()) return;
    StringTableRead read = ReadStringTable(path);
    if (!read.table) {
        platform::ShowAppMessage(read.error + (model_.strings ? res::Format("app.stringTableKept",
                                                                            {model_.strings->path})
                                                              : std::u16string()));
        return;
    }
    RememberRulesFile(document.openedPath, path, kStringTablesKey);
    model_.SetStrings(std::move(read.table));
}

void CVantaEditDlg::useRememberedStringTable() {
    const std::u16string &file = model_.document.openedPath;
    const std::u16string path = RememberedRulesFile(file, kStringTablesKey);
    if (path.empty()) return model_.SetStrings(std::nullopt);
    if (!platform::IsExistingFile(path)) {
        RememberRulesFile(file, {}, kStringTablesKey);
        platform::ShowAppMessage(
            res::Format("app.stringTableGone", {platform::FileNameOf(file), path}));
        return model_.SetStrings(std::nullopt);
    }
    StringTableRead read = ReadStringTable(path);
    if (!read.table) platform::ShowAppMessage(read.error + res::Str("app.stringTableNotUsed"));
    model_.SetStrings(std::move(read.table));
}

void CVantaEditDlg::fillEngineMenu() {
    const ActionProfile &actions = model_.actions;
    std::vector<std::u16string> items;
    for (int e = 0; e < kEngineCount; ++e)
        items.push_back((Engine(e) == actions.engine() ? u"● " : u"   ") + EngineLabel(Engine(e)));
    items.push_back(actions.tablePath().empty()
                        ? u"   " + res::Str("app.actionTableChoose")
                        : u"● " + res::Format("app.actionTableInUse", {actions.tablePath()}));
    if (!actions.tablePath().empty()) items.push_back(u"   " + res::Str("app.actionTableDrop"));
    setSubmenu(res::kCmdEngine, items, [this](size_t index) {
        // After the menu has closed: the command may ask for a file and fill the menu again.
        gui::Post([this, index] { chooseEngine(index); });
    });
}

void CVantaEditDlg::setActions(ActionProfile profile) {
    if (model_.document.IsFileOpen()) RememberActions(model_.document.openedPath, profile);
    model_.SetActions(std::move(profile));
    fillEngineMenu();
}

void CVantaEditDlg::chooseEngine(size_t item) {
    const ActionProfile &actions = model_.actions;
    if (item == size_t(kEngineCount) + 1) return setActions(ActionProfile(actions.engine()));
    if (item < size_t(kEngineCount)) {
        // The table in use stays over the engine chosen, read again as it now stands.
        if (actions.tablePath().empty()) return setActions(ActionProfile(Engine(item)));
        ActionTableRead read = ReadActionTable(actions.tablePath());
        if (!read.table) platform::ShowAppMessage(read.error + res::Str("app.actionTableDropped"));
        return setActions(ActionProfile(Engine(item), read.table ? &*read.table : nullptr));
    }
    if (item != size_t(kEngineCount)) return;
    const std::u16string path = platform::AskOpenFileName(OpenFileFilter());
    if (path.empty()) return;
    ActionTableRead read = ReadActionTable(path);
    if (!read.table) {
        platform::ShowAppMessage(read.error + res::Format("app.actionsKept", {actions.Label()}));
        return;
    }
    setActions(ActionProfile(actions.engine(), &*read.table));
}

void CVantaEditDlg::useRememberedActions() {
    const std::u16string &file = model_.document.openedPath;
    const RememberedActions remembered = RememberedActionsOf(file);
    if (remembered.table.empty()) return setActions(ActionProfile(remembered.engine));
    ActionTableRead read = ReadActionTable(remembered.table);
    if (!read.table)
        platform::ShowAppMessage(read.error +
                                 res::Format("app.actionsOnly", {EngineLabel(remembered.engine)}));
    // A table that is gone is forgotten; one that exists but cannot be read stays remembered.
    if (read.table || !platform::IsExistingFile(remembered.table))
        return setActions(ActionProfile(remembered.engine, read.table ? &*read.table : nullptr));
    model_.SetActions(ActionProfile(remembered.engine));
    fillEngineMenu();
}

void CVantaEditDlg::migratePhobosNumbers() {
    Document &document = model_.document;
    if (!document.IsFileOpen()) {
        platform::ShowAppMessage(res::Str("save.nothingOpen"));
        return;
    }
    RenumberedScripts moved =
        RenumberScriptActions(document.scriptSectionsText, Engine::PhobosDevbuild, Engine::Phobos);
    std::u16string text = res::Format("migrate.changed", {ToWide(std::to_string(moved.changed)),
                                                          EngineLabel(Engine::PhobosDevbuild),
                                                          EngineLabel(Engine::Phobos)});
    for (const std::u16string &note : moved.notes)
        text += u"\n" + note;
    if (moved.changed > 0) {
        model_.Edit(res::Str("step.migratePhobos"),
                    [&] { document.scriptSectionsText = std::move(moved.text); });
        // Every window shows the scripts as they now stand.
        model_.Refill();
    }
    platform::ShowAppMessage(text);
}

void CVantaEditDlg::watchFiles() {
    // A file replaced by renaming is a new file: it is watched anew after every check.
    watcher_->watch(stamps_.Paths());
}

void CVantaEditDlg::checkFilesOnDisk() {
    if (askingAboutDisk_ || !model_.document.IsFileOpen()) return;
    const std::vector<std::u16string> changed = stamps_.ChangedNotIgnored();
    watchFiles();
    if (changed.empty()) return;
    std::u16string text = res::Str("app.changedOnDisk");
    for (const std::u16string &path : changed)
        text += path + u"\n";
    text += res::Str("app.reloadQuestion");
    if (model_.IsModified()) text += res::Str("app.reloadLoses");
    askingAboutDisk_ = true;
    const platform::Answer answer =
        platform::ShowOwnedMessage(text, res::Str("app.changedCaption"),
                                   platform::Buttons::ReloadIgnore, platform::Icon::Question);
    askingAboutDisk_ = false;
    if (answer == platform::Answer::Reload)
        openPath(model_.document.openedPath, autoDetectStart_->isChecked());
    else
        stamps_.Ignore(changed);
}

void CVantaEditDlg::documentChanged() {
    recovery_->documentChanged();
    showState();
}

void CVantaEditDlg::showState() {
    auto name = [](const std::u16string &step) { return step.empty() ? step : u" " + step; };
    setMenuItem(res::kCmdUndo, res::Format("app.undo", {name(model_.history.UndoName())}),
                model_.history.CanUndo());
    setMenuItem(res::kCmdRedo, res::Format("app.redo", {name(model_.history.RedoName())}),
                model_.history.CanRedo());

    std::u16string caption = platform::kAppTitle;
    if (model_.document.IsFileOpen()) {
        caption += u" — " + platform::FileNameOf(model_.document.openedPath);
        if (model_.IsModified()) caption += u" *";
    }
    if (!recovery_->failure().empty())
        caption += res::Format("app.recoveryFailed", {recovery_->failure()});
    setCaption(caption);
}

void CVantaEditDlg::onPaint() {
    // Every paint ticks the box again, so the next load takes the start number from the file.
    if (!opening_) autoDetectStart_->setChecked(true);
}

void CVantaEditDlg::onDropFiles(const std::vector<std::u16string> &paths) {
    if (paths.size() != 1) return;
    // After the drop has ended: the drag's source is not kept waiting by a message box.
    gui::Post([this, path = paths[0]] { openCommand(path); });
}

bool CVantaEditDlg::onClose() {
    exitCommand();
    return false;
}

bool CVantaEditDlg::confirmUnsavedChanges() {
    if (!model_.IsModified()) return true;
    switch (platform::ShowOwnedMessage(res::Str("app.exitPrompt"), res::Str("app.exitCaption"),
                                       platform::Buttons::SaveDiscardCancel,
                                       platform::Icon::Question)) {
    case platform::Answer::Save: {
        const bool saved = SaveFile(model_, stamps_);
        watchFiles();
        return saved;
    }
    case platform::Answer::Discard:
        return true;
    default:
        return false;
    }
}

void CVantaEditDlg::exitCommand() {
    if (!confirmUnsavedChanges()) return;
    recovery_->leave();
    platform::ExitProcess(0);
}

CAboutDlg::CAboutDlg(gui::Dialog *owner) : gui::Dialog(res::kIdAboutDialog, owner) {}
