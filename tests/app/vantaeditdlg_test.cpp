// The main window: its menu, the ways in and out with and without an open file, the start-number
// check box, showing, hiding and placing the editor windows, and what every window shows the
// user and assistive tools.

#include "app/vantaeditdlg.h"
#include "core/document.h"
#include "platform/controls.h"
#include "platform/seams.h"
#include "support/testsupport.h"
#include "ui/editorwindows.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

const std::u16string kExitPrompt = u"请注意，有文件未保存∑(っ°Д°;)っ\n是否继续退出(✪ω✪)";
const std::u16string kExitCaption = u"Fight!!(ｏ^-^)~''☆ミ☆ミ";
const std::u16string kClosePrompt = u"请确保文件已经做了正确的操作\n本人很懒没做这块\no(╥﹏╥)o";

QAction *MenuAction(const QWidget &window, const QString &text) {
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

// Leaves the main window the way a user would: the menu, the close box, Enter or Escape.
void Leave(CVantaEditDlg &window, const QString &how) {
    if (how == QStringLiteral("exit")) {
        MenuAction(window, QStringLiteral("退出程序"))->trigger();
    } else if (how == QStringLiteral("close")) {
        window.close();
    } else {
        // Into the focused check box, which leaves both keys to the window.
        QWidget *box = window.control(1032);
        box->setFocus();
        QTest::keyClick(box, how == QStringLiteral("enter") ? Qt::Key_Return : Qt::Key_Escape);
    }
}

// An editor window stand-in that logs when it is shown or hidden.
class LoggingWindow : public platform::Dialog {
public:
    LoggingWindow(const QString &name, QStringList &log)
        : platform::Dialog(res::kIdAboutDialog), name_(name), log_(log) {}

protected:
    void onShowOrHide(bool shown) override {
        log_ << name_ + (shown ? QStringLiteral(" shown") : QStringLiteral(" hidden"));
    }

private:
    QString name_;
    QStringList &log_;
};

void Drop(QWidget &window, const QString &path) {
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
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    } else if (how == QStringLiteral("command line")) {
        QVERIFY(window.openCommandLine({path}));
    } else {
        Drop(window, path);
    }
}

// What the user types into or picks from, with the name assistive tools read for it.
// In the main window and the windows it owns.
QMap<QWidget *, QString> InputNames(const CVantaEditDlg &main) {
    QMap<QWidget *, QString> names;
    for (QWidget *widget : main.findChildren<QWidget *>()) {
        if (qobject_cast<QComboBox *>(widget) || qobject_cast<QLineEdit *>(widget) ||
            qobject_cast<QPlainTextEdit *>(widget) ||
            qobject_cast<platform::ReportList *>(widget)) {
            names[widget] = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        }
    }
    return names;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void withoutAFileEveryWayOutEndsAtOnce_data();
    void withoutAFileEveryWayOutEndsAtOnce();
    void withAFileEveryWayOutAsks_data();
    void withAFileEveryWayOutAsks();
    void openAndSaveItemsRunTheirCommands();
    void checkBoxIsTickedAgainOnEveryPaint();
    void showAllAndHideAllKeepTheirOrder();
    void editorWindowsGoToTheCorners();
    void opensTheUsualWays_data();
    void opensTheUsualWays();
    void commandLineRefusesWhatItCannotOpen();
    void untickBeforeOpenHoldsForThatOpen_data();
    void untickBeforeOpenHoldsForThatOpen();
    void windowsCarryTheIconAndStartEmpty();
    void everyInputHasAStableAccessibleName();

private:
    std::vector<int> exits_;
};

void MainWindowTest::init() {
    ResetDocument();
    exits_.clear();
    platform::SetExitHandler([this](int status) { exits_.push_back(status); });
}

void MainWindowTest::cleanup() {
    platform::SetExitHandler({});
    g_teamWindow = g_scriptWindow = g_taskForceWindow = g_triggerWindow = g_addNewWindow = nullptr;
}

