// The team window through its widgets: showing and saving a team, the arrow keys, the jumps to
// and from other windows, delete, new team and the task force and script choices.

#include "app/editorwindows.h"
#include "core/document.h"
#include "core/initext.h"
#include "platform/controls.h"
#include "res/teamdialog.h"
#include "support/testsupport.h"
#include "teams/teamlist.h"
#include "teams/teamwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using platform::ComboBox;
using platform::ReportList;
using testsupport::U16;

namespace {

// Stands in for the task force, script and new entry windows: records what it saw when shown.
class StandIn : public platform::Dialog {
public:
    explicit StandIn(bool &flag, std::u16string *target = nullptr)
        : platform::Dialog(res::kIdTeamDialog), flag_(flag), target_(target) {}
    QStringList seen;

protected:
    void onShowOrHide(bool shown) override {
        if (!shown) return;
        seen << (flag_ ? QStringLiteral("pending ") : QStringLiteral("idle ")) +
                    (target_ ? QString::fromStdU16String(*target_) : QString());
        flag_ = false;
    }

private:
    bool &flag_;
    std::u16string *target_;
};

const std::string kTeamList = "[TeamTypes]\n0=A\n1=B\n2=C\n";
const std::string kSections = "\n[A]\nName=Alpha\nPriority=5\nFull=yes\nAnnoyance=Yes\n"
                              "House=Reds\nScript=S1\nTaskForce=TF1\n\n"
                              "[B]\nName=Beta\nMax=2\nScript=S2\nTaskForce=TF2\n\n"
                              "[C]\nName=Gamma\n\n";

QPoint CenterOfRow(const ReportList *list, int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
}

} // namespace

class TeamWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsATeamAsItsSectionHasIt();
    void savingWritesExactlyTheThirtyOneLines();
    void saveWithoutATeamChangesNothing();
    void removedSectionsAreReportedNotRecreated();
    void arrowKeysMoveOneRowAndShowIt();
    void autoJumpSendsTheOtherWindowsAndDisablesTheButton();
    void jumpFromTheTriggerWindow();
    void enterStaysEscapeHides();
    void deletingRenumbersAndDropsSections();
    void newTeamIsListedAtTheNextMouseMove();
    void choicesFollowTheListsAndKeepTheirText();

private:
    void open(); // shows the window, which fills it
    void click(int row, Qt::KeyboardModifiers modifiers = {});
    void moveMouseOverSurface();
    QStringList row(int r) const {
        return {list()->text(r, 0), list()->text(r, 1), list()->text(r, 2)};
    }
    ReportList *list() const { return window->control<ReportList>(res::kIdTeamList); }
    QLineEdit *edit(int id) const { return window->control<QLineEdit>(id); }
    ComboBox *combo(int id) const { return window->control<ComboBox>(id); }
    QCheckBox *box(int id) const { return window->control<QCheckBox>(id); }
    QString hint() const { return window->control<QLabel>(res::kIdTeamHint)->text(); }
    void press(int id) { QTest::mouseClick(window->control(id), Qt::LeftButton); }

    std::unique_ptr<CArmy> window;
    std::unique_ptr<StandIn> taskForces, scripts, addNew;
};

void TeamWindowTest::init() {
    ResetDocument();
    g_openedPath = u"/tmp/ai.ini";
    g_teamListText = kTeamList;
    g_teamSectionsText = kSections;
    g_scriptListText = "[ScriptTypes]\n0=S1\n1=S2\n";
    g_taskForceListText = "[TaskForces]\n0=TF1\n1=TF2\n";
    taskForces = std::make_unique<StandIn>(g_taskForceJumpPending, &g_taskForceJumpTarget);
    scripts = std::make_unique<StandIn>(g_scriptJumpPending, &g_scriptJumpTarget);
    addNew = std::make_unique<StandIn>(g_addNewPreset);
    g_taskForceWindow = taskForces.get();
    g_scriptWindow = scripts.get();
    g_addNewWindow = addNew.get();
    window = std::make_unique<CArmy>();
}

void TeamWindowTest::cleanup() {
    window.reset();
    g_taskForceWindow = g_scriptWindow = g_addNewWindow = nullptr;
}

