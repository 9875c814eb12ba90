// The team window through its widgets: showing and saving a team, the arrow keys, the jumps,
// delete, new team and the task force and script choices.

#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qtwindow.h"
#include "res/teamdialog.h"
#include "support/testdocument.h"
#include "support/testsupport.h"
#include "support/windowtest.h"
#include "teams/teamform.h"
#include "teams/teamlist.h"
#include "teams/teamwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using gui::qt::ReportView;
using gui::qt::WidgetOf;

namespace {

const std::string kSections = "\n[A]\nName=Alpha\nPriority=5\nFull=yes\nAnnoyance=Yes\n"
                              "House=Reds\nScript=S1\nTaskForce=TF1\n\n"
                              "[B]\nName=Beta\nMax=2\nScript=S2\nTaskForce=TF2\n\n"
                              "[C]\nName=Gamma\n\n";

QStringList Items(const QComboBox *box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class TeamWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::UseQtBackend(); }
    void init();
    void showsATeamAsItsSectionHasIt();
    void savingChangesOnlyWhatTheUserChanged();
    void saveWithoutASectionChangesNothing();
    void arrowKeysMoveOneRowAndShowIt();
    void jumps();
    void enterStaysEscapeHides();
    void deletingRenumbersAndDropsSections();
    void newTeamIsListedAtTheNextMouseMove();
    void choicesFollowTheListsAndKeepTheirText();

private:
    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers,
                          list()->visualRect(list()->model()->index(row, 0)).center());
    }
    void moveMouseOverSurface();
    QStringList row(int r) const {
        return {list()->text(r, 0), list()->text(r, 1), list()->text(r, 2)};
    }
    ReportView *list() const { return WidgetOf<ReportView>(*window, res::kIdTeamList); }
    int rowCount() const { return list()->model()->rowCount(); }
    QLineEdit *edit(int id) const { return WidgetOf<QLineEdit>(*window, id); }
    QComboBox *combo(int id) const { return WidgetOf<QComboBox>(*window, id); }
    QCheckBox *box(int id) const { return WidgetOf<QCheckBox>(*window, id); }
    static int flag(int n) { return res::kTeamKeyIds[kTeamFirstFlag + n]; }
    QString hint() const { return WidgetOf<QLabel>(*window, res::kIdTeamHint)->text(); }
    void press(int id) { QTest::mouseClick(WidgetOf(*window, id), Qt::LeftButton); }

    std::unique_ptr<CArmy> window;
};

void TeamWindowTest::init() {
    ResetTestDocument();
    doc.openedPath = u"/tmp/ai.ini";
    doc.teamListText = "[TeamTypes]\n0=A\n1=B\n2=C\n";
    doc.teamSectionsText = kSections;
    doc.scriptListText = "[ScriptTypes]\n0=S1\n1=S2\n";
    doc.taskForceListText = "[TaskForces]\n0=TF1\n1=TF2\n";
    window = std::make_unique<CArmy>(model);
    window->show(); // the first showing with a file open fills the list and the choices
    QVERIFY(QTest::qWaitForWindowExposed(gui::qt::WindowOf(*window)));
}

void TeamWindowTest::moveMouseOverSurface() { testsupport::MoveOverSurface(*window); }

void TeamWindowTest::showsATeamAsItsSectionHasIt() {
    QCOMPARE(rowCount(), 3);
    QCOMPARE(doc.teamLineCount, 4);
    QCOMPARE(edit(res::kIdTeamMax)->accessibleName(), QStringLiteral("共存数"));

    click(1);
    QCOMPARE(hint(), QStringLiteral("注册序号：1,标题：B"));
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Beta"));
    QCOMPARE(edit(res::kIdTeamPriority)->text(), QStringLiteral("None"));
    QCOMPARE(edit(res::kIdTeamMax)->text(), QStringLiteral("2"));
    QCOMPARE(combo(res::kIdTeamScript)->currentText(), QStringLiteral("S2"));
    QCOMPARE(combo(res::kIdTeamTaskForce)->currentText(), QStringLiteral("TF2"));

    click(0);
    QVERIFY(box(flag(0))->isChecked());  // Full=yes
    QVERIFY(!box(flag(1))->isChecked()); // Annoyance=Yes
    QCOMPARE(combo(res::kIdTeamHouse)->currentText(), QStringLiteral("Reds"));
    QCOMPARE(combo(res::kIdTeamHouse)->accessibleName(), QStringLiteral("所属国家"));
    QCOMPARE(edit(res::kIdTeamVeteranLevel)->text(), QStringLiteral("1")); // absent: the usual
    QVERIFY(!box(res::kIdTeamLoadable)->isChecked());
}