void MainWindowTest::withoutAFileEveryWayOutEndsAtOnce_data() {
    QTest::addColumn<QString>("how");
    for (const char *how : {"exit", "close", "enter", "escape"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

void MainWindowTest::withoutAFileEveryWayOutEndsAtOnce() {
    QFETCH(QString, how);
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Leave(window, how);
    QCOMPARE(recorder.shown().size(), size_t(0));
    QCOMPARE(exits_, std::vector<int>{0});
}

void MainWindowTest::withAFileEveryWayOutAsks_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("exit, yes") << QStringLiteral("exit") << Answer::Yes << true;
    QTest::newRow("exit, no") << QStringLiteral("exit") << Answer::No << false;
    QTest::newRow("exit, cancel") << QStringLiteral("exit") << Answer::Cancel << false;
    QTest::newRow("close, yes") << QStringLiteral("close") << Answer::Yes << true;
    QTest::newRow("close, no") << QStringLiteral("close") << Answer::No << false;
    QTest::newRow("enter, no") << QStringLiteral("enter") << Answer::No << false;
    QTest::newRow("enter, yes") << QStringLiteral("enter") << Answer::Yes << true;
    QTest::newRow("escape, no") << QStringLiteral("escape") << Answer::No << false;
}

void MainWindowTest::withAFileEveryWayOutAsks() {
    QFETCH(QString, how);
    QFETCH(Answer, answer);
    QFETCH(bool, leaves);
    // A path counts as an open file even when its content could not be read.
    g_openedPath = u"/nowhere/rules.ini";
    testsupport::MessageRecorder recorder;
    recorder.Answer(answer);
    CVantaEditDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Leave(window, how);

    QCOMPARE(recorder.shown().size(), size_t(1));
    const platform::MessageBoxRequest &box = recorder.shown()[0];
    if (how == QStringLiteral("exit")) {
        QVERIFY(box.ownedByMainWindow);
        QVERIFY(box.text == kExitPrompt);
        QVERIFY(box.caption == kExitCaption);
        QCOMPARE(box.buttons, Buttons::YesNoCancel);
    } else {
        QVERIFY(!box.ownedByMainWindow);
        QVERIFY(box.text == kClosePrompt);
        QVERIFY(box.caption == platform::kAppTitle);
        QCOMPARE(box.buttons, Buttons::YesNo);
    }
    QCOMPARE(box.icon, Icon::Question);
    QCOMPARE(exits_, leaves ? std::vector<int>{0} : std::vector<int>{});
    QVERIFY(window.isVisible());
}

void MainWindowTest::openAndSaveItemsRunTheirCommands() {
    g_openedPath = u"/nowhere/rules.ini";
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    MenuAction(window, QStringLiteral("打开"))->trigger();
    QCOMPARE(recorder.Texts(), std::vector<std::string>{"不准重复打开文件，每次启动只能打开一次"});
    MenuAction(window, QStringLiteral("保存"))->trigger();
    QCOMPARE(recorder.shown().size(), size_t(2));

    // Save has its key, shown beside it in the menu (Open's key opens in opensTheUsualWays).
    QCOMPARE(MenuAction(window, QStringLiteral("保存"))->shortcut(),
             QKeySequence::fromString(QStringLiteral("Ctrl+S")));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(recorder.shown().size(), size_t(3));

    // The report reads the document as it stands each time.
    g_teamListText = "[TeamTypes]\n0=T\n";
    g_teamSectionsText = "\n[T]\nName=t\n";
    QAction *check = MenuAction(window, QStringLiteral("检查文件..."));
    check->trigger();
    g_teamSectionsText = "\n[T]\nName=t\nTaskForce=F\nScript=S\n";
    g_taskForceListText = "[TaskForces]\n0=F\n";
    g_taskForceSectionsText = "\n[F]\nName=f\n";
    g_scriptListText = "[ScriptTypes]\n0=S\n";
    g_scriptSectionsText = "\n[S]\nName=s\n";
    check->trigger();
    QCOMPARE(recorder.shown().size(), size_t(5));
    const platform::MessageBoxRequest &report = recorder.shown()[3];
    QVERIFY(report.scrollable);
    QCOMPARE(report.buttons, Buttons::Close);
    QCOMPARE(report.caption, std::u16string(u"检查文件"));
    QVERIFY(recorder.Texts()[3].find("引用错误: 2 项") != std::string::npos);
    QVERIFY(recorder.Texts()[4].find("没有发现问题。") != std::string::npos);
}

void MainWindowTest::checkBoxIsTickedAgainOnEveryPaint() {
    CVantaEditDlg window;
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    auto *box = window.control<QCheckBox>(1032);
    QVERIFY(!box->isChecked());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(box->isChecked());
    QVERIFY(g_autoDetectStart);

    // Unticking holds while only the box itself repaints.
    QTest::mouseClick(box, Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!box->isChecked());
    QVERIFY(!g_autoDetectStart);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(g_autoDetectStart);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!g_autoDetectStart);

    // The window uncovered: painted again, ticked again.
    window.repaint();
    QVERIFY(box->isChecked());
    QVERIFY(g_autoDetectStart);
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
    team.showMinimized();
    MenuAction(window, QStringLiteral("显示所有窗口"))->trigger();
    QVERIFY(!team.isMinimized());

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
    const QSize size = team.size();

    PlaceEditorWindows(QRect(10, 20, 1000, 700));
    QCOMPARE(team.pos(), QPoint(10, 65));
    QCOMPARE(script.pos(), QPoint(1010 - size.width(), 65));
    QCOMPARE(taskForce.pos(), QPoint(10, 720 - size.height()));
    QCOMPARE(trigger.pos(), QPoint(1010 - size.width(), 720 - size.height()));
    QCOMPARE(trigger.size(), size);
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
    testsupport::WriteBytes(dir / "ai.ini", "[TeamTypes]\r\n");
    const std::u16string path = testsupport::WidePath(dir / "ai.ini");
    int asked = 0;
    platform::SetOpenFileHandler([&](const std::u16string &) {
        ++asked;
        return path;
    });
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("VantaEdit"));

    Open(window, how, QString::fromStdU16String(path));
    QVERIFY(g_openedPath == path);
    QCOMPARE(asked, how == QStringLiteral("menu") || how == QStringLiteral("Ctrl+O") ? 1 : 0);
    QCOMPARE(window.windowTitle(), QStringLiteral("VantaEdit — ai.ini"));
    QVERIFY(g_teamWindow->isVisible());
    QCOMPARE(recorder.shown().size(), size_t(0));

    // One file per run, whichever way the second one comes.
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Open(window, how, QStringLiteral("/elsewhere/other.ini"));
    QCOMPARE(recorder.Texts(), std::vector<std::string>{"不准重复打开文件，每次启动只能打开一次"});
    QVERIFY(g_openedPath == path);
    platform::SetOpenFileHandler({});
}

