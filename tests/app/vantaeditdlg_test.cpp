// The main window: its menu, the ways in and out with and without an open file, the start-number
// check box, showing, hiding and placing the editor windows, and what every window shows the
// user and assistive tools.

#include "app/vantaedit.h"
#include "app/vantaeditdlg.h"
#include "core/document.h"
#include "core/windowsignals.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qttext.h"
#include "gui/qt/qtwindow.h"
#include "platform/seams.h"
#include "res/teamdialog.h"
#include "res/text.h"
#include "res/triggerdialog.h"
#include "support/testdocument.h"
#include "support/testsupport.h"
#include "support/windowtest.h"
#include "ui/editorwindows.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using gui::qt::Q;
using gui::qt::ReportView;
using gui::qt::WidgetOf;
using gui::qt::WindowOf;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

const std::u16string kExitPrompt = u"请注意，有文件未保存∑(っ°Д°;)っ\n是否继续退出(✪ω✪)";
const std::u16string kExitCaption = u"Fight!!(ｏ^-^)~''☆ミ☆ミ";

QAction *MenuAction(const gui::Dialog &window, const QString &text) {
    for (QAction *action : WindowOf(window)->findChildren<QAction *>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

// Leaves the main window the way a user would: the menu, the close box, Enter or Escape.
void Leave(CVantaEditDlg &window, const QString &how) {
    if (how == QStringLiteral("exit")) {
        MenuAction(window, QStringLiteral("退出程序"))->trigger();
    } else if (how == QStringLiteral("close")) {
        WindowOf(window)->close();
    } else {
        // Into the focused check box, which leaves both keys to the window.
        QWidget *box = WidgetOf(window, 1032);
        box->setFocus();
        QTest::keyClick(box, how == QStringLiteral("enter") ? Qt::Key_Return : Qt::Key_Escape);
    }
}

// An editor window stand-in that logs when it is shown or hidden.
class LoggingWindow : public gui::Dialog {
public:
    LoggingWindow(const QString &name, QStringList &log)
        : gui::Dialog(res::kIdAboutDialog), name_(name), log_(log) {}

protected:
    void onShowOrHide(bool shown) override {
        log_ << name_ + (shown ? QStringLiteral(" shown") : QStringLiteral(" hidden"));
    }

private:
    QString name_;
    QStringList &log_;
};

void Drop(gui::Dialog &dialog, const QString &path) {
    QWidget &window = *WindowOf(dialog);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents();
}

// Opens `path` through the main window the way `how` names.
void Open(CVantaEditDlg &window, const QString &how, const QString &path) {
    if (how == QStringLiteral("menu")) {
        MenuAction(window, QStringLiteral("打开"))->trigger();
    } else if (how == QStringLiteral("Ctrl+O")) {
        QTest::keyClick(WindowOf(window), Qt::Key_O, Qt::ControlModifier);
    } else if (how == QStringLiteral("command line")) {
        QVERIFY(window.openCommandLine({path.toStdU16String()}));
    } else {
        Drop(window, path);
    }
}

// What the user types into or picks from, with the name assistive tools read for it.
// In the main window and the windows it owns.
QMap<QWidget *, QString> InputNames(const CVantaEditDlg &main) {
    QMap<QWidget *, QString> names;
    for (QWidget *widget : WindowOf(main)->findChildren<QWidget *>()) {
        if (qobject_cast<QComboBox *>(widget) || qobject_cast<QLineEdit *>(widget) ||
            qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<ReportView *>(widget)) {
            names[widget] = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        }
    }
    return names;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void withoutChangesEveryWayOutEndsAtOnce_data();
    void withoutChangesEveryWayOutEndsAtOnce();
    void withUnsavedChangesExitAndCloseAsk_data();
    void withUnsavedChangesExitAndCloseAsk();
    void openAndSaveItemsRunTheirCommands();
    void checkBoxIsTickedAgainOnEveryPaint();
    void showAllAndHideAllKeepTheirOrder();
    void editorWindowsGoToTheCorners();
    void opensTheUsualWays_data();
    void opensTheUsualWays();
    void commandLineRefusesWhatItCannotOpen();
    void untickBeforeOpenHoldsForThatOpen_data();
    void untickBeforeOpenHoldsForThatOpen();
    void windowsStartEmpty();
    void applicationRunsTheMainWindowMaximisedWithTheFileNamed();
    void everyInputHasAStableAccessibleName();
    void filesChangedOnDisk();
    void undoKeysGoToTheFieldFirst();
    void languageMenuTextsEveryWindowAgainAndIsRemembered();

private:
    std::vector<int> exits_;
};

void MainWindowTest::initTestCase() {
    testsupport::UseQtBackend();
    // The recent files go to a settings file of the tests' own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantaEditTest"));
    QSettings().clear();
}

void MainWindowTest::init() {
    ResetTestDocument();
    exits_.clear();
    platform::SetExitHandler([this](int status) { exits_.push_back(status); });
}

void MainWindowTest::cleanup() {
    platform::SetExitHandler({});
    g_teamWindow = g_scriptWindow = g_taskForceWindow = g_triggerWindow = g_addNewWindow = nullptr;
}

void MainWindowTest::withoutChangesEveryWayOutEndsAtOnce_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("fileOpen");
    for (const char *how : {"exit", "close"}) {
        QTest::newRow(how) << QString::fromLatin1(how) << false;
        QTest::newRow((std::string(how) + ", saved file").c_str())
            << QString::fromLatin1(how) << true;
    }
}

void MainWindowTest::withoutChangesEveryWayOutEndsAtOnce() {
    QFETCH(QString, how);
    QFETCH(bool, fileOpen);
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir / "ai.ini", "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n");
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(WindowOf(window)));
    if (fileOpen) QVERIFY(window.openCommandLine({testsupport::WidePath(dir / "ai.ini")}));
    Leave(window, how);
    QCOMPARE(recorder.shown().size(), size_t(0));
    QCOMPARE(exits_, std::vector<int>{0});
}

