#include "app/vantaeditdlg.h"

#include "app/opensave.h"
#include "app/vantaedit.h"
#include "core/document.h"
#include "newentry/addnew.h"
#include "platform/seams.h"
#include "scripts/scriptwindow.h"
#include "taskforces/taskforcewindow.h"
#include "teams/teamwindow.h"
#include "triggers/triggerwindow.h"
#include "ui/editorwindows.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTimer>

namespace {

const std::u16string kExitPrompt = u"请注意，有文件未保存∑(っ°Д°;)っ\n是否继续退出(✪ω✪)";
const std::u16string kExitCaption = u"Fight!!(ｏ^-^)~''☆ミ☆ミ";
const std::u16string kClosePrompt = u"请确保文件已经做了正确的操作\n本人很懒没做这块\no(╥﹏╥)o";

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
    // Last: attaching the menu resizes the window, which drops a maximised state set before.
    setWindowState(windowState() | Qt::WindowMaximized);

    // The modeless windows, each created here once, hidden and owned by this window: the new
    // entry window first, then the four editor windows, which then go to their corners.
    auto *scripts = new Cscripts(this);
    auto *taskForces = new CTaskForces(this);
    g_addNewWindow = new CAddnew(this, [scripts, taskForces](NewEntryKind kind) {
        return kind == NewEntryKind::Script      ? scripts->rowCount()
               : kind == NewEntryKind::TaskForce ? taskForces->rowCount()
                                                 : 0;
    });
    g_teamWindow = new CArmy(this);
    g_scriptWindow = scripts;
    g_taskForceWindow = taskForces;
    g_triggerWindow = new CAIT(this);
    PlaceEditorWindows(screen()->availableGeometry());
}

void CVantaEditDlg::onCommand(int id) {
    switch (id) {
    case res::kCmdOpen:
        openCommand();
        break;
    case res::kCmdSave:
        SaveFile();
        break;
    case res::kCmdCheckFile:
        CheckFile();
        break;
    case res::kCmdExit:
        exitCommand();
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
    case res::kIdAutoDetectStart:
        g_autoDetectStart = autoDetectStart_->isChecked();
        break;
    }
}

bool CVantaEditDlg::onEnter() {
    closeBoxPrompt();
    return true;
}

bool CVantaEditDlg::onEscape() {
    closeBoxPrompt();
    return true;
}

bool CVantaEditDlg::openCommandLine(const QStringList &paths) {
    if (paths.size() > 1) return false;
    // The file dialog gives full paths; the include files are found beside the opened file.
    if (paths.size() == 1)
        openCommand(
            QDir::toNativeSeparators(QFileInfo(paths[0]).absoluteFilePath()).toStdU16String());
    return true;
}

void CVantaEditDlg::openCommand(const std::u16string &path) {
    g_autoDetectStart = autoDetectStart_->isChecked();
    opening_ = true;
    OpenFile(path);
    opening_ = false;
    if (IsFileOpen()) {
        setWindowTitle(QStringView(platform::kAppTitle).toString() + QStringLiteral(" — ") +
                       QFileInfo(QString::fromStdU16String(g_openedPath)).fileName());
    }
}

void CVantaEditDlg::paintEvent(QPaintEvent *event) {
    // Every paint ticks the box again, so the next load takes the start number from the file.
    if (!opening_) {
        autoDetectStart_->setChecked(true);
        g_autoDetectStart = true;
    }
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
    closeBoxPrompt();
}

void CVantaEditDlg::exitCommand() {
    if (IsFileOpen() &&
        platform::ShowOwnedMessage(kExitPrompt, kExitCaption, platform::Buttons::YesNoCancel,
                                   platform::Icon::Question) != platform::Answer::Yes) {
        return;
    }
    platform::ExitProcess(0);
}

void CVantaEditDlg::closeBoxPrompt() {
    if (IsFileOpen() &&
        platform::ShowAppMessage(kClosePrompt, platform::Buttons::YesNo,
                                 platform::Icon::Question) != platform::Answer::Yes) {
        return;
    }
    platform::ExitProcess(0);
}

CAboutDlg::CAboutDlg(QWidget *parent) : platform::Dialog(res::kIdAboutDialog, parent) {}
