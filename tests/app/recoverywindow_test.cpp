// The main window's recovery files: written while there are unsaved changes and removed when
// there are none, offered at Open and at a start without a file, and the Qt box that asks.

#include "app/vantaeditdlg.h"
#include "document/documentio.h"
#include "document/recovery.h"
#include "gui/qt/qtseams.h"
#include "gui/qt/qtwindow.h"
#include "platform/seams.h"
#include "support/testsupport.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using gui::qt::WindowOf;
using platform::Answer;
using platform::Buttons;
using testsupport::ReadBytes;
using testsupport::U8;
using testsupport::WidePath;
using testsupport::WriteBytes;
namespace fs = std::filesystem;

namespace {

// What the data folder holds when ai.ini is opened: its recovery file, with ai.ini changed on
// disk since, damaged, or another file's under its name.
enum class Found { Whole, ChangedOnDisk, Damaged, AnotherFiles };

const std::string kFile = "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n0=1,E1\r\n";

QAction *MenuAction(const gui::Dialog &window, const QString &text) {
    for (QAction *action : WindowOf(window)->findChildren<QAction *>())
        if (action->text() == text) return action;
    return nullptr;
}

// A folder with ai.ini, and the program's data folder inside it.
struct Setup {
    testsupport::TempDir dir;
    fs::path data = dir / "data";
    std::u16string path = WidePath(dir / "ai.ini");
    std::u16string folder = WidePath(dir / "data/VantaEdit/recovery");

    Setup() {
        WriteBytes(dir / "ai.ini", kFile);
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.string()));
    }
    std::u16string RecoveryFile() const { return RecoveryFilePath(folder, path); }
};

// What another run kept of ai.ini, opened and edited.
Recovery Edited(const std::u16string &path) {
    Document document;
    document.openedPath = path;
    LoadOpenedFile(document, true);
    FileStamps stamps;
    stamps.Take(ReadFiles(document));
    document.taskForceSectionsText = "[F]\nName=recovered\n0=1,E1\n";
    return RecoveryOf(document, stamps.Taken());
}

std::vector<std::string> Texts(const Document &document) {
    std::vector<std::string> texts;
    for (const std::string *text : document.Texts())
        texts.push_back(*text);
    return texts;
}

void Edit(CVantaEditDlg &window) {
    window.model().Edit(u"改",
                        [&] { window.model().document.taskForceSectionsText += "1=2,E2\n"; });
}

} // namespace

class RecoveryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void offeredAtOpenAndAtStart_data();
    void offeredAtOpenAndAtStart();
    void keptWhileUnsavedAndRemovedAfter_data();
    void keptWhileUnsavedAndRemovedAfter();
    void theQtBoxAsksWithItsThreeButtons();
};

void RecoveryWindowTest::initTestCase() {
    testsupport::UseQtBackend();
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantaEditTest"));
    QSettings().clear();
}

void RecoveryWindowTest::init() {
    platform::SetExitHandler([](int) {});
}

void RecoveryWindowTest::cleanup() { platform::SetMessageBoxHandler({}); }

void RecoveryWindowTest::offeredAtOpenAndAtStart_data() {
    QTest::addColumn<Found>("found");
    QTest::addColumn<bool>("atStart"); // a start without a file instead of Open
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("restored");
    QTest::addColumn<bool>("kept"); // the recovery file is there afterwards
    using enum Found;
    QTest::newRow("恢复") << Whole << false << Answer::Restore << true << true;
    QTest::newRow("丢弃") << Whole << false << Answer::Discard << false << false;
    QTest::newRow("稍后") << Whole << false << Answer::Later << false << true;
    QTest::newRow("恢复 at a start") << Whole << true << Answer::Restore << true << true;
    QTest::newRow("稍后 at a start") << Whole << true << Answer::Later << false << true;
    QTest::newRow("changed on disk, 恢复")
        << ChangedOnDisk << false << Answer::Restore << true << true;
    QTest::newRow("damaged") << Damaged << false << Answer::Ok << false << false;
    QTest::newRow("damaged at a start") << Damaged << true << Answer::Ok << false << false;
    QTest::newRow("another file's under its name")
        << AnotherFiles << false << Answer::Ok << false << true;
}