void TeamWindowTest::savingChangesOnlyWhatTheUserChanged() {
    for (int r : {2, 1, 0}) { // bodies that lack most keys, saved unchanged
        click(r);
        moveMouseOverSurface();
        press(res::kIdTeamSave);
    }
    QCOMPARE(doc.teamSectionsText, kSections);

    edit(res::kIdTeamPriority)->setText(QStringLiteral("7"));
    edit(res::kIdTeamVeteranLevel)->setText(QStringLiteral("3"));
    box(res::kIdTeamLoadable)->setChecked(true);
    press(res::kIdTeamSave);
    // Annoyance=Yes and House=Reds were not touched; the keys set follow in the body's order.
    QCOMPARE(doc.teamSectionsText, "\n[A]\nName=Alpha\nPriority=7\nFull=yes\nAnnoyance=Yes\n"
                                   "House=Reds\nScript=S1\nTaskForce=TF1\nVeteranLevel=3\n"
                                   "Loadable=yes\n\n" +
                                       kSections.substr(kSections.find("[B]")));
    const std::string saved = doc.teamSectionsText;
    press(res::kIdTeamSave);
    QCOMPARE(doc.teamSectionsText, saved); // nothing changed since

    edit(res::kIdTeamComment)->clear();
    edit(res::kIdTeamPriority)->setText(QStringLiteral("5"));
    edit(res::kIdTeamMax)->clear();
    press(res::kIdTeamSave);
    QVERIFY(StartsWith(EntrySectionOf(doc.teamSectionsText, "A"),
                       "[A]\nName=<None>\nPriority=5\nFull=yes\n"));
    QVERIFY(doc.teamSectionsText.find("\nMax=1\n") != std::string::npos);
    QCOMPARE(row(0)[2], QStringLiteral("<None>"));
}

void TeamWindowTest::saveWithoutASectionChangesNothing() {
    press(res::kIdTeamSave); // no team shown yet
    QCOMPARE(doc.teamSectionsText, kSections);
    QVERIFY(!hint().contains(QStringLiteral("我是提示")));

    click(1);
    // Another window removed B's section; the form keeps what it showed.
    const std::string without = "\n[A]\nName=Alpha\n\n[C]\nName=Gamma\n\n";
    doc.teamSectionsText = without;
    click(1);
    QCOMPARE(hint(), QStringLiteral("此队伍已被删除"));
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Beta"));
    press(res::kIdTeamSave);
    QCOMPARE(doc.teamSectionsText, without);
}

void TeamWindowTest::arrowKeysMoveOneRowAndShowIt() {
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Up); // nothing selected: row 0
    QCOMPARE(list()->selectedRowList(), QList<int>{0});
    QCOMPARE(hint(), QStringLiteral("注册序号：0,标题：A"));
    QVERIFY2(g_scriptJumpTarget.empty(), "arrow keys set no jump targets");

    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->selectedRowList(), QList<int>{2});
    // On the last row Down stays, and shows the row again: an unsaved edit goes.
    edit(res::kIdTeamComment)->setText(QStringLiteral("edited"));
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->selectedRowList(), QList<int>{2});
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Gamma"));

    click(0);
    click(2, Qt::ControlModifier);
    QTest::keyClick(list(), Qt::Key_Up); // from the first selected row, which is the first
    QCOMPARE(list()->selectedRowList(), QList<int>{0});
}

void TeamWindowTest::jumps() {
    auto *jump = WidgetOf<QPushButton>(*window, res::kIdTeamJump);
    click(1);
    QCOMPARE(g_scriptJumpTarget, u"S2");
    QCOMPARE(g_taskForceJumpTarget, u"TF2");
    QVERIFY(!g_scriptJumpPending && !g_taskForceJumpPending); // no jump without 自动跳转
    press(res::kIdTeamJump);
    QVERIFY(g_scriptJumpPending && g_taskForceJumpPending);

    g_scriptJumpPending = g_taskForceJumpPending = false;
    press(res::kIdTeamAutoJump);
    QVERIFY(!jump->isEnabled());
    click(0);
    QVERIFY(g_scriptJumpPending && g_taskForceJumpPending);
    QCOMPARE(g_taskForceJumpTarget, u"TF1");
    press(res::kIdTeamAutoJump);
    QVERIFY(jump->isEnabled());

    // From the trigger window: a known team is selected and shown, an unknown one clears all.
    window->hide();
    g_teamJumpPending = true;
    g_teamJumpTarget = u"C";
    window->show();
    QCOMPARE(list()->selectedRowList(), QList<int>{2});
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Gamma"));
    window->hide();
    g_teamJumpPending = true;
    g_teamJumpTarget = u"Nobody";
    window->show();
    QCOMPARE(list()->selectedRowList(), QList<int>{});
    QCOMPARE(edit(res::kIdTeamComment)->text(), QStringLiteral("Gamma"));
    QVERIFY(!g_teamJumpPending);
}

