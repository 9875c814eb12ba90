// The whole editor from one user's session: open a generated file through the menu, edit one
// entry of each kind in its window, create one of each through the new entry dialog, delete one
// of each, jump from a trigger to its team and from the team to its parts, save, and read back
// what was written.

#include "app/vantaeditdlg.h"
#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "document/documentio.h"
#include "newentry/addnew.h"
#include "platform/controls.h"
#include "platform/textfile.h"
#include "res/addnewdialog.h"
#include "res/entrytextdialogs.h"
#include "res/renamedialog.h"
#include "res/teamdialog.h"
#include "res/triggerdialog.h"
#include "support/generator.h"
#include "support/testdocument.h"
#include "support/testsupport.h"
#include "support/windowtest.h"
#include "triggers/triggerformat.h"
#include "triggers/triggerloader.h"
#include "ui/editorwindows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

using platform::Dialog;
using platform::ReportList;
using testsupport::U16;

namespace {

QString Q(const std::string &utf8) { return QString::fromUtf8(utf8); }
std::string Narrow(const QString &text) { return ToNarrow(text.toStdU16String()); }

// The document's seven texts at one moment.
struct Texts {
    std::string taskForceList, taskForceSections, scriptList, scriptSections, teamList,
        teamSections, triggers;
    static Texts Of(const Document &d) {
        return {d.taskForceListText,  d.taskForceSectionsText, d.scriptListText,
                d.scriptSectionsText, d.teamListText,          d.teamSectionsText,
                d.triggerText};
    }
    bool operator==(const Texts &) const = default;
};

// The lines of a text, without their line breaks.
std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t lf = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, lf - start));
        start = lf + 1;
    }
    return lines;
}

// The IDs of a registry list text, in its order.
std::vector<std::string> IdsOf(std::string_view listText) {
    std::vector<std::string> ids;
    for (const std::string &line : LinesOf(listText)) {
        if (const size_t equals = line.find('='); equals != std::string::npos)
            ids.push_back(line.substr(equals + 1));
    }
    return ids;
}

// An entry's section without the line breaks that end it.
std::string SectionOf(std::string_view sections, std::string_view id) {
    std::string section = EntrySectionOf(sections, id);
    while (!section.empty() && section.back() == '\n')
        section.pop_back();
    return section;
}

// What a list of IDs becomes when `deleted` goes and `added` comes last.
std::vector<std::string> Expected(std::vector<std::string> ids, const std::string &deleted,
                                  const std::string &added) {
    std::erase(ids, deleted);
    ids.push_back(added);
    return ids;
}

QAction *MenuAction(const QWidget &window, const QString &text) {
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

} // namespace

