#include "app/vantaeditdlg.h"

#include "app/opensave.h"
#include "app/vantaedit.h"
#include "core/windowsignals.h"
#include "newentry/addnew.h"
#include "platform/seams.h"
#include "scripts/scriptwindow.h"
#include "taskforces/taskforcewindow.h"
#include "teams/teamwindow.h"
#include "triggers/triggerwindow.h"
#include "ui/editorwindows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QTimer>

namespace {

const std::u16string kExitPrompt = u"请注意，有文件未保存∑(っ°Д°;)っ\n是否继续退出(✪ω✪)";
const std::u16string kExitCaption = u"Fight!!(ｏ^-^)~''☆ミ☆ミ";
const QString kRecentKey = QStringLiteral("recentFiles");
constexpr int kRecentCount = 8;

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in every window of the program: a text field with typing of
// its own to take back takes it back first; otherwise the document's history answers.
class UndoKeys : public QObject {
public:
    explicit UndoKeys(DocumentModel &model, QObject *parent) : QObject(parent), model_(model) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeyCombination combination = key->keyCombination();
        const bool undo = combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Z);
        const bool redo =
            combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
            combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
        if (!undo && !redo) return false;
        // The keys go to the widget with the focus; in anything but a text field the menu's own
        // shortcuts answer.
        auto *line = qobject_cast<QLineEdit *>(watched);
        auto *text = qobject_cast<QPlainTextEdit *>(watched);
        if (!line && !text) return false;
        if (type == QEvent::ShortcutOverride) {
            event->accept(); // the key comes to the field, and so here
            return true;
        }
        if (line && undo && line->isUndoAvailable()) {
            line->undo();
        } else if (line && redo && line->isRedoAvailable()) {
            line->redo();
        } else if (text && undo && text->document()->isUndoAvailable()) {
            text->undo();
        } else if (text && redo && text->document()->isRedoAvailable()) {
            text->redo();
        } else if (undo) {
            model_.Undo();
        } else {
            model_.Redo();
        }
        return true;
    }

private:
    DocumentModel &model_;
};

} // namespace