void RecoveryWindowTest::offeredAtOpenAndAtStart() {
    QFETCH(Found, found);
    QFETCH(bool, atStart);
    QFETCH(Answer, answer);
    QFETCH(bool, restored);
    QFETCH(bool, kept);
    Setup setup;
    Recovery recovery = Edited(setup.path);
    if (found == Found::AnotherFiles) recovery.openedPath = WidePath(setup.dir / "b.ini");
    QVERIFY(WriteRecoveryFile(setup.folder, recovery).ok);
    if (found == Found::AnotherFiles)
        fs::rename(fs::path(RecoveryFilePath(setup.folder, recovery.openedPath)),
                   fs::path(setup.RecoveryFile()));
    if (found == Found::Damaged) WriteBytes(fs::path(setup.RecoveryFile()), "garbage");
    if (found == Found::ChangedOnDisk) WriteBytes(setup.dir / "ai.ini", kFile + "\r\n");
    const std::string onDisk = ReadBytes(setup.dir / "ai.ini");
    const std::string recoveryBytes = ReadBytes(fs::path(setup.RecoveryFile()));

    testsupport::MessageRecorder recorder;
    recorder.Answer(answer);
    CVantaEditDlg window;
    QVERIFY(window.openCommandLine(atStart ? std::vector<std::u16string>{}
                                           : std::vector<std::u16string>{setup.path}));
    if (atStart && !restored) QVERIFY(window.openCommandLine({setup.path}));
    DocumentModel &model = window.model();

    // One question, or one message that a damaged file was set aside.
    const bool asked = found == Found::Whole || found == Found::ChangedOnDisk;
    const size_t questions = atStart && asked && !restored ? 2 : 1;
    QCOMPARE(recorder.shown().size(), found == Found::AnotherFiles ? 0 : questions);
    if (asked) {
        const platform::MessageBoxRequest &question = recorder.shown()[0];
        QCOMPARE(question.caption, std::u16string(u"发现未保存的修改"));
        QCOMPARE(question.buttons, Buttons::RestoreDiscardLater);
        QVERIFY(question.text.find(setup.path) != std::u16string::npos);
        QCOMPARE(question.text.find(u"已被其他程序修改") != std::u16string::npos,
                 found == Found::ChangedOnDisk);
    }
    if (found == Found::Damaged) {
        QVERIFY(recorder.shown()[0].text.find(setup.RecoveryFile()) != std::u16string::npos);
        QCOMPARE(ReadBytes(fs::path(setup.RecoveryFile() + u".bad")), std::string("garbage"));
    }

    QCOMPARE(model.document.openedPath, setup.path);
    QCOMPARE(Texts(model.document) ==
                 std::vector<std::string>(recovery.texts.begin(), recovery.texts.end()),
             restored);
    QCOMPARE(model.IsModified(), restored);
    QCOMPARE(WindowOf(window)->windowTitle().endsWith(QStringLiteral(" *")), restored);
    QCOMPARE(fs::exists(fs::path(setup.RecoveryFile())), kept);
    QCOMPARE(ReadBytes(setup.dir / "ai.ini"), onDisk);
    if (restored) {
        QCOMPARE(model.history.UndoName(), std::u16string(u"恢复未保存的修改"));
        // A save asks before it overwrites what changed on disk since.
        recorder.Answer(Answer::No);     // not split
        recorder.Answer(Answer::Cancel); // not overwritten
        MenuAction(window, QStringLiteral("保存"))->trigger();
        const bool changed = found == Found::ChangedOnDisk;
        QCOMPARE(recorder.shown().back().buttons,
                 changed ? Buttons::OverwriteCancel : Buttons::YesNoCancel);
        QCOMPARE(model.IsModified(), changed);
        model.Undo();
        QVERIFY(!changed || !model.IsModified());
    }
    if (answer == Answer::Later && !atStart) {
        // Kept for the next start: this run's changes are not written over it.
        Edit(window);
        QTest::qWait(2500);
        QCOMPARE(ReadBytes(fs::path(setup.RecoveryFile())), recoveryBytes);
    }
}