void MainWindowTest::withUnsavedChangesExitAndCloseAsk_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("leaves");
    for (const char *how : {"exit", "close"}) {
        const QString h = QString::fromLatin1(how);
        QTest::newRow((std::string(how) + ", save").c_str()) << h << Answer::Save << false << true;
        QTest::newRow((std::string(how) + ", save fails").c_str())
            << h << Answer::Save << true << false;
        QTest::newRow((std::string(how) + ", discard").c_str())
            << h << Answer::Discard << false << true;
        QTest::newRow((std::string(how) + ", cancel").c_str())
            << h << Answer::Cancel << false << false;
    }
}

void MainWindowTest::withUnsavedChangesExitAndCloseAsk() {
    QFETCH(QString, how);
    QFETCH(Answer, answer);
    QFETCH(bool, saveFails);
    QFETCH(bool, leaves);
    testsupport::TempDir dir;
    const auto file = dir / "ai.ini";
    testsupport::WriteBytes(file, "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n");
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(WindowOf(window)));
    QVERIFY(window.openCommandLine({testsupport::WidePath(file)}));
    DocumentModel &model = window.model();
    model.Edit(u"保存人员 F", [&] { model.document.taskForceSectionsText += "0=1,E1\n"; });
    QVERIFY(Q(window.caption()).endsWith(QStringLiteral("ai.ini *")));
    // Enter and Escape never leave, whatever is unsaved.
    Leave(window, QStringLiteral("enter"));
    Leave(window, QStringLiteral("escape"));
    QVERIFY(recorder.shown().empty() && exits_.empty());

    if (saveFails) std::filesystem::remove(file);
    recorder.Answer(answer);
    recorder.Answer(Answer::No); // one file, not split
    Leave(window, how);
    const platform::MessageBoxRequest &box = recorder.shown().at(0);
    QVERIFY(box.ownedByMainWindow);
    QVERIFY(box.text == kExitPrompt);
    QVERIFY(box.caption == kExitCaption);
    QCOMPARE(box.buttons, Buttons::SaveDiscardCancel);
    QCOMPARE(box.icon, Icon::Question);
    QCOMPARE(exits_, leaves ? std::vector<int>{0} : std::vector<int>{});
    const bool saved = answer == Answer::Save && !saveFails;
    QCOMPARE(testsupport::ReadBytes(file).find("0=1,E1") != std::string::npos, saved);
    QCOMPARE(Q(window.caption()).endsWith(QStringLiteral(" *")), !saved);
}