void TeamWindowTest::open() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TeamWindowTest::click(int r, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, CenterOfRow(list(), r));
}

void TeamWindowTest::moveMouseOverSurface() {
    // Between the list and the hint line: the window's own surface, no control there.
    const QPoint pos =
        platform::DialogUnitsToPixels({130, 10, 1, 1}, window->baseUnits()).topLeft();
    QCOMPARE(window->childAt(pos), list()->parentWidget());
    // From over the list, so that the pointer really moves even if it was there already.
    QTest::mouseMove(list()->viewport(), QPoint(5, 5));
    QTest::mouseMove(window.get(), pos);
}

void TeamWindowTest::showsATeamAsItsSectionHasIt() {
    open();
    QCOMPARE(list()->rowCount(), 3);
    QCOMPARE(g_teamLineCount, 4);
    QCOMPARE(edit(res::kIdTeamMax)->accessibleName(), QStringLiteral("共存数"));
    QCOMPARE(combo(res::kIdTeamScript)->accessibleName(), QStringLiteral("队伍脚本"));
    QCOMPARE(row(1),
             (QStringList{QStringLiteral("1"), QStringLiteral("B"), QStringLiteral("Beta")}));

    click(1);
    QCOMPARE(hint(), QStringLiteral("注册序号：1,标题：B"));
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Beta"));
    QCOMPARE(edit(res::kIdTeamPriority)->text(), QStringLiteral("None"));
    QCOMPARE(edit(res::kIdTeamMax)->text(), QStringLiteral("2"));
    QCOMPARE(combo(res::kIdTeamScript)->currentText(), QStringLiteral("S2"));
    QCOMPARE(combo(res::kIdTeamTaskForce)->currentText(), QStringLiteral("TF2"));
    QCOMPARE(g_scriptJumpTarget, u"S2");
    QCOMPARE(g_taskForceJumpTarget, u"TF2");
    QVERIFY2(taskForces->seen.isEmpty(), "no jump without 自动跳转");

    click(0);
    QVERIFY(box(res::kTeamFlagIds[0])->isChecked());  // Full=yes
    QVERIFY(!box(res::kTeamFlagIds[1])->isChecked()); // Annoyance=Yes
    QCOMPARE(edit(res::kIdTeamMax)->text(), QStringLiteral("None"));
}

void TeamWindowTest::savingWritesExactlyTheThirtyOneLines() {
    open();
    click(0);
    // Loadable is only a box: ticking it writes nothing.
    box(res::kIdTeamLoadable)->setChecked(true);
    box(res::kTeamFlagIds[1])->setChecked(true);
    press(res::kIdTeamSave);
    const std::string a = EntrySectionOf(g_teamSectionsText, "A");
    QCOMPARE(std::count(a.begin(), a.end(), '\n'), 32); // the header and 31 lines
    QVERIFY(a.find("House=Reds") == std::string::npos);
    QVERIFY(a.find("Max=None\n") != std::string::npos);
    QVERIFY(a.find("Full=yes\nAnnoyance=yes\nGuardSlower=no\n") != std::string::npos);
    QVERIFY(a.find("Loadable=no\n") != std::string::npos);
    QVERIFY(a.ends_with("Script=S1\nTaskForce=TF1\n"));
    // The neighbours are untouched, and the blank line after the section stays.
    QVERIFY(g_teamSectionsText.ends_with("TaskForce=TF1\n\n[B]\nName=Beta\nMax=2\nScript=S2\n"
                                         "TaskForce=TF2\n\n[C]\nName=Gamma\n\n"));

    edit(res::kIdTeamComment)->clear();
    edit(res::kIdTeamPriority)->clear();
    QTest::keyClicks(edit(res::kIdTeamMax), QStringLiteral("x"));
    edit(res::kIdTeamMax)->clear();
    press(res::kIdTeamSave);
    press(res::kIdTeamSave); // twice in a row: still this team's body only
    const std::string saved = EntrySectionOf(g_teamSectionsText, "A");
    QVERIFY(StartsWith(saved, "[A]\nName=<None>\nPriority=1\nMax=1\nVeteranLevel=1\n"));
    QCOMPARE(std::count(saved.begin(), saved.end(), '\n'), 32);
    QCOMPARE(row(0)[2], QStringLiteral("<None>"));
    QCOMPARE(g_teamListText, kTeamList);
}