void RecoveryWindowTest::keptWhileUnsavedAndRemovedAfter_data() {
    QTest::addColumn<QString>("then");
    for (const char *then : {"save", "undo", "open another, 不保存", "exit, 不保存", "no folder"})
        QTest::newRow(then) << QString::fromUtf8(then);
}

void RecoveryWindowTest::keptWhileUnsavedAndRemovedAfter() {
    QFETCH(QString, then);
    Setup setup;
    WriteBytes(setup.dir / "b.ini", kFile);
    // A file where the data folder should be: every write fails.
    if (then == QStringLiteral("no folder")) WriteBytes(setup.data / "VantaEdit", "");
    testsupport::MessageRecorder recorder(Answer::Discard);
    CVantaEditDlg window;
    QVERIFY(window.openCommandLine({setup.path}));
    Edit(window);
    const fs::path file(setup.RecoveryFile());

    if (then == QStringLiteral("no folder")) {
        // Said in the caption while it lasts, and the edits go on.
        QTRY_VERIFY_WITH_TIMEOUT(
            WindowOf(window)->windowTitle().contains(QStringLiteral("无法保存恢复文件")), 8000);
        QCOMPARE(recorder.shown().size(), size_t(0));
        Edit(window);
        QVERIFY(window.model().IsModified());
        window.model().Undo();
        window.model().Undo();
        QVERIFY(!WindowOf(window)->windowTitle().contains(QStringLiteral("恢复文件")));
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(file), 5000);
    QCOMPARE(Texts(window.model().document), [&] {
        const Recovery kept = ReadRecoveryFile(file.u16string()).recovery;
        return std::vector<std::string>(kept.texts.begin(), kept.texts.end());
    }());

    if (then == QStringLiteral("save")) {
        recorder.Answer(Answer::No); // not split
        MenuAction(window, QStringLiteral("保存"))->trigger();
    } else if (then == QStringLiteral("undo")) {
        MenuAction(window, QStringLiteral("撤销 改"))->trigger();
    } else if (then == QStringLiteral("open another, 不保存")) {
        QVERIFY(window.openCommandLine({WidePath(setup.dir / "b.ini")}));
    } else {
        MenuAction(window, QStringLiteral("退出程序"))->trigger();
    }
    QVERIFY(!window.model().IsModified() || then == QStringLiteral("exit, 不保存"));
    // Exit has waited for the writer; the others hand the removal over.
    QTRY_VERIFY_WITH_TIMEOUT(!fs::exists(file), 5000);
    QVERIFY(fs::is_empty(setup.data / "VantaEdit/recovery"));
}

void RecoveryWindowTest::theQtBoxAsksWithItsThreeButtons() {
    QWidget mainWindow;
    gui::qt::InstallQtSeams([&mainWindow] { return &mainWindow; });
    const struct {
        QString click;
        Answer answer;
    } clicks[] = {{QStringLiteral("恢复"), Answer::Restore},
                  {QStringLiteral("丢弃"), Answer::Discard},
                  {QStringLiteral("稍后"), Answer::Later},
                  {QString(), Answer::Later}}; // closed with Escape
    for (const auto &click : clicks) {
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) return;
            for (QAbstractButton *button : box->buttons())
                shown << button->text();
            if (click.click.isEmpty()) QTest::keyClick(box, Qt::Key_Escape);
            for (QAbstractButton *button : box->buttons())
                if (button->text() == click.click) button->click();
        });
        QCOMPARE(platform::ShowOwnedMessage(u"发现未保存的修改", u"发现未保存的修改",
                                            Buttons::RestoreDiscardLater, platform::Icon::Question),
                 click.answer);
        shown.sort();
        QCOMPARE(shown, QStringList({QStringLiteral("丢弃"), QStringLiteral("恢复"),
                                     QStringLiteral("稍后")}));
    }
}

QTEST_MAIN(RecoveryWindowTest)
#include "recoverywindow_test.moc"