void MainWindowTest::commandLineRefusesWhatItCannotOpen() {
    testsupport::MessageRecorder recorder;
    CVantaEditDlg window;
    QVERIFY(window.openCommandLine({}));
    QVERIFY(!window.openCommandLine({QStringLiteral("a.ini"), QStringLiteral("b.ini")}));
    QVERIFY(!IsFileOpen());
    QVERIFY(recorder.shown().empty());
    QVERIFY(window.openCommandLine({QStringLiteral("/nowhere/ai.ini")}));
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
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *box = window.control<QCheckBox>(1032);
    if (untick) QTest::mouseClick(box, Qt::LeftButton);
    // The file dialog closing over the main window has it painted before the load.
    platform::SetOpenFileHandler([&](const std::u16string &) {
        window.repaint();
        return testsupport::WidePath(dir / "ai.ini");
    });
    MenuAction(window, QStringLiteral("打开"))->trigger();
    QCOMPARE(g_startNumber, startNumber);
    window.repaint();
    QVERIFY(box->isChecked());
    platform::SetOpenFileHandler({});
}

void MainWindowTest::windowsCarryTheIconAndStartEmpty() {
    CVantaEditDlg window;
    QList<platform::Dialog *> windows = window.findChildren<platform::Dialog *>();
    windows << &window;
    for (QWidget *each : windows) {
        const QList<QSize> sizes = each->windowIcon().availableSizes();
        QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)),
                 qPrintable(each->windowTitle()));
        for (auto *combo : each->findChildren<QComboBox *>())
            QVERIFY2(combo->currentText().isEmpty(), qPrintable(combo->accessibleName()));
        // The text fields read like every other control.
        for (auto *text : each->findChildren<QPlainTextEdit *>())
            QCOMPARE(text->font(), text->window()->font());
    }
}

void MainWindowTest::everyInputHasAStableAccessibleName() {
    CVantaEditDlg window;
    const QMap<QWidget *, QString> names = InputNames(window);
    QVERIFY(names.size() > 20);
    for (auto [widget, name] : names.asKeyValueRange())
        QVERIFY2(!name.isEmpty(), widget->metaObject()->className());
    QCOMPARE(names.value(g_teamWindow->control(1002)), QStringLiteral("小队列表"));
    QCOMPARE(names.value(g_triggerWindow->control(1025)), QStringLiteral("条件类型"));

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

QTEST_MAIN(MainWindowTest)
#include "vantaeditdlg_test.moc"