void MainWindowTest::openAndSaveItemsRunTheirCommands() {
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    Document &doc = window.model().document;
    doc.openedPath = u"/nowhere/rules.ini";
    MenuAction(window, QStringLiteral("保存"))->trigger();
    QCOMPARE(recorder.shown().size(), size_t(1));

    // Save has its key, shown beside it in the menu (Open's key opens in opensTheUsualWays).
    QCOMPARE(MenuAction(window, QStringLiteral("保存"))->shortcut(),
             QKeySequence::fromString(QStringLiteral("Ctrl+S")));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(WindowOf(window)));
    QTest::keyClick(WindowOf(window), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(recorder.shown().size(), size_t(2));

    // The report reads the document as it stands each time.
    doc.teamListText = "[TeamTypes]\n0=T\n";
    doc.teamSectionsText = "\n[T]\nName=t\n";
    QAction *check = MenuAction(window, QStringLiteral("检查文件..."));
    check->trigger();
    doc.teamSectionsText = "\n[T]\nName=t\nTaskForce=F\nScript=S\n";
    doc.taskForceListText = "[TaskForces]\n0=F\n";
    doc.taskForceSectionsText = "\n[F]\nName=f\n";
    doc.scriptListText = "[ScriptTypes]\n0=S\n";
    doc.scriptSectionsText = "\n[S]\nName=s\n";
    check->trigger();
    QCOMPARE(recorder.shown().size(), size_t(4));
    const platform::MessageBoxRequest &report = recorder.shown()[2];
    QVERIFY(report.scrollable);
    QCOMPARE(report.buttons, Buttons::Close);
    QCOMPARE(report.caption, std::u16string(u"检查文件"));
    QVERIFY(recorder.Texts()[2].find("引用错误: 2 项") != std::string::npos);
    QVERIFY(recorder.Texts()[3].find("没有发现问题。") != std::string::npos);
}

void MainWindowTest::checkBoxIsTickedAgainOnEveryPaint() {
    CVantaEditDlg window;
    auto *box = WidgetOf<QCheckBox>(window, 1032);
    QVERIFY(!box->isChecked());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(WindowOf(window)));
    QVERIFY(box->isChecked());

    // Unticking holds while only the box itself repaints.
    QTest::mouseClick(box, Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(box, Qt::LeftButton);

    // The window uncovered: painted again, ticked again.
    WindowOf(window)->repaint();
    QVERIFY(box->isChecked());
}

void MainWindowTest::showAllAndHideAllKeepTheirOrder() {
    CVantaEditDlg window;
    QStringList log;
    LoggingWindow team(QStringLiteral("team"), log), script(QStringLiteral("script"), log),
        taskForce(QStringLiteral("task force"), log), trigger(QStringLiteral("trigger"), log),
        addNew(QStringLiteral("new entry"), log);
    g_teamWindow = &team;
    g_scriptWindow = &script;
    g_taskForceWindow = &taskForce;
    g_triggerWindow = &trigger;
    g_addNewWindow = &addNew;

    MenuAction(window, QStringLiteral("显示所有窗口"))->trigger();
    QCOMPARE(log,
             (QStringList{QStringLiteral("team shown"), QStringLiteral("script shown"),
                          QStringLiteral("task force shown"), QStringLiteral("trigger shown")}));
    QVERIFY(!addNew.isVisible());

    // A minimised window comes back in its normal state.
    WindowOf(team)->showMinimized();
    MenuAction(window, QStringLiteral("显示所有窗口"))->trigger();
    QVERIFY(!WindowOf(team)->isMinimized());

    addNew.show();
    log.clear();
    MenuAction(window, QStringLiteral("隐藏所有窗口"))->trigger();
    QCOMPARE(log,
             (QStringList{QStringLiteral("team hidden"), QStringLiteral("script hidden"),
                          QStringLiteral("task force hidden"), QStringLiteral("trigger hidden"),
                          QStringLiteral("new entry hidden")}));

    // Missing windows are passed over.
    g_scriptWindow = g_triggerWindow = nullptr;
    log.clear();
    ShowEditorWindows();
    QCOMPARE(log, (QStringList{QStringLiteral("team shown"), QStringLiteral("task force shown")}));
}

void MainWindowTest::editorWindowsGoToTheCorners() {
    QStringList log;
    LoggingWindow team(QStringLiteral("team"), log), script(QStringLiteral("script"), log),
        taskForce(QStringLiteral("task force"), log), trigger(QStringLiteral("trigger"), log);
    g_teamWindow = &team;
    g_scriptWindow = &script;
    g_taskForceWindow = &taskForce;
    g_triggerWindow = &trigger;
    const QSize size = WindowOf(team)->size();

    PlaceEditorWindows({10, 20, 1000, 700});
    QCOMPARE(WindowOf(team)->pos(), QPoint(10, 65));
    QCOMPARE(WindowOf(script)->pos(), QPoint(1010 - size.width(), 65));
    QCOMPARE(WindowOf(taskForce)->pos(), QPoint(10, 720 - size.height()));
    QCOMPARE(WindowOf(trigger)->pos(), QPoint(1010 - size.width(), 720 - size.height()));
    QCOMPARE(WindowOf(trigger)->size(), size);
    QVERIFY(log.isEmpty()); // placed, not shown
}