class EditorScenarioTest : public QObject {
    Q_OBJECT

private slots:
    void wholeSession();
    void findAndFollow();

private:
    ReportList *list(Dialog *window, int id) { return window->control<ReportList>(id); }
    void click(ReportList *list, int row) {
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    void press(Dialog *window, int id) { QTest::mouseClick(window->control(id), Qt::LeftButton); }
    void moveOver(Dialog *window, int listId) { testsupport::MoveOverSurface(window, listId); }
    // New in `window`, then the ID typed into the new entry dialog and Enter.
    void create(Dialog *window, int newId, const QString &kind, const QString &id) {
        press(window, newId);
        QVERIFY(g_addNewWindow->isVisible());
        QCOMPARE(g_addNewWindow->control<QComboBox>(res::kIdAddNewKind)->currentText(), kind);
        auto *field = g_addNewWindow->control<QLineEdit>(res::kIdAddNewId);
        QVERIFY(field->text().isEmpty());
        QTest::keyClicks(field, id);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(g_addNewWindow->isHidden());
    }
    // Row `row` selected alone, then Delete; returns the deleted row's ID.
    std::string deleteRow(Dialog *window, int listId, int idColumn, int row, int deleteId) {
        ReportList *rows = list(window, listId);
        click(rows, row);
        const std::string id = Narrow(rows->text(row, idColumn));
        press(window, deleteId);
        return id;
    }
};

void EditorScenarioTest::wholeSession() {
    ResetTestDocument();
    testsupport::TempDir dir;
    const std::u16string path = testsupport::WidePath(dir / "rules.ini");
    QVERIFY(platform::WriteTextFile(path, testsupport::GenerateAiFile(1, 7)).ok);
    // A new team's body comes from the template in the current directory.
    testsupport::WriteBytes(dir / "LoadTempTeamData.txt", "Name=From template\r\n\r\nMax=3");
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    platform::SetOpenFileHandler([&path](const std::u16string &) { return path; });
    testsupport::MessageRecorder recorder;

    CVantaEditDlg main;
    main.show();
    for (Dialog *window :
         {g_addNewWindow, g_teamWindow, g_scriptWindow, g_taskForceWindow, g_triggerWindow})
        QVERIFY(window && window->isHidden());
    MenuAction(main, Q("打开"))->trigger();
    for (Dialog *window : {g_teamWindow, g_scriptWindow, g_taskForceWindow, g_triggerWindow})
        QVERIFY(window->isVisible());
    QVERIFY(g_addNewWindow->isHidden());
    const Texts before = Texts::Of(main.model().document);

    Dialog *triggers = g_triggerWindow;
    Dialog *teams = g_teamWindow;
    Dialog *taskForces = g_taskForceWindow;
    Dialog *scripts = g_scriptWindow;
    ReportList *triggerRows = list(triggers, res::kIdTriggerList);
    ReportList *teamRows = list(teams, res::kIdTeamList);
    ReportList *taskForceRows = list(taskForces, res::kIdTaskForceList);
    ReportList *scriptRows = list(scripts, res::kIdScriptList);
    QCOMPARE(triggerRows->rowCount(), 2000);

    // From a trigger to its team, and from the team to its task force and script.
    click(triggerRows, 0);
    const QString team = triggers->control<QComboBox>(res::kIdTriggerTeam)->currentText();
    press(triggers, res::kIdTriggerJump);
    QCOMPARE(teamRows->selectedRows().size(), 1);
    QCOMPARE(teamRows->text(teamRows->selectedRows()[0], 1), team);
    const QString taskForce = teams->control<QComboBox>(res::kIdTeamTaskForce)->currentText();
    const QString script = teams->control<QComboBox>(res::kIdTeamScript)->currentText();
    QCOMPARE(Narrow(taskForce),
             ValueOfKey(EntrySectionOf(before.teamSections, Narrow(team)), "TaskForce="));
    press(teams, res::kIdTeamJump);
    QCOMPARE(taskForceRows->text(taskForceRows->selectedRows().value(0, -1), 1), taskForce);
    QCOMPARE(taskForces->control<QLabel>(res::kIdTaskForceTitle)->text(), taskForce);
    QCOMPARE(scriptRows->text(scriptRows->selectedRows().value(0, -1), 1), script);
    QCOMPARE(scripts->control<QLabel>(res::kIdScriptTitle)->text(), script);

    // One entry of each kind edited in its window.
    click(triggerRows, 1);
    const std::string editedTrigger = Narrow(triggerRows->text(1, 0));
    auto *name = triggers->control<QLineEdit>(res::kIdTriggerName);
    name->selectAll();
    name->insert(Q("改过的触发"));
    press(triggers, res::kIdTriggerSave);

    click(teamRows, 1);
    const std::string editedTeam = Narrow(teamRows->text(1, 1));
    auto *priority = teams->control<QLineEdit>(res::kIdTeamPriority);
    priority->selectAll();
    QTest::keyClicks(priority, Q("77"));
    press(teams, res::kIdTeamSave);

    click(taskForceRows, 1);
    const std::string editedTaskForce = Narrow(taskForceRows->text(1, 1));
    const std::string taskForceText = "[" + editedTaskForce + "]\nName=Renamed\n0=2,ENG\nGroup=-1";
    taskForces->control<QPlainTextEdit>(res::kIdTaskForceText)->setPlainText(Q(taskForceText));
    press(taskForces, res::kIdTaskForceSave);

    click(scriptRows, 1);
    const std::string editedScript = Narrow(scriptRows->text(1, 1));
    const std::string scriptText = "[" + editedScript + "]\nName=Shorter\n0=1,2";
    scripts->control<QPlainTextEdit>(res::kIdScriptText)->setPlainText(Q(scriptText));
    press(scripts, res::kIdScriptSave);

    // One of each created through the dialog, listed at the next mouse movement.
    create(triggers, res::kIdTriggerNew, Q("触发"), Q("NewTrigger"));
    create(teams, res::kIdTeamNew, Q("队伍"), Q("NewTeam"));
    create(scripts, res::kIdScriptNew, Q("脚本"), Q("NewScript"));
    create(taskForces, res::kIdTaskForceNew, Q("人员"), Q("NewTaskForce"));
    moveOver(triggers, res::kIdTriggerList);
    moveOver(teams, res::kIdTeamList);
    moveOver(scripts, res::kIdScriptList);
    moveOver(taskForces, res::kIdTaskForceList);
    QCOMPARE(triggerRows->text(2000, 0), Q("NewTrigger"));
    QCOMPARE(teamRows->text(teamRows->rowCount() - 1, 1), Q("NewTeam"));
    QCOMPARE(scriptRows->text(scriptRows->rowCount() - 1, 1), Q("NewScript"));
    QCOMPARE(taskForceRows->text(taskForceRows->rowCount() - 1, 1), Q("NewTaskForce"));

    // One of each deleted.
    const std::string deletedTrigger =
        deleteRow(triggers, res::kIdTriggerList, 0, 2, res::kIdTriggerDelete);
    const std::string deletedTeam = deleteRow(teams, res::kIdTeamList, 1, 2, res::kIdTeamDelete);
    const std::string deletedScript =
        deleteRow(scripts, res::kIdScriptList, 1, 2, res::kIdScriptDelete);
    const std::string deletedTaskForce =
        deleteRow(taskForces, res::kIdTaskForceList, 1, 2, res::kIdTaskForceDelete);

    // Every step taken back, newest first, each named in the menu; then done again. The lists
    // follow the texts each time.
    const Texts after = Texts::Of(main.model().document);
    QAction *undo = main.menuAction(res::kCmdUndo);
    QAction *redo = main.menuAction(res::kCmdRedo);
    QStringList undone;
    while (undo->isEnabled()) {
        undone << undo->text();
        undo->trigger();
    }
    const QStringList expected = {Q("撤销 删除人员 ") + Q(deletedTaskForce),
                                  Q("撤销 删除脚本 ") + Q(deletedScript),
                                  Q("撤销 删除队伍 ") + Q(deletedTeam),
                                  Q("撤销 删除触发 ") + Q(deletedTrigger),
                                  Q("撤销 重排队伍列表"),
                                  Q("撤销 新增人员 NewTaskForce"),
                                  Q("撤销 新增脚本 NewScript"),
                                  Q("撤销 新增队伍 NewTeam"),
                                  Q("撤销 新增触发 NewTrigger"),
                                  Q("撤销 保存脚本 ") + Q(editedScript),
                                  Q("撤销 保存人员 ") + Q(editedTaskForce),
                                  Q("撤销 保存队伍 ") + Q(editedTeam),
                                  Q("撤销 保存触发 ") + Q(editedTrigger)};
    QCOMPARE(undone, expected);
    QVERIFY(Texts::Of(main.model().document) == before);
    QCOMPARE(undo->text(), Q("撤销"));
    QVERIFY(!main.windowTitle().endsWith(Q(" *")));
    QCOMPARE(triggerRows->rowCount(), 2000);
    QCOMPARE(teamRows->rowCount(), 1000);
    QVERIFY(triggerRows->text(1, 1) != Q("改过的触发"));
    QCOMPARE(redo->text(), Q("重做 保存触发 ") + Q(editedTrigger));
    while (redo->isEnabled())
        redo->trigger();
    QVERIFY(Texts::Of(main.model().document) == after);
    QVERIFY(main.windowTitle().endsWith(Q(" *")));
    QCOMPARE(teamRows->text(teamRows->rowCount() - 1, 1), Q("NewTeam"));
    QCOMPARE(triggerRows->text(1, 1), Q("改过的触发"));

    recorder.Answer(platform::Answer::No); // one file, not split
    MenuAction(main, Q("保存"))->trigger();
    std::filesystem::current_path(cwd);
    platform::SetOpenFileHandler({});
    QCOMPARE(recorder.Texts(), std::vector<std::string>{"是否分文件保存?⊙(・◇・)？"});

    // The bytes on disk: CR LF line ends only, then the document they open into.
    const std::string saved = testsupport::ReadBytes(dir / "rules.ini");
    for (size_t lf = saved.find('\n'); lf != std::string::npos; lf = saved.find('\n', lf + 1))
        QVERIFY(lf > 0 && saved[lf - 1] == '\r');
    ResetTestDocument();
    doc.openedPath = path;
    QVERIFY(LoadOpenedFile(doc, false).openedFileRead);

    // Triggers: the edited line renamed, the deleted one gone, the new one last.
    std::string triggerLines;
    for (const std::string &line : LinesOf(before.triggers)) {
        const size_t equals = line.find('=');
        const std::string id = line.substr(0, equals);
        if (equals == std::string::npos || id == deletedTrigger) continue;
        if (id == editedTrigger) {
            triggerLines += id + "=" + ToNarrow(u"改过的触发") + line.substr(line.find(',')) + "\n";
        } else {
            triggerLines += line + "\n";
        }
    }
    triggerLines += "NewTrigger" + std::string(kNewTriggerValue) + "\n";
    QCOMPARE(doc.triggerText, "[AITriggerTypes]\n" + triggerLines + "\n");

    // Registry kinds: the same entries in the same order, numbered from the start number without
    // gaps; every untouched section as it was.
    struct Kind {
        const std::string &listBefore, &sectionsBefore, &listAfter, &sectionsAfter;
        std::string edited, editedSection, deleted, added, addedSection;
    };
    const std::string teamBefore = SectionOf(before.teamSections, editedTeam);
    const size_t priorityAt = teamBefore.find("\nPriority=") + 10;
    const std::string editedTeamSection = teamBefore.substr(0, priorityAt) + "77" +
                                          teamBefore.substr(teamBefore.find('\n', priorityAt));
    const Kind kinds[] = {
        {before.taskForceList, before.taskForceSections, doc.taskForceListText,
         doc.taskForceSectionsText, editedTaskForce, taskForceText, deletedTaskForce,
         "NewTaskForce", "[NewTaskForce]\nName=Drumo\nGroup=-1"},
        {before.scriptList, before.scriptSections, doc.scriptListText, doc.scriptSectionsText,
         editedScript, scriptText, deletedScript, "NewScript", "[NewScript]\nName=Drumo"},
        {before.teamList, before.teamSections, doc.teamListText, doc.teamSectionsText, editedTeam,
         editedTeamSection, deletedTeam, "NewTeam", "[NewTeam]\nName=From template\nMax=3"},
    };
    for (const Kind &kind : kinds) {
        const std::vector<std::string> ids = IdsOf(kind.listAfter);
        QCOMPARE(ids, Expected(IdsOf(kind.listBefore), kind.deleted, kind.added));
        for (const std::string &id : ids) {
            const std::string section = SectionOf(kind.sectionsAfter, id);
            if (id == kind.edited) {
                QCOMPARE(section, kind.editedSection);
            } else if (id == kind.added) {
                QCOMPARE(section, kind.addedSection);
            } else {
                QCOMPARE(section, SectionOf(kind.sectionsBefore, id));
            }
        }
        QCOMPARE(EntrySectionOf(kind.sectionsAfter, kind.deleted), std::string("None"));
    }
}

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
    QVERIFY(
        main.openCommandLine({QString::fromStdU16String(testsupport::WidePath(dir / "ai.ini"))}));
    Dialog *teams = g_teamWindow;
    Dialog *taskForces = g_taskForceWindow;
    ReportList *teamRows = list(teams, res::kIdTeamList);
    ReportList *taskForceRows = list(taskForces, res::kIdTaskForceList);
    ReportList *teamUsers = list(taskForces, res::kIdTaskForceUsage);
    auto *caption = taskForces->control<QLabel>(res::kIdTaskForceUsageCaption);
    auto users = [teamUsers] {
        QStringList ids;
        for (int row = 0; row < teamUsers->rowCount(); ++row)
            ids << teamUsers->text(row, 0);
        return ids;
    };