void TeamWindowTest::saveWithoutATeamChangesNothing() {
    open();
    press(res::kIdTeamSave);
    QCOMPARE(g_teamSectionsText, kSections);
    QVERIFY(!hint().contains(QStringLiteral("我是提示")));
}

void TeamWindowTest::removedSectionsAreReportedNotRecreated() {
    open();
    click(1);
    // Another window removed B's section; the form keeps what it showed.
    g_teamSectionsText = "\n[A]\nName=Alpha\n\n[C]\nName=Gamma\n\n";
    click(1);
    QCOMPARE(hint(), QStringLiteral("此队伍已被删除"));
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Beta"));
    press(res::kIdTeamSave);
    QCOMPARE(g_teamSectionsText, "\n[A]\nName=Alpha\n\n[C]\nName=Gamma\n\n");
    QVERIFY(hint().startsWith(QStringLiteral("此队伍已被删除")));
}

void TeamWindowTest::arrowKeysMoveOneRowAndShowIt() {
    open();
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Up); // nothing selected: row 0
    QCOMPARE(list()->selectedRows(), QList<int>{0});
    QCOMPARE(hint(), QStringLiteral("注册序号：0,标题：A"));
    QVERIFY2(g_scriptJumpTarget.empty(), "arrow keys set no jump targets");

    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->selectedRows(), QList<int>{1});
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->selectedRows(), QList<int>{2});
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Gamma"));

    // On the last row Down stays, and shows the row again: an unsaved edit goes.
    edit(res::kIdTeamComment)->setText(QStringLiteral("edited"));
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->selectedRows(), QList<int>{2});
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Gamma"));

    click(0);
    click(2, Qt::ControlModifier);
    QTest::keyClick(list(), Qt::Key_Up); // from the first selected row
    QCOMPARE(list()->selectedRows(), QList<int>{0});
    QCOMPARE(hint(), QStringLiteral("注册序号：0,标题：A"));
}

void TeamWindowTest::autoJumpSendsTheOtherWindowsAndDisablesTheButton() {
    open();
    auto *jump = window->control<QPushButton>(res::kIdTeamJump);
    QVERIFY(jump->isEnabled());
    press(res::kIdTeamAutoJump);
    QVERIFY(!jump->isEnabled());

    click(1);
    QCOMPARE(taskForces->seen, QStringList{QStringLiteral("pending TF2")});
    QCOMPARE(scripts->seen, QStringList{QStringLiteral("pending S2")});

    // Arrow keys never jump.
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(taskForces->seen.size(), 1);

    press(res::kIdTeamAutoJump);
    QVERIFY(jump->isEnabled());
    click(0);
    QCOMPARE(taskForces->seen.size(), 1);
    press(res::kIdTeamJump);
    QCOMPARE(taskForces->seen.last(), QStringLiteral("pending TF1"));
    QCOMPARE(scripts->seen.last(), QStringLiteral("pending S1"));
}

void TeamWindowTest::jumpFromTheTriggerWindow() {
    // The first showing fills the list before it jumps.
    g_teamJumpPending = true;
    g_teamJumpTarget = u"C";
    open();
    QCOMPARE(list()->selectedRows(), QList<int>{2});
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Gamma"));
    QVERIFY(!g_teamJumpPending);

    window->hide();
    g_teamJumpPending = true;
    g_teamJumpTarget = u"Nobody";
    window->show();
    QCOMPARE(list()->selectedRows(), QList<int>{});
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Gamma"));
    QVERIFY(!g_teamJumpPending);
}

void TeamWindowTest::enterStaysEscapeHides() {
    open();
    QTest::keyClick(window.get(), Qt::Key_Return);
    QVERIFY(window->isVisible());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    open();
    press(res::kIdTeamClose);
    QVERIFY(!window->isVisible());
}