void MainWindowTest::opensTheUsualWays_data() {
    QTest::addColumn<QString>("how");
    for (const char *how : {"menu", "Ctrl+O", "command line", "drop"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

void MainWindowTest::opensTheUsualWays() {
    QFETCH(QString, how);
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir / "ai.ini", "[TeamTypes]\r\n0=A\r\n[A]\r\nName=a\r\n");
    testsupport::WriteBytes(dir / "other.ini", "[TeamTypes]\r\n0=B\r\n[B]\r\nName=b\r\n");
    std::u16string chosen = testsupport::WidePath(dir / "ai.ini");
    int asked = 0;
    platform::SetOpenFileHandler([&](const std::u16string &) {
        ++asked;
        return chosen;
    });
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(WindowOf(window)));
    QCOMPARE(Q(window.caption()), QStringLiteral("VantaEdit"));

    Open(window, how, QString::fromStdU16String(chosen));
    QVERIFY(window.model().document.openedPath == chosen);
    QCOMPARE(asked, how == QStringLiteral("menu") || how == QStringLiteral("Ctrl+O") ? 1 : 0);
    QCOMPARE(Q(window.caption()), QStringLiteral("VantaEdit — ai.ini"));
    QVERIFY(g_teamWindow->isVisible());
    QCOMPARE(recorder.shown().size(), size_t(0));

    // A second file replaces the first, whichever way it comes: the windows list only its
    // entries, and it heads the recent files.
    WindowOf(window)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(WindowOf(window)));
    chosen = testsupport::WidePath(dir / "other.ini");
    Open(window, how, QString::fromStdU16String(chosen));
    QVERIFY(window.model().document.openedPath == chosen);
    auto *teams = WidgetOf<ReportView>(*g_teamWindow, res::kIdTeamList);
    QCOMPARE(teams->model()->rowCount(), 1);
    QCOMPARE(teams->text(0, 1), QStringLiteral("B"));
    QCOMPARE(Q(window.caption()), QStringLiteral("VantaEdit — other.ini"));
    QCOMPARE(Q(CVantaEditDlg::RecentFiles().at(0)), Q(chosen));
    QCOMPARE(recorder.shown().size(), size_t(0));
    platform::SetOpenFileHandler({});
}

void MainWindowTest::commandLineRefusesWhatItCannotOpen() {
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    QVERIFY(window.openCommandLine({}));
    QVERIFY(!window.openCommandLine({u"a.ini", u"b.ini"}));
    QVERIFY(!window.model().document.IsFileOpen());
    QVERIFY(recorder.shown().empty());
    QVERIFY(window.openCommandLine({u"/nowhere/ai.ini"}));
    QCOMPARE(recorder.Texts().size(), size_t(1));
    QVERIFY(recorder.Texts()[0].starts_with("文件无法打开，请检查是否已被占用!\n/nowhere/ai.ini"));
}

void MainWindowTest::untickBeforeOpenHoldsForThatOpen_data() {
    QTest::addColumn<bool>("untick");
    QTest::addColumn<int>("startNumber");
    QTest::newRow("ticked") << false << 5;
    QTest::newRow("unticked") << true << 0;
}

void MainWindowTest::untickBeforeOpenHoldsForThatOpen() {
    QFETCH(bool, untick);
    QFETCH(int, startNumber);
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir / "ai.ini", "[TeamTypes]\r\n5=T\r\n\r\n[T]\r\nName=t\r\n");
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(WindowOf(window)));
    auto *box = WidgetOf<QCheckBox>(window, 1032);
    if (untick) QTest::mouseClick(box, Qt::LeftButton);
    // The file dialog closing over the main window has it painted before the load.
    platform::SetOpenFileHandler([&](const std::u16string &) {
        WindowOf(window)->repaint();
        return testsupport::WidePath(dir / "ai.ini");
    });
    MenuAction(window, QStringLiteral("打开"))->trigger();
    QCOMPARE(window.model().document.startNumber, startNumber);
    WindowOf(window)->repaint();
    QVERIFY(box->isChecked());
    platform::SetOpenFileHandler({});
}

