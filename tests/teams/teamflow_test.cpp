// The team window end to end beside the real task force and script windows: open a file,
// browse, jump, edit a team, delete one, save the file and read it back.

#include "app/opensave.h"
#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "document/documentio.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qtwindow.h"
#include "res/entrytextdialogs.h"
#include "res/teamdialog.h"
#include "scripts/scriptwindow.h"
#include "support/testeditor.h"
#include "support/testsupport.h"
#include "support/windowtest.h"
#include "taskforces/taskforcewindow.h"
#include "teams/teamform.h"
#include "teams/teamwindow.h"
#include "ui/editorwindows.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <memory>

using gui::qt::ReportView;
using gui::qt::WidgetOf;
using namespace testsupport;

namespace {

const std::string kFile =
    "[General]\r\nName=dropped\r\n"
    "[TaskForces]\r\n0=TF_A\r\n1=TF_B\r\n\r\n"
    "[TF_A]\r\nName=tf a\r\n0=1,E1\r\nGroup=-1\r\n\r\n"
    "[TF_B]\r\nName=tf b\r\n0=2,E2\r\nGroup=-1\r\n\r\n"
    "[ScriptTypes]\r\n0=S_A\r\n1=S_B\r\n"
    "[S_A]\r\nName=s a\r\n0=0,0\r\n"
    "[S_B]\r\nName=s b\r\n0=0,1\r\n"
    "[TeamTypes]\r\n4=T_First\r\n7=T_Second\r\n9=T_Third\r\n"
    "[T_First]\r\nName=first\r\nMax=2\r\nScript=S_A\r\nTaskForce=TF_A\r\n"
    "[T_Second]\r\nName=second\r\nFull=yes\r\nScript=S_B\r\nTaskForce=TF_B\r\n"
    "[T_Third]\r\nName=third\r\nScript=S_A\r\nTaskForce=TF_B\r\n";

QPoint CenterOfRow(const ReportView *list, int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
}

} // namespace

class TeamFlowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseQtBackend(); }
    void browseJumpEditDeleteSaveAndReopen();
};

void TeamFlowTest::browseJumpEditDeleteSaveAndReopen() {
    ResetTestDocument();
    TempDir dir;
    WriteBytes(dir / "ai.ini", kFile);
    platform::SetOpenFileHandler([&](const std::u16string &) { return WidePath(dir / "ai.ini"); });
    MessageRecorder messages(platform::Answer::No); // No: save into the one file

    auto teams = std::make_unique<CArmy>(model);
    auto taskForces = std::make_unique<CTaskForces>(model);
    auto scripts = std::make_unique<Cscripts>(model);
    g_teamWindow = teams.get();
    g_taskForceWindow = taskForces.get();
    g_scriptWindow = scripts.get();
    OpenFile(AskOpenPath());
    auto *teamList = WidgetOf<ReportView>(*teams, res::kIdTeamList);
    auto *taskForceList = WidgetOf<ReportView>(*taskForces, res::kIdTaskForceList);
    auto *scriptList = WidgetOf<ReportView>(*scripts, res::kIdScriptList);
    QCOMPARE(teamList->model()->rowCount(), 3);
    QVERIFY(QTest::qWaitForWindowExposed(gui::qt::WindowOf(*teams)));

    // Browse with automatic jumping: the other windows select the team's parts.
    QTest::mouseClick(WidgetOf(*teams, res::kIdTeamAutoJump), Qt::LeftButton);
    QTest::mouseClick(teamList->viewport(), Qt::LeftButton, {}, CenterOfRow(teamList, 2));
    QCOMPARE(WidgetOf<QLabel>(*teams, res::kIdTeamHint)->text(),
             QStringLiteral("注册序号：2,标题：T_Third"));
    QCOMPARE(taskForceList->selectedRowList(), QList<int>{1}); // TF_B
    QCOMPARE(scriptList->selectedRowList(), QList<int>{0});    // S_A
    QVERIFY(taskForces->isVisible() && scripts->isVisible());

    // Edit a flag and save the team, then delete the first team.
    QTest::mouseClick(WidgetOf(*teams, res::kTeamKeyIds[kTeamFirstFlag + 18]), Qt::LeftButton);
    QTest::mouseClick(WidgetOf(*teams, res::kIdTeamSave), Qt::LeftButton);
    QTest::mouseClick(teamList->viewport(), Qt::LeftButton, {}, CenterOfRow(teamList, 0));
    QTest::mouseClick(WidgetOf(*teams, res::kIdTeamDelete), Qt::LeftButton);
    QCOMPARE(teamList->model()->rowCount(), 2);

    // [General] holds a Name= line, so the first Save shows what it drops first.
    messages.Answer(platform::Answer::Save);
    SaveFile();
    const std::string saved = ReadBytes(dir / "ai.ini");
    QVERIFY(saved.find("[T_First]") == std::string::npos);
    QVERIFY(saved.find("[TeamTypes]\r\n0=T_Second\r\n1=T_Third\r\n") != std::string::npos);

    // Read back: the edited team holds its lines in their places and the flag set after them,
    // no other key it lacked; the other team is as it was.
    doc.openedPath = WidePath(dir / "ai.ini");
    LoadOpenedFile(doc, false);
    QCOMPARE(doc.teamListText, "[TeamTypes]\n0=T_Second\n1=T_Third\n");
    const std::string third = EntrySectionOf(doc.teamSectionsText, "T_Third");
    QVERIFY(StartsWith(
        third, "[T_Third]\nName=third\nScript=S_A\nTaskForce=TF_B\nOnlyTargetHouseEnemy=yes\n\n"));
    QVERIFY(EntrySectionOf(doc.teamSectionsText, "T_Second").find("Full=yes") != std::string::npos);

    platform::SetOpenFileHandler({});
    g_teamWindow = g_taskForceWindow = g_scriptWindow = nullptr;
}

QTEST_MAIN(TeamFlowTest)
#include "teamflow_test.moc"
