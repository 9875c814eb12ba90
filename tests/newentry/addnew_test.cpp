// The new entry dialog through its real controls: the messages with no file open, what Enter
// leaves alone, the IDs it refuses, and a new entry numbered after its window's rows.

#include "core/document.h"
#include "core/windowsignals.h"
#include "gui/qt/qtwindow.h"
#include "newentry/addnew.h"
#include "res/addnewdialog.h"
#include "res/triggerdialog.h"
#include "support/testdocument.h"
#include "support/testsupport.h"
#include "support/windowtest.h"
#include "ui/editorwindows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

using gui::qt::WidgetOf;
using testsupport::MessageRecorder;

class AddNewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::UseQtBackend(); }
    void init() {
        ResetTestDocument();
        dialog = std::make_unique<CAddnew>(model);
        kind = WidgetOf<QComboBox>(*dialog, res::kIdAddNewKind);
        id = WidgetOf<QLineEdit>(*dialog, res::kIdAddNewId);
        dialog->show();
    }
    void cleanup() { dialog.reset(); }

    void noFileOpenOnlySaysSo();
    void enterLeavesAnEmptyIdOrATypedKindAlone();
    void refusedIdKeepsTheDialogOpen();
    void scriptIsNumberedAfterItsWindowsRows();

private:
    void openFile() {
        doc.openedPath = u"/tmp/ai.ini";
        doc.scriptListText = "[ScriptTypes]\n0=A\n1=B\n2=C\n3=D\n";
        doc.scriptSectionsText = "[A]\nName=a\n\n[B]\nName=b\n\n[C]\nName=c\n\n[D]\nName=d\n\n";
    }
    void enter(const QString &text) {
        id->clear();
        QTest::keyClicks(id, text);
        QTest::keyClick(id, Qt::Key_Return);
    }

    std::unique_ptr<CAddnew> dialog;
    QComboBox *kind = nullptr;
    QLineEdit *id = nullptr;
};

void AddNewTest::noFileOpenOnlySaysSo() {
    MessageRecorder recorder;
    enter(QStringLiteral("Anything"));
    QVERIFY(!dialog->isVisible());
    dialog->show();
    enter(QStringLiteral("Drumo"));
    QCOMPARE(
        recorder.Texts(),
        (std::vector<std::string>{
            "ヽ(#`Д?)?o(▼皿▼メ;)o你小子隔着干啥???",
            "很高兴您能使用我的软件!感谢使用!\nNice to you use my program!Thank you for use!"}));
    QVERIFY(!dialog->isVisible());
    QVERIFY(doc.triggerText.empty());
}

void AddNewTest::enterLeavesAnEmptyIdOrATypedKindAlone() {
    MessageRecorder recorder;
    openFile();
    enter({});
    QVERIFY(dialog->isVisible());

    // A kind typed into the box's field instead of chosen is no choice.
    kind->setCurrentIndex(2);
    kind->lineEdit()->setText(QStringLiteral("脚"));
    enter(QStringLiteral("New"));
    QVERIFY(dialog->isVisible());
    QVERIFY(recorder.shown().empty());
    QCOMPARE(g_addNewKind, 0);
    QVERIFY(!g_scriptPendingRow.pending);
}

void AddNewTest::refusedIdKeepsTheDialogOpen() {
    MessageRecorder recorder;
    openFile();
    const std::string list = doc.scriptListText;
    kind->setCurrentIndex(2);
    enter(QStringLiteral("B"));
    enter(QStringLiteral("x,y"));
    QCOMPARE(recorder.shown().size(), size_t(2));
    QCOMPARE(recorder.Texts()[0], std::string("已经有注册名称为“B”的脚本，请换一个名称"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(id->text(), QStringLiteral("x,y"));
    QCOMPARE(doc.scriptListText, list);
}

void AddNewTest::scriptIsNumberedAfterItsWindowsRows() {
    openFile();
    // The script window lists the four scripts.
    dialog = std::make_unique<CAddnew>(
        model, nullptr, [](NewEntryKind kind) { return kind == NewEntryKind::Script ? 4 : 0; });
    kind = WidgetOf<QComboBox>(*dialog, res::kIdAddNewKind);
    id = WidgetOf<QLineEdit>(*dialog, res::kIdAddNewId);
    dialog->show();

    g_scriptPendingRow.rowIndex = 1; // left by an earlier New
    kind->setCurrentIndex(2);
    enter(QStringLiteral("S1"));
    QVERIFY(!dialog->isVisible());
    QVERIFY(doc.scriptListText.ends_with("\n3=D\n4=S1\n"));
    QCOMPARE(g_scriptPendingRow.rowIndex, 4);
    QCOMPARE(g_addNewKind, 2);
}

QTEST_MAIN(AddNewTest)
#include "addnew_test.moc"
