// The script window: the task force window's behaviour on the script texts, and where the two
// differ.

#include "scripts/scriptwindow.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qtwindow.h"
#include "res/entrytextdialogs.h"
#include "support/testdocument.h"
#include "support/windowtest.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

using gui::qt::ReportView;
using gui::qt::WidgetOf;

namespace {

QString Q(const std::string &utf8) { return QString::fromUtf8(utf8); }

} // namespace

class ScriptWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::UseQtBackend(); }
    void init();
    void cleanup() { window.reset(); }

    void worksOnTheScriptTexts();
    void saveSignalsTheTeamWindow();
    void tidyWritesNoGroupLine();
    void deleteEndsTheListWithABlankLine();

private:
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QPoint center = list->visualRect(list->model()->index(row, 1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, center);
    }
    void click(int buttonId) { QTest::mouseClick(WidgetOf(*window, buttonId), Qt::LeftButton); }
    QPlainTextEdit *field() const { return WidgetOf<QPlainTextEdit>(*window, res::kIdScriptText); }

    std::unique_ptr<Cscripts> window;
    ReportView *list = nullptr;
};

void ScriptWindowTest::init() {
    ResetTestDocument();
    doc.openedPath = u"/tmp/ai.ini";
    doc.scriptListText = "[ScriptTypes]\n0=S_A\n1=S_B\n2=S_C\n";
    doc.scriptSectionsText = "\n[S_A]\nName=Attack\n0=0,3\n\n[S_B]\nName=Move\n0=8,2\n\n"
                             "[S_C]\nName=Guard\n0=11,4\n\n";
    window = std::make_unique<Cscripts>(model);
    list = WidgetOf<ReportView>(*window, res::kIdScriptList);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(gui::qt::WindowOf(*window)));
}

void ScriptWindowTest::worksOnTheScriptTexts() {
    QVERIFY(window->caption() == u"脚本窗口");
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(list->text(1, 2), Q("Move"));
    clickRow(1);
    QCOMPARE(WidgetOf<QLabel>(*window, res::kIdScriptTitle)->text(), Q("S_B"));
    QCOMPARE(field()->toPlainText(), Q("[S_B]\nName=Move\n0=8,2\n"));

    window->hide();
    g_scriptJumpTarget = u"S_C";
    g_scriptJumpPending = true;
    g_taskForceJumpPending = true; // another window's request stays
    window->show();
    QCOMPARE(list->selectedRowList(), QList<int>{2});
    QVERIFY(!g_scriptJumpPending);
    QVERIFY(g_taskForceJumpPending);

    click(res::kIdScriptNew);
    QCOMPARE(g_scriptPendingRow.rowIndex, 3);
    QCOMPARE(g_addNewKind, 2);
    QVERIFY(g_addNewPreset);
}

void ScriptWindowTest::saveSignalsTheTeamWindow() {
    clickRow(0);
    field()->setPlainText(Q("[S_A]\nName=Attack\n0=0,4\n"));
    click(res::kIdScriptSave);
    QCOMPARE(EntrySectionOf(doc.scriptSectionsText, "S_A"), "[S_A]\nName=Attack\n0=0,4\n");
    QVERIFY(g_scriptListChanged);
}

void ScriptWindowTest::tidyWritesNoGroupLine() {
    clickRow(0);
    field()->setPlainText(Q("[S_A]\nName=Attack\nGroup=-1\n0=0,3\n4=8,2\n7=11,4\n"));
    click(res::kIdScriptTidy);
    QCOMPARE(field()->toPlainText(), Q("[S_A]\nName=Attack\n0=0,3\n1=8,2\n2=11,4\n"));
}

void ScriptWindowTest::deleteEndsTheListWithABlankLine() {
    doc.startNumber = 7;
    clickRow(1);
    click(res::kIdScriptDelete);
    QCOMPARE(doc.scriptListText, "[ScriptTypes]\n7=S_A\n8=S_C\n\n");
    QCOMPARE(doc.scriptSectionsText,
             "[S_A]\nName=Attack\n0=0,3\n\n[S_C]\nName=Guard\n0=11,4\n\n\n");
    QCOMPARE(list->text(1, 0), Q("8"));
    QVERIFY(g_scriptListChanged);
    QVERIFY(!g_taskForceListChanged);
}

QTEST_MAIN(ScriptWindowTest)
#include "scriptwindow_test.moc"