CVantaEditDlg::CVantaEditDlg(QWidget *parent)
    : platform::Dialog(res::kIdMainDialog, parent),
      autoDetectStart_(control<QCheckBox>(res::kIdAutoDetectStart)) {
    // The owned windows take it from here.
    setWindowIcon(AppIcon());
    setAcceptDrops(true);
    QMenuBar *menu = attachMenu(res::kIdMainMenu);
    // No system menu takes the about item here: it ends the menu bar under a menu of its own.
    QAction *about = menu->addMenu(QStringLiteral("帮助"))
                         ->addAction(QStringView(res::String(res::kIdAboutString)).toString());
    connect(about, &QAction::triggered, this, [this] { onCommand(res::kCmdAbout); });
    recentMenu_ = new QMenu(this);
    menuAction(res::kCmdRecentFiles)->setMenu(recentMenu_);
    connect(recentMenu_, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    // Undo and redo answer in every window of the program.
    for (int command : {res::kCmdUndo, res::kCmdRedo})
        menuAction(command)->setShortcutContext(Qt::ApplicationShortcut);
    menuAction(res::kCmdRedo)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    qApp->installEventFilter(new UndoKeys(model_, this));
    // Last: attaching the menu resizes the window, which drops a maximised state set before.
    setWindowState(windowState() | Qt::WindowMaximized);

    // The modeless windows, each created here once, hidden and owned by this window: the new
    // entry window first, then the four editor windows, which then go to their corners.
    auto *scripts = new Cscripts(model_, this);
    auto *taskForces = new CTaskForces(model_, this);
    g_addNewWindow = new CAddnew(model_, this, [scripts, taskForces](NewEntryKind kind) {
        return kind == NewEntryKind::Script      ? scripts->rowCount()
               : kind == NewEntryKind::TaskForce ? taskForces->rowCount()
                                                 : 0;
    });
    g_teamWindow = new CArmy(model_, this);
    g_scriptWindow = scripts;
    g_taskForceWindow = taskForces;
    g_triggerWindow = new CAIT(model_, this);
    PlaceEditorWindows(screen()->availableGeometry());

    connect(&model_, &DocumentModel::changed, this, [this] { documentChanged(); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { checkFilesOnDisk(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) checkFilesOnDisk();
    });
    documentChanged();
}

CVantaEditDlg::~CVantaEditDlg() {
    // The windows go with this one; nothing may reach them afterwards.
    g_teamWindow = g_scriptWindow = g_taskForceWindow = g_triggerWindow = g_addNewWindow = nullptr;
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
        CheckFile(model_.document);
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

bool CVantaEditDlg::openCommandLine(const QStringList &paths) {
    if (paths.size() > 1) return false;
    // The file dialog gives full paths; the include files are found beside the opened file.
    if (paths.size() == 1)
        openCommand(
            QDir::toNativeSeparators(QFileInfo(paths[0]).absoluteFilePath()).toStdU16String());
    return true;
}

void CVantaEditDlg::openCommand(const std::u16string &path) {
    // The load takes the box's state as the command starts: the boxes and the file dialog
    // closing over the window have it painted, which ticks it again.
    const bool autoDetect = autoDetectStart_->isChecked();
    opening_ = true;
    std::u16string chosen = u"None";
    if (confirmUnsavedChanges()) chosen = path.empty() ? AskOpenPath() : path;
    if (chosen != u"None") openPath(chosen, autoDetect);
    opening_ = false;
}

void CVantaEditDlg::openPath(const std::u16string &path, bool autoDetect) {
    OpenFile(model_, stamps_, path, autoDetect);
    watchFiles();

    const QString file = QString::fromStdU16String(path);
    QStringList recent = RecentFiles();
    recent.removeAll(file);
    recent.prepend(file);
    QSettings().setValue(kRecentKey, recent.mid(0, kRecentCount));
}

QStringList CVantaEditDlg::RecentFiles() { return QSettings().value(kRecentKey).toStringList(); }

void CVantaEditDlg::fillRecentMenu() {
    recentMenu_->clear();
    for (const QString &file : RecentFiles()) {
        connect(recentMenu_->addAction(file), &QAction::triggered, this, [this, file] {
            if (!QFileInfo(file).isFile()) {
                platform::ShowAppMessage(u"文件已不存在，已从最近打开的文件中移除:\n" +
                                         file.toStdU16String());
                QStringList recent = RecentFiles();
                recent.removeAll(file);
                QSettings().setValue(kRecentKey, recent);
                return;
            }
            openCommand(file.toStdU16String());
        });
    }
    recentMenu_->setEnabled(!recentMenu_->isEmpty());
}

void CVantaEditDlg::watchFiles() {
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    // A file replaced by renaming is a new file: it is watched anew after every check.
    for (const std::u16string &path : stamps_.Paths()) {
        const QString file = QString::fromStdU16String(path);
        if (QFileInfo::exists(file)) watcher_.addPath(file);
    }
}

void CVantaEditDlg::checkFilesOnDisk() {
    if (askingAboutDisk_ || !model_.document.IsFileOpen()) return;
    const std::vector<std::u16string> changed = stamps_.ChangedNotIgnored();
    watchFiles();
    if (changed.empty()) return;
    std::u16string text = u"这些文件已被其他程序修改:\n";
    for (const std::u16string &path : changed)
        text += path + u"\n";
    text += u"要重新载入吗？";
    if (model_.IsModified()) text += u"\n重新载入会丢失尚未保存的修改。";
    askingAboutDisk_ = true;
    const platform::Answer answer = platform::ShowOwnedMessage(
        text, u"文件已修改", platform::Buttons::ReloadIgnore, platform::Icon::Question);
    askingAboutDisk_ = false;
    if (answer == platform::Answer::Reload)
        openPath(model_.document.openedPath, autoDetectStart_->isChecked());
    else
        stamps_.Ignore(changed);
}

void CVantaEditDlg::documentChanged() {
    auto name = [](const std::u16string &step) {
        return QString::fromStdU16String(step.empty() ? step : u" " + step);
    };
    QAction *undo = menuAction(res::kCmdUndo);
    QAction *redo = menuAction(res::kCmdRedo);
    undo->setText(QStringLiteral("撤销") + name(model_.history.UndoName()));
    undo->setEnabled(model_.history.CanUndo());
    redo->setText(QStringLiteral("重做") + name(model_.history.RedoName()));
    redo->setEnabled(model_.history.CanRedo());

    QString caption = QStringView(platform::kAppTitle).toString();
    if (model_.document.IsFileOpen()) {
        caption += QStringLiteral(" — ") +
                   QFileInfo(QString::fromStdU16String(model_.document.openedPath)).fileName();
        if (model_.IsModified()) caption += QStringLiteral(" *");
    }
    setWindowTitle(caption);
}

void CVantaEditDlg::paintEvent(QPaintEvent *event) {
    // Every paint ticks the box again, so the next load takes the start number from the file.
    if (!opening_) autoDetectStart_->setChecked(true);
    platform::Dialog::paintEvent(event);
}

void CVantaEditDlg::dragEnterEvent(QDragEnterEvent *event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls[0].isLocalFile()) event->acceptProposedAction();
}

void CVantaEditDlg::dropEvent(QDropEvent *event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls[0].isLocalFile()) return;
    event->acceptProposedAction();
    // After the drop has ended: the drag's source is not kept waiting by a message box.
    const std::u16string path = QDir::toNativeSeparators(urls[0].toLocalFile()).toStdU16String();
    QTimer::singleShot(0, this, [this, path] { openCommand(path); });
}

void CVantaEditDlg::closeEvent(QCloseEvent *event) {
    // The window never closes by itself: either the process ends or it stays.
    event->ignore();
    exitCommand();
}

bool CVantaEditDlg::confirmUnsavedChanges() {
    if (!model_.IsModified()) return true;
    switch (platform::ShowOwnedMessage(kExitPrompt, kExitCaption,
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
    if (confirmUnsavedChanges()) platform::ExitProcess(0);
}

CAboutDlg::CAboutDlg(QWidget *parent) : platform::Dialog(res::kIdAboutDialog, parent) {}