    // A reference with a note and blanks still names TF1; a trigger naming TM1 twice counts once.
    click(taskForceRows, 0);
    QCOMPARE(caption->text(), Q("被 1 个队伍使用"));
    QCOMPARE(users(), QStringList{Q("TM1")});
    click(teamRows, 0);
    QCOMPARE(teams->control<QLabel>(res::kIdTeamUsageCaption)->text(), Q("被 1 个触发使用"));
    click(teamRows, 1);
    QCOMPARE(list(teams, res::kIdTeamUsage)->text(0, 0), Q("TR2")); // as its second team

    // TM1 takes TF2 instead: the task force window's list follows the save, and its undo.
    click(teamRows, 0);
    teams->control<QComboBox>(res::kIdTeamTaskForce)->setEditText(Q("TF2"));
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
    QCOMPARE(teamRows->selectedRows(), QList<int>{1});
    QCOMPARE(teams->control<QLineEdit>(res::kIdTeamComment)->text(), Q("two"));

    // 检查文件: a table of the findings; a double-click on one shows the entry that holds it, even
    // through a filter that hides it, and 刷新 checks the document as it stands.
    ReportList *triggerRows = list(g_triggerWindow, res::kIdTriggerList);
    g_triggerWindow->control<QLineEdit>(res::kIdTriggerFilter)->setText(Q("trig"));
    QVERIFY(triggerRows->isRowHidden(1));
    MenuAction(main, Q("检查文件..."))->trigger();
    const platform::MessageBoxRequest &report = recorder.shown().back();
    QVERIFY(report.refresh);
    const platform::ReportTable &table = report.table;
    QCOMPARE(table.headers.size(), size_t(4));
    QCOMPARE(table.rows.size(), size_t(1));
    QCOMPARE(Q(testsupport::U8(table.rows[0][0])), Q("触发的队伍不存在"));
    QCOMPARE(Q(testsupport::U8(table.rows[0][2])), Q("ai.ini 第 28 行"));
    table.activated(0);
    QCOMPARE(triggerRows->selectedRows(), QList<int>{1});
    QVERIFY(g_triggerWindow->control<QLineEdit>(res::kIdTriggerFilter)->text().isEmpty());
    press(g_triggerWindow, res::kIdTriggerDelete);
    QCOMPARE(report.refresh().rows.size(), size_t(0));

