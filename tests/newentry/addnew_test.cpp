// The new entry dialog through its real controls: the preset on show or hide, Enter and Escape,
// the messages with no file open, and the IDs it refuses.

#include "app/editorwindows.h"
#include "core/document.h"
#include "newentry/addnew.h"
#include "platform/controls.h"
#include "res/addnewdialog.h"
#include "res/triggerdialog.h"
#include "support/testsupport.h"

#include <QLineEdit>
#include <QTest>
#include <memory>

using testsupport::MessageRecorder;

class AddNewTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ResetDocument();
        dialog = std::make_unique<CAddnew>();
        kind = dialog->control<platform::ComboBox>(res::kIdAddNewKind);
        id = dialog->control<QLineEdit>(res::kIdAddNewId);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void cleanup() {
        g_scriptWindow = nullptr;
        dialog.reset();
    }

    void kindsInTheirFixedOrder();
    void presetChoosesTheKindAndEmptiesTheId();
    void noFileOpenOnlySaysSo();
    void emptyIdOrTypedKindDoesNothing();
    void refusedIdKeepsTheDialogOpen();
    void scriptIsNumberedAfterItsWindowsRows();
    void escapeHides();

private:
    void openFile() {
        g_openedPath = u"/tmp/ai.ini";
        g_scriptListText = "[ScriptTypes]\n0=A\n1=B\n2=C\n3=D\n";
        g_scriptSectionsText = "[A]\nName=a\n\n[B]\nName=b\n\n[C]\nName=c\n\n[D]\nName=d\n\n";
        g_taskForceListText = "[TaskForces]\n";
    }
    void type(const QString &text) {
        id->clear();
        QTest::keyClicks(id, text);
    }
    void enter() { QTest::keyClick(id, Qt::Key_Return); }

    std::unique_ptr<CAddnew> dialog;
    platform::ComboBox *kind = nullptr;
    QLineEdit *id = nullptr;
};

void AddNewTest::kindsInTheirFixedOrder() {
    QCOMPARE(kind->count(), 4);
    const QStringList expected = {QStringLiteral("触发"), QStringLiteral("队伍"),
                                  QStringLiteral("脚本"), QStringLiteral("人员")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(kind->itemText(i), expected[i]);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("新增内容"));
}

void AddNewTest::presetChoosesTheKindAndEmptiesTheId() {
    type(QStringLiteral("Typed"));
    dialog->hide();
    dialog->show();
    QCOMPARE(id->text(), QStringLiteral("Typed")); // no preset asked yet

    g_addNewKind = 2;
    g_addNewPreset = true;
    dialog->hide();
    dialog->show();
    QCOMPARE(kind->currentText(), QStringLiteral("脚本"));
    QVERIFY(id->text().isEmpty());
}

void AddNewTest::noFileOpenOnlySaysSo() {
    MessageRecorder recorder;
    type(QStringLiteral("Anything"));
    enter();
    QVERIFY(dialog->isHidden());
    dialog->show();
    type(QStringLiteral("Drumo"));
    enter();
    QCOMPARE(
        recorder.Texts(),
        (std::vector<std::string>{
            "ヽ(#`Д?)?o(▼皿▼メ;)o你小子隔着干啥???",
            "很高兴您能使用我的软件!感谢使用!\nNice to you use my program!Thank you for use!"}));
    QVERIFY(dialog->isHidden());
    QVERIFY(g_triggerText.empty());
}

void AddNewTest::emptyIdOrTypedKindDoesNothing() {
    MessageRecorder recorder;
    openFile();
    enter();
    QVERIFY(dialog->isVisible());

    // A kind typed into the box's field instead of chosen is no choice.
    kind->setCurrentIndex(2);
    kind->lineEdit()->setText(QStringLiteral("脚"));
    type(QStringLiteral("New"));
    enter();
    QVERIFY(dialog->isVisible());
    QVERIFY(recorder.shown().empty());
    QCOMPARE(g_addNewKind, 0);
    QVERIFY(!g_scriptPendingRow.pending);
}

void AddNewTest::refusedIdKeepsTheDialogOpen() {
    MessageRecorder recorder;
    openFile();
    const std::string list = g_scriptListText;
    kind->setCurrentIndex(2);
    type(QStringLiteral("B"));
    enter();
    type(QStringLiteral("x,y"));
    enter();
    QCOMPARE(recorder.shown().size(), size_t(2));
    QCOMPARE(recorder.Texts()[0], std::string("已经有注册名称为“B”的脚本，请换一个名称"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(id->text(), QStringLiteral("x,y"));
    QCOMPARE(g_scriptListText, list);
}

void AddNewTest::scriptIsNumberedAfterItsWindowsRows() {
    openFile();
    // A window that lists the four scripts.
    platform::Dialog scripts(res::kIdTriggerDialog);
    auto *rows = scripts.control<platform::ReportList>(res::kIdTriggerList);
    rows->setColumns({QStringLiteral("注册名称")});
    for (int row = 0; row < 4; ++row)
        rows->insertTextRow(row, {QString::number(row)});
    g_scriptWindow = &scripts;

    g_scriptPendingRow.rowIndex = 1; // left by an earlier New
    kind->setCurrentIndex(2);
    type(QStringLiteral("S1"));
    enter();
    QVERIFY(dialog->isHidden());
    QVERIFY(g_scriptListText.ends_with("\n3=D\n4=S1\n"));
    QVERIFY(g_scriptSectionsText.ends_with("[D]\nName=d\n\n[S1]\nName=Drumo\n\n"));
    QCOMPARE(g_scriptPendingRow.rowIndex, 4);
    QCOMPARE(g_addNewKind, 2);

    // "人员" makes a task force; its window does not exist, so it lists no rows.
    dialog->show();
    kind->setCurrentIndex(3);
    type(QStringLiteral("F1"));
    enter();
    QCOMPARE(g_taskForceListText, std::string("[TaskForces]\n0=F1\n"));
    QVERIFY(g_taskForcePendingRow.pending);
}

void AddNewTest::escapeHides() {
    openFile();
    type(QStringLiteral("T1"));
    QTest::keyClick(id, Qt::Key_Escape);
    QVERIFY(dialog->isHidden());
    QVERIFY(g_triggerText.empty());
}

QTEST_MAIN(AddNewTest)
#include "addnew_test.moc"