void TeamWindowTest::deletingRenumbersAndDropsSections() {
    open();
    click(1);
    press(res::kIdTeamDelete);
    QCOMPARE(list()->rowCount(), 2);
    QCOMPARE(row(1),
             (QStringList{QStringLiteral("1"), QStringLiteral("C"), QStringLiteral("Gamma")}));
    QCOMPARE(g_teamListText, "[TeamTypes]\n0=A\n1=C\n\n");
    QCOMPARE(HeaderLineOf(g_teamSectionsText, "B"), -1);
    QVERIFY(HeaderLineOf(g_teamSectionsText, "C") >= 0);
    QVERIFY(g_teamListChanged);
    QCOMPARE(list()->selectedRows(), QList<int>{});

    // Both remaining rows at once.
    click(0);
    click(1, Qt::ControlModifier);
    press(res::kIdTeamDelete);
    QCOMPARE(list()->rowCount(), 0);
    QCOMPARE(g_teamListText, "[TeamTypes]\n\n");
    QCOMPARE(g_teamSectionsText, "");
}

void TeamWindowTest::newTeamIsListedAtTheNextMouseMove() {
    open();
    press(res::kIdTeamNew);
    QCOMPARE(g_addNewKind, 1);
    QCOMPARE(g_teamLineCount, 5);
    QCOMPARE(addNew->seen, QStringList{QStringLiteral("pending ")});

    // What the new entry dialog does for a team.
    testsupport::TempDir dir;
    NewTeam("NoneShallPass", testsupport::WidePath(dir / "missing.txt"));
    QCOMPARE(list()->rowCount(), 3);
    moveMouseOverSurface();
    QCOMPARE(list()->rowCount(), 4);
    QCOMPARE(row(3), (QStringList{QStringLiteral("3"), QStringLiteral("NoneShallPass"),
                                  QStringLiteral("None")}));
    QCOMPARE(g_teamListText, "[TeamTypes]\n0=A\n1=B\n2=C\n3=NoneShallPass\n\n");
    QVERIFY(!g_teamRebuildPending);

    // A team made while the mouse is elsewhere is listed before a click shows a row.
    NewTeam("T2", testsupport::WidePath(dir / "missing.txt"));
    click(4 - 1);
    QCOMPARE(list()->rowCount(), 5);
    QCOMPARE(hint(), QStringLiteral("注册序号：3,标题：NoneShallPass"));
    QCOMPARE(row(4)[0], QStringLiteral("4"));
}

void TeamWindowTest::choicesFollowTheListsAndKeepTheirText() {
    open();
    auto items = [](ComboBox *c) {
        QStringList all;
        for (int i = 0; i < c->count(); ++i)
            all << c->itemText(i);
        return all;
    };
    const QString none = QStringLiteral("None");
    QCOMPARE(items(combo(res::kIdTeamScript)),
             (QStringList{none, none, QStringLiteral("S1"), QStringLiteral("S2")}));
    QCOMPARE(items(combo(res::kIdTeamTaskForce)).count(none), 2);
    QCOMPARE(combo(res::kIdTeamScript)->currentText(), QString()); // no team shown yet

    // Two teams selected, and an unsaved edit in each box: a refresh keeps the edits.
    click(0);
    click(1, Qt::ControlModifier);
    combo(res::kIdTeamScript)->setEditText(QStringLiteral("S3"));
    combo(res::kIdTeamTaskForce)->setEditText(QStringLiteral("TF9"));
    g_scriptListText += "2=S3\n";
    g_scriptListChanged = true;
    g_taskForceListText = "[TaskForces]\n0=TF1\n";
    g_taskForceListChanged = true;
    moveMouseOverSurface();
    QCOMPARE(items(combo(res::kIdTeamScript)),
             (QStringList{QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3")}));
    QCOMPARE(items(combo(res::kIdTeamTaskForce)), QStringList{QStringLiteral("TF1")});
    QVERIFY(!g_scriptListChanged && !g_taskForceListChanged);
    QCOMPARE(combo(res::kIdTeamScript)->currentText(), QStringLiteral("S3"));
    QCOMPARE(combo(res::kIdTeamTaskForce)->currentText(), QStringLiteral("TF9"));

    press(res::kIdTeamSave);
    const std::string b = EntrySectionOf(g_teamSectionsText, "B");
    QVERIFY(b.ends_with("Script=S3\nTaskForce=TF9\n"));
}

QTEST_MAIN(TeamWindowTest)
#include "teamwindow_test.moc"
