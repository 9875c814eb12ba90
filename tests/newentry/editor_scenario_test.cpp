// The editor's windows together on one small mod, through their widgets: finding and following
// entries, the report's findings, copy and rename.

#include "app/vantaeditdlg.h"
#include "core/document.h"
#include "core/windowsignals.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qtwindow.h"
#include "res/addnewdialog.h"
#include "res/entrytextdialogs.h"
#include "res/renamedialog.h"
#include "res/resources.h"
#include "res/teamdialog.h"
#include "res/triggerdialog.h"
#include "support/testdocument.h"
#include "support/testsupport.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using gui::Dialog;
using gui::qt::ReportView;
using gui::qt::WidgetOf;

namespace {

QString Q(const std::string &utf8) { return QString::fromUtf8(utf8); }

QAction *MenuAction(const Dialog &window, const QString &text) {
    for (QAction *action : gui::qt::WindowOf(window)->findChildren<QAction *>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

// The rows a list shows, by the text of one column.
QStringList Shown(const ReportView *list, int column) {
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        texts << list->text(row, column);
    return texts;
}

} // namespace

class EditorScenarioTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::UseQtBackend(); }
    void findAndFollow();

private:
    ReportView *list(Dialog *window, int id) { return WidgetOf<ReportView>(*window, id); }
    void click(ReportView *list, int row) {
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    void press(Dialog *window, int id) { QTest::mouseClick(WidgetOf(*window, id), Qt::LeftButton); }
};

// A small mod walked as a big one is: where an entry is used, following that and the report's
// findings to the entries, the lists following each edit and its undo.
void EditorScenarioTest::findAndFollow() {
    ResetTestDocument();
    testsupport::TempDir dir;
    const std::string trigger =
        ",<all>,0,1,NoCheck,0000000002000000000000000000000000000000000000000000000000000000,"
        "50.000000,0.000000,100.000000,1,0,0,1,";
    testsupport::WriteBytes(dir / "ai.ini",
                            "[TaskForces]\n0=TF1\n1=TF2\n[TF1]\nName=first\n0=1,E1\n"
                            "[TF2]\nName=second\n0=1,E1\n[ScriptTypes]\n0=S1\n[S1]\nName=s\n"
                            "0=0,1\n[TeamTypes]\n0=TM1\n1=TM2\n[TM1]\nName=one\n"
                            "TaskForce= TF1 ;the first\nScript=S1\n[TM2]\nName=two\n"
                            "TaskForce=TF2\nScript=S1\n[AITriggerTypes]\nTR1=Trig,TM1" +
                                trigger + "TM1,1,1,1\nTR2=Lost,TM_Gone" + trigger + "TM2,1,1,1\n");
    testsupport::MessageRecorder recorder;
    CVantaEditDlg main;
    main.show();
    QVERIFY(main.openCommandLine({testsupport::WidePath(dir / "ai.ini")}));
    Dialog *teams = g_teamWindow;
    Dialog *taskForces = g_taskForceWindow;
    ReportView *teamRows = list(teams, res::kIdTeamList);
    ReportView *taskForceRows = list(taskForces, res::kIdTaskForceList);
    ReportView *teamUsers = list(taskForces, res::kIdTaskForceUsage);
    auto *caption = WidgetOf<QLabel>(*taskForces, res::kIdTaskForceUsageCaption);
    auto users = [teamUsers] { return Shown(teamUsers, 0); };

    // A reference with a note and blanks still names TF1; a trigger naming TM1 twice counts once.
    click(taskForceRows, 0);
    QCOMPARE(caption->text(), Q("被 1 个队伍使用"));
    QCOMPARE(users(), QStringList{Q("TM1")});
    click(teamRows, 0);
    QCOMPARE(WidgetOf<QLabel>(*teams, res::kIdTeamUsageCaption)->text(), Q("被 1 个触发使用"));
    click(teamRows, 1);
    QCOMPARE(list(teams, res::kIdTeamUsage)->text(0, 0), Q("TR2")); // as its second team

    // TM1 takes TF2 instead: the task force window's list follows the save, and its undo.
    click(teamRows, 0);
    WidgetOf<QComboBox>(*teams, res::kIdTeamTaskForce)->setEditText(Q("TF2"));
    press(teams, res::kIdTeamSave);
    QCOMPARE(caption->text(), Q("未被使用"));
    QCOMPARE(users(), QStringList{});
    click(taskForceRows, 1);
    QCOMPARE(users(), (QStringList{Q("TM1"), Q("TM2")}));
    main.model().Undo();
    QCOMPARE(users(), QStringList{Q("TM2")});

    // A double-click on a user shows it in its window.
    teamRows->clearSelection();
    QTest::mouseDClick(teamUsers->viewport(), Qt::LeftButton, {},
                       teamUsers->visualRect(teamUsers->model()->index(0, 0)).center());
    QCOMPARE(teamRows->selectedRowList(), QList<int>{1});
    QCOMPARE(WidgetOf<QLineEdit>(*teams, res::kIdTeamComment)->text(), Q("two"));

    // 检查文件: a table of the findings; a double-click on one shows the entry that holds it, even
    // through a filter that hides it, and 刷新 checks the document as it stands.
    ReportView *triggerRows = list(g_triggerWindow, res::kIdTriggerList);
    auto *triggerFilter = WidgetOf<QLineEdit>(*g_triggerWindow, res::kIdTriggerFilter);
    triggerFilter->setText(Q("trig"));
    QCOMPARE(Shown(triggerRows, 0), QStringList{Q("TR1")});
    MenuAction(main, Q("检查文件..."))->trigger();
    const platform::MessageBoxRequest &report = recorder.shown().back();
    QVERIFY(report.refresh);
    const platform::ReportTable &table = report.table;
    QCOMPARE(table.headers.size(), size_t(4));
    QCOMPARE(table.rows.size(), size_t(1));
    QCOMPARE(Q(testsupport::U8(table.rows[0][0])), Q("触发的队伍不存在"));
    QCOMPARE(Q(testsupport::U8(table.rows[0][2])), Q("ai.ini 第 28 行"));
    table.activated(0);
    QCOMPARE(triggerRows->selectedRowList(), QList<int>{1});
    QCOMPARE(Shown(triggerRows, 0), (QStringList{Q("TR1"), Q("TR2")}));
    QVERIFY(triggerFilter->text().isEmpty());
    press(g_triggerWindow, res::kIdTriggerDelete);
    QCOMPARE(report.refresh().rows.size(), size_t(0));

    // 改名 of TF2: the dialog says what the rename changes and refuses an ID that is taken; the
    // team naming it follows, and the window shows the task force under its new ID.
    click(taskForceRows, 1);
    QTimer::singleShot(0, [] {
        auto *window = qobject_cast<gui::qt::Window *>(QApplication::activeModalWidget());
        QVERIFY(window);
        const Dialog &dialog = window->dialog();
        QCOMPARE(dialog.templateId(), int(res::kIdRenameDialog));
        QCOMPARE(WidgetOf<QLabel>(dialog, res::kIdRenameCount)->text(),
                 Q("将更新 1 个队伍中的引用"));
        auto *field = WidgetOf<QLineEdit>(dialog, res::kIdRenameNew);
        for (const char *id : {"TF1", "Tanks"}) {
            field->setText(Q(id));
            QTest::keyClick(field, Qt::Key_Return);
        }
    });
    press(taskForces, res::kIdTaskForceRename);
    QCOMPARE(Q(testsupport::U8(recorder.shown().back().text)),
             Q("已经有注册名称为“TF1”的人员，请换一个名称"));
    QCOMPARE(taskForceRows->text(1, 1), Q("Tanks"));
    QCOMPARE(WidgetOf<QLabel>(*taskForces, res::kIdTaskForceTitle)->text(), Q("Tanks"));
    QCOMPARE(users(), QStringList{Q("TM2")});
    QVERIFY(main.model().document.teamSectionsText.find("\nTaskForce=Tanks\n") !=
            std::string::npos);

    // 复制 of TM2: the dialog suggests a free ID; the copy is one step, shown in its window.
    click(teamRows, 1);
    press(teams, res::kIdTeamCopy);
    auto *id = WidgetOf<QLineEdit>(*g_addNewWindow, res::kIdAddNewId);
    QCOMPARE(id->text(), Q("TM2_2"));
    QTest::keyClick(id, Qt::Key_Return);
    QCOMPARE(teamRows->text(teamRows->selectedRowList().value(0), 1), Q("TM2_2"));
    QCOMPARE(WidgetOf<QLineEdit>(*teams, res::kIdTeamComment)->text(), Q("two"));
    QCOMPARE(static_cast<gui::qt::QtDialogPeer &>(main.peer()).menuAction(res::kCmdUndo)->text(),
             Q("撤销 复制队伍 TM2_2"));
    main.model().Undo();
    main.model().Undo();
    QCOMPARE(taskForceRows->text(1, 1), Q("TF2"));
    QCOMPARE(teamRows->model()->rowCount(), 2);
}

QTEST_MAIN(EditorScenarioTest)
#include "editor_scenario_test.moc"