void TeamWindowTest::enterStaysEscapeHides() {
    QTest::keyClick(gui::qt::WindowOf(*window), Qt::Key_Return);
    QVERIFY(window->isVisible());
    QTest::keyClick(gui::qt::WindowOf(*window), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void TeamWindowTest::deletingRenumbersAndDropsSections() {
    click(1);
    press(res::kIdTeamDelete);
    QCOMPARE(row(1),
             (QStringList{QStringLiteral("1"), QStringLiteral("C"), QStringLiteral("Gamma")}));
    QCOMPARE(rowCount(), 2);
    QCOMPARE(doc.teamListText, "[TeamTypes]\n0=A\n1=C\n\n");
    QCOMPARE(HeaderLineOf(doc.teamSectionsText, "B"), -1);
    QVERIFY(HeaderLineOf(doc.teamSectionsText, "C") >= 0);
    QVERIFY(g_teamListChanged);
    QCOMPARE(list()->selectedRowList(), QList<int>{});
}

void TeamWindowTest::newTeamIsListedAtTheNextMouseMove() {
    press(res::kIdTeamNew);
    QCOMPARE(g_addNewKind, 1);
    QVERIFY(g_addNewPreset);
    QCOMPARE(doc.teamLineCount, 5);

    // What the new entry dialog does for a team.
    testsupport::TempDir dir;
    NewTeam(doc, "NoneShallPass", testsupport::WidePath(dir / "missing.txt"));
    moveMouseOverSurface();
    QCOMPARE(row(3), (QStringList{QStringLiteral("3"), QStringLiteral("NoneShallPass"),
                                  QStringLiteral("None")}));
    QCOMPARE(doc.teamListText, "[TeamTypes]\n0=A\n1=B\n2=C\n3=NoneShallPass\n\n");

    // A team made while the mouse was elsewhere is listed before a click shows a row.
    NewTeam(doc, "T2", testsupport::WidePath(dir / "missing.txt"));
    click(3);
    QCOMPARE(rowCount(), 5);
    QCOMPARE(hint(), QStringLiteral("注册序号：3,标题：NoneShallPass"));
}

void TeamWindowTest::choicesFollowTheListsAndKeepTheirText() {
    const QString none = QStringLiteral("None");
    QCOMPARE(Items(combo(res::kIdTeamScript)),
             (QStringList{none, none, QStringLiteral("S1"), QStringLiteral("S2")}));
    QCOMPARE(Items(combo(res::kIdTeamTaskForce)).count(none), 2);

    // Two teams selected, and an unsaved edit in each box: a refresh keeps the edits.
    click(0);
    click(1, Qt::ControlModifier);
    combo(res::kIdTeamScript)->setEditText(QStringLiteral("S3"));
    combo(res::kIdTeamTaskForce)->setEditText(QStringLiteral("TF9"));
    doc.scriptListText += "2=S3\n";
    g_scriptListChanged = true;
    doc.taskForceListText = "[TaskForces]\n0=TF1\n";
    g_taskForceListChanged = true;
    moveMouseOverSurface();
    QCOMPARE(Items(combo(res::kIdTeamScript)),
             (QStringList{QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3")}));
    QCOMPARE(Items(combo(res::kIdTeamTaskForce)), QStringList{QStringLiteral("TF1")});
    QVERIFY(!g_scriptListChanged && !g_taskForceListChanged);

    press(res::kIdTeamSave);
    QVERIFY(EntrySectionOf(doc.teamSectionsText, "B").find("\nScript=S3\nTaskForce=TF9\n") !=
            std::string::npos);
}

QTEST_MAIN(TeamWindowTest)
#include "teamwindow_test.moc"