    // 改名 of TF2: the dialog says what the rename changes and refuses an ID that is taken; the
    // team naming it follows, and the window shows the task force under its new ID.
    click(taskForceRows, 1);
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->control<QLabel>(res::kIdRenameCount)->text(),
                 Q("将更新 1 个队伍中的引用"));
        auto *field = dialog->control<QLineEdit>(res::kIdRenameNew);
        for (const char *id : {"TF1", "Tanks"}) {
            field->setText(Q(id));
            QTest::keyClick(field, Qt::Key_Return);
        }
    });
    press(taskForces, res::kIdTaskForceRename);
    QCOMPARE(Q(testsupport::U8(recorder.shown().back().text)),
             Q("已经有注册名称为“TF1”的人员，请换一个名称"));
    QCOMPARE(taskForceRows->text(1, 1), Q("Tanks"));
    QCOMPARE(taskForces->control<QLabel>(res::kIdTaskForceTitle)->text(), Q("Tanks"));
    QCOMPARE(users(), QStringList{Q("TM2")});
    QVERIFY(main.model().document.teamSectionsText.find("\nTaskForce=Tanks\n") !=
            std::string::npos);

    // 复制 of TM2: the dialog suggests a free ID; the copy is one step, shown in its window.
    click(teamRows, 1);
    press(teams, res::kIdTeamCopy);
    auto *id = g_addNewWindow->control<QLineEdit>(res::kIdAddNewId);
    QCOMPARE(id->text(), Q("TM2_2"));
    QTest::keyClick(id, Qt::Key_Return);
    QCOMPARE(teamRows->text(teamRows->selectedRows().value(0), 1), Q("TM2_2"));
    QCOMPARE(teams->control<QLineEdit>(res::kIdTeamComment)->text(), Q("two"));
    QCOMPARE(main.menuAction(res::kCmdUndo)->text(), Q("撤销 复制队伍 TM2_2"));
    main.model().Undo();
    main.model().Undo();
    QCOMPARE(taskForceRows->text(1, 1), Q("TF2"));
    QCOMPARE(teamRows->rowCount(), 2);
}

QTEST_MAIN(EditorScenarioTest)
#include "editor_scenario_test.moc"