void MainWindowTest::windowsStartEmpty() {
    CVantaEditDlg window;
    QList<gui::qt::Window *> windows = WindowOf(window)->findChildren<gui::qt::Window *>();
    windows << WindowOf(window);
    // The main window, the new entry window, the four editor windows, the import window and the
    // trigger window's 复制整链 dialog.
    QCOMPARE(windows.size(), 8);
    for (QWidget *each : windows) {
        for (auto *combo : each->findChildren<QComboBox *>())
            QVERIFY2(combo->currentText().isEmpty(), qPrintable(combo->accessibleName()));
        // The text fields read like every other control.
        for (auto *text : each->findChildren<QPlainTextEdit *>())
            QCOMPARE(text->font(), text->window()->font());
    }
}

void MainWindowTest::applicationRunsTheMainWindowMaximisedWithTheFileNamed() {
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir / "ai.ini", "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n");
    testsupport::MessageRecorder recorder;
    bool maximized = false;
    std::u16string opened;
    // Once the window runs and the work the application left for then is done, the window is
    // looked at and closed the dialog way.
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            auto *main = qobject_cast<gui::qt::Window *>(WindowOf(*g_teamWindow)->parentWidget());
            maximized = main->windowState() & Qt::WindowMaximized;
            opened = static_cast<CVantaEditDlg &>(main->dialog()).model().document.openedPath;
            main->reject();
        });
    });
    QCOMPARE(CVantaEditApp().InitInstance({testsupport::WidePath(dir / "ai.ini")}), 0);
    QVERIFY(maximized);
    QCOMPARE(Q(opened), Q(testsupport::WidePath(dir / "ai.ini")));
    QVERIFY(recorder.shown().empty());
}

void MainWindowTest::everyInputHasAStableAccessibleName() {
    CVantaEditDlg window;
    const QMap<QWidget *, QString> names = InputNames(window);
    QVERIFY(names.size() > 20);
    for (auto [widget, name] : names.asKeyValueRange())
        QVERIFY2(!name.isEmpty(), widget->metaObject()->className());
    QCOMPARE(names.value(WidgetOf(*g_teamWindow, 1002)), QStringLiteral("小队列表"));
    QCOMPARE(names.value(WidgetOf(*g_triggerWindow, 1025)), QStringLiteral("条件类型"));

    // The box's drop-down list is its child, one item per condition, and so is its edit field.
    QAccessibleInterface *box =
        QAccessible::queryAccessibleInterface(WidgetOf(*g_triggerWindow, 1025));
    QCOMPARE(box->childCount(), 2);
    QAccessibleInterface *items = box->child(0);
    QCOMPARE(items->role(), QAccessible::List);
    QCOMPARE(items->childCount(), 9);
    QCOMPARE(items->child(0)->text(QAccessible::Name), QStringLiteral("无条件"));
    QCOMPARE(box->indexOfChild(items), 0);
    QCOMPARE(box->child(1)->role(), QAccessible::EditableText);

    // Content changes; the names stay.
    for (QWidget *widget : names.keys()) {
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            combo->setEditText(QStringLiteral("x"));
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) edit->setText(QStringLiteral("y"));
        if (auto *text = qobject_cast<QPlainTextEdit *>(widget))
            text->setPlainText(QStringLiteral("z"));
    }
    QCOMPARE(InputNames(window), names);
}

void MainWindowTest::filesChangedOnDisk() {
    testsupport::TempDir dir;
    const auto file = dir / "ai.ini";
    testsupport::WriteBytes(file, "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n");
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    QVERIFY(window.openCommandLine({testsupport::WidePath(file)}));
    DocumentModel &model = window.model();
    model.Edit(u"x", [&] { model.document.taskForceSectionsText += "0=1,E1\n"; });

    // Another program writes the file: asked once, with what a reload would lose.
    const std::string other = "[TaskForces]\r\n0=G\r\n[G]\r\nName=g\r\n";
    testsupport::WriteBytes(file, other);
    recorder.Answer(Answer::Ignore);
    window.checkFilesOnDisk();
    window.checkFilesOnDisk();
    QCOMPARE(recorder.shown().size(), size_t(1));
    QCOMPARE(recorder.shown()[0].buttons, Buttons::ReloadIgnore);
    QVERIFY(recorder.Texts()[0].find(file.string()) != std::string::npos);
    QVERIFY(recorder.Texts()[0].find("重新载入会丢失尚未保存的修改") != std::string::npos);

    // Save asks before overwriting it; 取消 writes nothing.
    recorder.Answer(Answer::No);     // one file, not split
    recorder.Answer(Answer::Cancel); // do not overwrite
    MenuAction(window, QStringLiteral("保存"))->trigger();
    QCOMPARE(recorder.shown().size(), size_t(3));
    QCOMPARE(recorder.shown()[2].buttons, Buttons::OverwriteCancel);
    QCOMPARE(testsupport::ReadBytes(file), other);
    QVERIFY(model.IsModified());

    // A further change is asked about again; 重新载入 reads the file as it is now.
    testsupport::WriteBytes(file, "[TaskForces]\r\n0=H\r\n[H]\r\nName=h\r\n");
    recorder.Answer(Answer::Reload);
    window.checkFilesOnDisk();
    QCOMPARE(model.document.taskForceListText, "[TaskForces]\n0=H\n");
    QVERIFY(!model.IsModified() && !model.history.CanUndo());
}

