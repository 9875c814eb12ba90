#pragma once
// The main window: the encoding reminder, the start-number check box, and the menu through
// which the user opens and saves the file, takes edits back, shows and hides the editor windows
// and leaves. It holds the document the editor windows share, and the windows themselves.

#include "document/filestamps.h"
#include "document/recovery.h"
#include "gui/dialog.h"
#include "gui/system.h"
#include "ui/documentmodel.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CAddnew;
class CImportWindow;
class RecoveryKeeper;
class CAIT;
class CArmy;
class Cscripts;
class CTaskForces;

class CVantaEditDlg : public gui::Dialog {
public:
    // Creates the modeless windows, hidden, and places the editor windows at the corners of the
    // screen's work area.
    CVantaEditDlg();
    ~CVantaEditDlg() override;

    // The files named on the command line: one is opened as Open does, but without the file
    // dialog; none offers the recovery files of every file. More than one is a usage error:
    // nothing is opened, false.
    bool openCommandLine(const std::vector<std::u16string> &paths);

    DocumentModel &model() { return model_; }
    // The window of 文件 → 导入条目....
    gui::Dialog *importWindow() const;

    // The files opened last, newest first, as 最近打开的文件 lists them.
    static std::vector<std::u16string> RecentFiles();

    // The language the user chose last under 帮助 → 语言 / Language; the system's until then.
    static res::Language ChosenLanguage();

    // 文件 → 规则文件...: the mod's rules file that the opened file's names are checked against,
    // chosen in the open-file dialog and read at once. One that could be read is used and
    // remembered for the opened file; one that could not is told, and what was used stays.
    void chooseRulesFile();
    // 文件 → 字符串表...: the mod's string table for the opened file, remembered as the rules file.
    void chooseStringTable();

    // 文件 → 引擎扩展: item `item` of the submenu (基础游戏, Ares, Ares + Phobos, Ares + Phobos
    // 旧编号, 自定义动作表..., and 不用自定义动作表 while one is used). The script window, its
    // insert box and the report follow at once; the choice is remembered for the opened file.
    void chooseEngine(size_t item);

    // 工具 → 迁移到 Phobos 新编号: every script line's action number from the old Phobos
    // numbering to the new one, as one undo step; lines whose argument changed its unit are told.
    void migratePhobosNumbers();

    // Asks whether the opened file or its include files, changed on disk by another program,
    // are to be loaded again. The editor does this when it is activated and when a file changes.
    void checkFilesOnDisk();

protected:
    void onCommand(int id) override;
    // Enter and Escape do nothing here: leaving goes through Exit or the close box.
    bool onEnter() override;
    bool onEscape() override;
    // The window never closes by itself: either the process ends or it stays.
    bool onClose() override;
    void onPaint() override;
    void onDropFiles(const std::vector<std::u16string> &paths) override;
    void onLanguageChanged() override;

private:
    // The Open command; with `path`, that file instead of the one the file dialog gives; with
    // `recovered`, its recovery, already chosen, instead of asking.
    void openCommand(const std::u16string &path = {},
                     std::optional<Recovery> recovered = std::nullopt);
    // Opens `path` in place of the document, whose changes were saved or discarded; its recovery
    // file is offered first, unless one was chosen.
    void openPath(const std::u16string &path, bool autoDetect,
                  std::optional<Recovery> recovered = std::nullopt);
    // Ends the program, after the unsaved-changes question when there are any.
    void exitCommand();
    // With unsaved changes, asks whether to save them first (保存 / 不保存 / 取消). True when
    // the caller may go on: saved, not wanted, or nothing to save.
    bool confirmUnsavedChanges();
    void documentChanged();
    // The Edit menu and the caption as the document stands.
    void showState();
    void fillRecentMenu();
    void fillLanguageMenu();
    void openRecent(const std::u16string &path);
    // After Open: the rules file remembered for the opened file, read again, or none. One that
    // no longer exists is forgotten with a message; one that exists but cannot be read is told
    // and stays remembered, as it may be locked or on a drive that is away for a while.
    void useRememberedRulesFile();
    void useRememberedStringTable();
    // 文件 → 导入条目...: another AI file chosen in the open-file dialog, its entries shown.
    void importCommand();
    // After Open: the engine and action table remembered for the opened file, or the game's own.
    void useRememberedActions();
    // The actions are now `profile`'s, remembered for the opened file; the submenu shows them.
    void setActions(ActionProfile profile);
    void fillEngineMenu();
    void watchFiles();

    DocumentModel model_;
    FileStamps stamps_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    std::unique_ptr<gui::FileWatcher> watcher_;
    gui::CheckBox *autoDetectStart_;
    // While Open runs, a repaint leaves the check box alone: the load uses the state it had when
    // the command started.
    bool opening_ = false;
    // A question about the files on disk is open: another check waits for its answer.
    bool askingAboutDisk_ = false;
    // The modeless windows, made once and hidden; the new entry window first.
    std::unique_ptr<CAddnew> addNew_;
    std::unique_ptr<Cscripts> scripts_;
    std::unique_ptr<CTaskForces> taskForces_;
    std::unique_ptr<CArmy> teams_;
    std::unique_ptr<CAIT> triggers_;
    std::unique_ptr<CImportWindow> import_;
    Signal::Connection changed_;
};

// The about box: empty.
class CAboutDlg : public gui::Dialog {
public:
    explicit CAboutDlg(gui::Dialog *owner = nullptr);
};