void MainWindowTest::undoKeysGoToTheFieldFirst() {
    testsupport::TempDir dir;
    const auto file = dir / "ai.ini";
    testsupport::WriteBytes(file,
                            "[AITriggerTypes]\r\nT=Old,X,<all>,0,-1,<none>,"
                            "0000000000000000000000000000000000000000000000000000000000000000,"
                            "1,1,1,1,0,0,0,<none>,1,1,1\r\n");
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    window.show();
    QVERIFY(window.openCommandLine({testsupport::WidePath(file)}));
    gui::Dialog *triggers = g_triggerWindow;
    auto *list = WidgetOf<ReportView>(*triggers, res::kIdTriggerList);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    auto *name = WidgetOf<QLineEdit>(*triggers, res::kIdTriggerName);
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("New"));
    QTest::mouseClick(WidgetOf(*triggers, res::kIdTriggerSave), Qt::LeftButton);
    QVERIFY(window.model().document.triggerText.find("T=New,") != std::string::npos);

    // Typing not saved yet is the field's to take back, then the saved step is the document's.
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("er"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(name->text() != QStringLiteral("Newer"));
    QVERIFY(window.model().document.triggerText.find("T=New,") != std::string::npos);
    while (name->isUndoAvailable())
        QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(window.model().document.triggerText.find("T=Old,") != std::string::npos);
    QCOMPARE(name->text(), QStringLiteral("Old")); // the trigger shown again as it is now
    QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(window.model().document.triggerText.find("T=New,") != std::string::npos);
}

void MainWindowTest::languageMenuTextsEveryWindowAgainAndIsRemembered() {
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir / "ai.ini", "[TeamTypes]\r\n0=A\r\n[A]\r\nName=a\r\n");
    const std::u16string path = testsupport::WidePath(dir / "ai.ini");
    platform::SetOpenFileHandler([&](const std::u16string &) { return path; });
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    MenuAction(window, QStringLiteral("打开"))->trigger();
    auto *teams = WidgetOf<ReportView>(*g_teamWindow, res::kIdTeamList);
    QAction *language = MenuAction(window, QStringLiteral("语言 / Language"));
    QVERIFY(language && language->menu());
    QCOMPARE(language->menu()->actions().size(), 2);

    language->menu()->actions().at(1)->trigger(); // English
    QTRY_COMPARE(WindowOf(*g_teamWindow)->windowTitle(), QStringLiteral("Teams"));
    QVERIFY(MenuAction(window, QStringLiteral("Check file...")));
    QCOMPARE(teams->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("ID"));
    QCOMPARE(teams->model()->rowCount(), 1); // the entries stay
    QVERIFY(gui::ReadSetting(u"language") == std::vector<std::u16string>{u"en"});
    QCOMPARE(CVantaEditDlg::ChosenLanguage(), res::Language::English);
    MenuAction(window, QStringLiteral("Check file..."))->trigger();
    QVERIFY(recorder.Texts().back().find("Check file: ") == 0);

    language->menu()->actions().at(0)->trigger(); // 中文
    QTRY_COMPARE(WindowOf(*g_teamWindow)->windowTitle(), QStringLiteral("小队配置窗口"));
    QCOMPARE(teams->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("注册名称"));
    QCOMPARE(CVantaEditDlg::ChosenLanguage(), res::Language::Chinese);
    gui::WriteSetting(u"language", {});
    platform::SetOpenFileHandler({});
}

QTEST_MAIN(MainWindowTest)
#include "vantaeditdlg_test.moc"
