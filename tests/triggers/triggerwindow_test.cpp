// The trigger window through its real controls: the fill, the form, Save, New, Delete, the jump
// and what a mouse movement over the window does.

#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qtwindow.h"
#include "newentry/addnew.h"
#include "newentry/newentry.h"
#include "res/addnewdialog.h"
#include "res/triggerdialog.h"
#include "support/testdocument.h"
#include "support/testsupport.h"
#include "support/windowtest.h"
#include "triggers/triggerloader.h"
#include "triggers/triggerwindow.h"
#include "ui/editorwindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

using gui::qt::ReportView;
using gui::qt::WidgetOf;
using testsupport::MessageRecorder;

namespace {

const std::string kZeros54(54, '0');
// Value 100, operator "等于".
const std::string kBlock100 = "6400000002" + kZeros54;
// Operator code 0a: no operator's.
const std::string kBlockOperator0a = "000000000a" + kZeros54;
const std::string kBlockShort(63, '0');

const std::string kT0 =
    "T0=Zero,Team0,<all>,5,0,E1," + kBlock100 + ",12.750000,50.000000,0.000000,0,1,Side0,1,X,1,0,1";
const std::string kT1 = "T1=One,Team1,H1,2,8,E2," + kBlockOperator0a +
                        ",1.000000,2.000000,3.000000,1,0,S1,0,<none>,0,1,0";
const std::string kT2 =
    "T2=Two,Team2,H2,3,-1,<none>," + kBlockShort + ",0,0,0,1,0,S2,0,<none>,0,0,0";
const std::string kT3 = "T3=Three,Team3,H3,0,1,E3," + kBlock100 + ",1,1,1,1,0,S3,0,<none>,0,0,0";
// A condition that locks operator, value and object, which the line holds otherwise.
const std::string kT4 =
    "T4=Four,Team4,h4,0,-1,E4," + kBlock100 + ",50.0,1,1,Yes,0,s4,2,<none>,1,0,Yes";

QString Q(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

class TriggerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::UseQtBackend(); }
    void init() {
        ResetTestDocument();
        doc.openedPath = u"/tmp/ai.ini";
        doc.triggerText =
            "[AITriggerTypes]\n" + kT0 + "\n" + kT1 + "\n" + kT2 + "\n" + kT3 + "\n" + kT4 + "\n\n";
        doc.triggerLastIndex = 4;
        window = std::make_unique<CAIT>(model);
        list = WidgetOf<ReportView>(*window, res::kIdTriggerList);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(gui::qt::WindowOf(*window)));
    }
    void cleanup() {
        g_addNewWindow = nullptr;
        window.reset();
    }

    void fillsOnceWithTwoColumns();
    void newTriggerRowComesOnTheFirstMouseMoveAndReadsBack();
    void unknownCodesKeepOrMarkTheirBoxes();
    void saveKeepsHiddenFieldsAndDecimals();
    void unchangedSaveChangesNoByte();
    void saveRefusesSeparatorsInTextFields();
    void saveWritesTheShownTriggerNotTheSelectedOne();
    void deleteRemovesTheSelectedLines();
    void conditionSetsTheDependentBoxes();
    void teamChoicesRebuildKeepsTheShownTeam();
    void autoJumpAndNewSignalTheOtherWindows();

private:
    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, at);
    }
    // Over the window's own surface, between the list and the form.
    void moveMouse() { testsupport::MoveOverSurface(*window); }
    QString text(int id) const {
        QWidget *control = WidgetOf(*window, id);
        if (auto *combo = qobject_cast<QComboBox *>(control)) return combo->currentText();
        if (auto *edit = qobject_cast<QLineEdit *>(control)) return edit->text();
        return qobject_cast<QLabel *>(control)->text();
    }
    // As typed or pasted over the field's whole text.
    void setText(int id, const QString &value) {
        QWidget *control = WidgetOf(*window, id);
        auto *combo = qobject_cast<QComboBox *>(control);
        QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(control);
        edit->selectAll();
        edit->insert(value);
    }
    bool checked(int id) const { return WidgetOf<QCheckBox>(*window, id)->isChecked(); }
    void press(int id) { QTest::mouseClick(WidgetOf(*window, id), Qt::LeftButton); }
    int rowCount() const { return list->model()->rowCount(); }
    std::string lineOf(const std::string &id) const {
        return id + FindTriggerEntry(doc.triggerText, id);
    }

    std::unique_ptr<CAIT> window;
    ReportView *list = nullptr;
};

void TriggerWindowTest::fillsOnceWithTwoColumns() {
    QCOMPARE(list->model()->columnCount(), 2);
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), Q("注册名称"));
    QCOMPARE(list->model()->headerData(1, Qt::Horizontal).toString(), Q("注释"));
    QCOMPARE(rowCount(), 5);
    QCOMPARE(list->text(2, 0), Q("T2"));
    QCOMPARE(list->text(2, 1), Q("Two"));
    window->hide();
    window->show();
    QCOMPARE(rowCount(), 5);

    // With no file open the list waits for one.
    doc.openedPath = u"None";
    CAIT unopened(model);
    unopened.show();
    QCOMPARE(WidgetOf<ReportView>(unopened, res::kIdTriggerList)->model()->rowCount(), 0);
}

void TriggerWindowTest::newTriggerRowComesOnTheFirstMouseMoveAndReadsBack() {
    AppendNewEntry(doc, NewEntryKind::Trigger, u"N1", 0);
    AppendNewEntry(doc, NewEntryKind::Trigger, u"N2", 0);
    moveMouse();
    moveMouse();
    QCOMPARE(rowCount(), 7);
    QCOMPARE(list->text(5, 0), Q("N1"));
    QCOMPARE(list->text(5, 1), Q("NoName"));
    QCOMPARE(list->text(6, 0), Q("N2"));
    QCOMPARE(doc.triggerLastIndex, 6);

    click(5);
    QCOMPARE(text(res::kIdTriggerTitle), Q("N1"));
    QCOMPARE(text(res::kIdTriggerName), Q("NoName"));
    QCOMPARE(text(res::kIdTriggerTeam), Q("NoTeam"));
    QCOMPARE(text(res::kIdTriggerHouse), Q("<all>"));
    QCOMPARE(text(res::kIdTriggerTechLevel), Q("0"));
    QCOMPARE(text(res::kIdTriggerCondition), Q("我方拥有(前提)指定单位"));
    QCOMPARE(text(res::kIdTriggerConditionObject), Q("NoCheck"));
    QCOMPARE(text(res::kIdTriggerOperator), Q("等于"));
    QCOMPARE(text(res::kIdTriggerValue), Q("0"));
    QCOMPARE(text(res::kIdTriggerBaseWeight), Q("0"));
    QCOMPARE(text(res::kIdTriggerMinWeight), Q("0"));
    QCOMPARE(text(res::kIdTriggerMaxWeight), Q("0"));
    QCOMPARE(text(res::kIdTriggerSide), Q("0"));
    QVERIFY(!checked(res::kIdTriggerEasy) && !checked(res::kIdTriggerMedium) &&
            !checked(res::kIdTriggerHard));
}

void TriggerWindowTest::unknownCodesKeepOrMarkTheirBoxes() {
    click(0);
    click(1); // condition code 8, operator digits 0a
    QCOMPARE(text(res::kIdTriggerCondition), Q("敌方拥有(前提)指定单位"));
    QCOMPARE(text(res::kIdTriggerOperator), Q("Drumo"));
    setText(res::kIdTriggerName, Q("Uno"));
    press(res::kIdTriggerSave);
    // The trigger keeps its own condition code, not the one of the trigger shown before, and its
    // operator digits.
    QCOMPARE(lineOf("T1"), "T1=Uno" + kT1.substr(kT1.find(',')));
    // A condition the user chooses is written as its code.
    setText(res::kIdTriggerCondition, Q("无条件"));
    press(res::kIdTriggerSave);
    QCOMPARE(lineOf("T1").substr(std::string("T1=Uno,Team1,H1,2,").size(), 3), "-1,");

    click(2); // a block of 63 characters
    QCOMPARE(text(res::kIdTriggerTitle), Q("T2,此注册表有错误，已自动纠正"));
    QCOMPARE(text(res::kIdTriggerValue), Q("0"));
    QCOMPARE(text(res::kIdTriggerOperator), Q("小于"));
    press(res::kIdTriggerSave);
    QCOMPARE(lineOf("T2"), kT2); // repaired only with a change
    setText(res::kIdTriggerTechLevel, Q("4"));
    press(res::kIdTriggerSave);
    QCOMPARE(lineOf("T2"),
             "T2=Two,Team2,H2,4,-1,<none>,0000000000" + kZeros54 + ",0,0,0,1,0,S2,0,<none>,0,0,0");
}

void TriggerWindowTest::saveKeepsHiddenFieldsAndDecimals() {
    click(0);
    QVERIFY(!checked(res::kIdTriggerSkirmish) && checked(res::kIdTriggerBaseDefense));
    QCOMPARE(text(res::kIdTriggerSecondTeam), Q("X"));
    QCOMPARE(WidgetOf(*window, res::kIdTriggerSecondTeam)->accessibleName(), Q("第二队伍"));
    QCOMPARE(text(res::kIdTriggerValue), Q("100"));
    QCOMPARE(text(res::kIdTriggerBaseWeight), Q("12.75"));
    QCOMPARE(text(res::kIdTriggerMinWeight), Q("50"));
    QVERIFY(checked(res::kIdTriggerEasy) && !checked(res::kIdTriggerMedium) &&
            checked(res::kIdTriggerHard));
    press(res::kIdTriggerSave);
    QCOMPARE(lineOf("T0"), "T0=Zero,Team0,<all>,5,0,E1," + kBlock100 +
                               ",12.750000,50.000000,0.000000,0,1,Side0,1,X,1,0,1");

    setText(res::kIdTriggerName, Q("零号"));
    setText(res::kIdTriggerMaxWeight, Q("12.5"));
    press(res::kIdTriggerSave);
    QVERIFY(lineOf("T0").starts_with(ToNarrow(u"T0=零号,")));
    QVERIFY(lineOf("T0").find(",50.000000,12.500000,0,1,Side0,1,X,") != std::string::npos);
    // Changed boxes write their own form.
    WidgetOf<QCheckBox>(*window, res::kIdTriggerSkirmish)->setChecked(true);
    WidgetOf<QCheckBox>(*window, res::kIdTriggerBaseDefense)->setChecked(false);
    setText(res::kIdTriggerSecondTeam, Q("Team4"));
    press(res::kIdTriggerSave);
    QVERIFY(lineOf("T0").find(",12.500000,1,1,Side0,0,Team4,1,0,1") != std::string::npos);
    QCOMPARE(list->text(0, 1), Q("零号"));
    QVERIFY(doc.triggerText.ends_with(kT4 + "\n\n"));
}

void TriggerWindowTest::unchangedSaveChangesNoByte() {
    const std::string before = doc.triggerText;
    for (int row : {4, 1, 0, 2, 3}) { // T1's unknown code after a condition that locks boxes
        click(row);
        moveMouse();
        press(res::kIdTriggerSave);
    }
    QCOMPARE(doc.triggerText, before);
    QVERIFY(!model.IsModified());
}

void TriggerWindowTest::saveRefusesSeparatorsInTextFields() {
    MessageRecorder recorder;
    const std::string before = doc.triggerText;
    click(0);
    setText(res::kIdTriggerName, Q("a,b"));
    press(res::kIdTriggerSave);
    setText(res::kIdTriggerName, Q("ab"));
    setText(res::kIdTriggerBaseWeight, Q("1\n5"));
    press(res::kIdTriggerSave);
    QCOMPARE(recorder.Texts(), (std::vector<std::string>{
                                   "“注释”不能含有逗号或换行，此触发没有保存",
                                   "“基本权重”不能含有逗号或换行，此触发没有保存",
                               }));
    QCOMPARE(doc.triggerText, before);
    QCOMPARE(list->text(0, 1), Q("Zero"));
}

void TriggerWindowTest::saveWritesTheShownTriggerNotTheSelectedOne() {
    const std::string before = doc.triggerText;
    press(res::kIdTriggerSave); // nothing shown yet
    QCOMPARE(doc.triggerText, before);

    click(3);
    // The key shows the row selected before it moves the selection on.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->selectedRowList(), QList<int>{4});
    QCOMPARE(text(res::kIdTriggerTitle), Q("T3"));
    setText(res::kIdTriggerName, Q("Renamed"));
    press(res::kIdTriggerSave);
    QVERIFY(lineOf("T3").starts_with("T3=Renamed,Team3,"));
    QCOMPARE(lineOf("T4"), kT4);
    QCOMPARE(list->text(3, 1), Q("Renamed"));
    QCOMPARE(list->text(4, 1), Q("Four"));
}

void TriggerWindowTest::deleteRemovesTheSelectedLines() {
    MessageRecorder recorder;
    click(1);
    click(2, Qt::ControlModifier);
    click(4, Qt::ControlModifier);
    press(res::kIdTriggerDelete);
    QCOMPARE(doc.triggerText, "[AITriggerTypes]\n" + kT0 + "\n" + kT3 + "\n");
    QCOMPARE(doc.triggerLastIndex, 1);
    QCOMPARE(rowCount(), 2);
    QCOMPARE(list->text(1, 0), Q("T3"));

    // The form still shows T1, whose line is gone: Save says so and changes nothing.
    QCOMPARE(text(res::kIdTriggerTitle), Q("T1"));
    const std::string after = doc.triggerText;
    press(res::kIdTriggerSave);
    QCOMPARE(recorder.Texts(), std::vector<std::string>{"此触发已被删除，没有保存"});
    QCOMPARE(doc.triggerText, after);
}

void TriggerWindowTest::conditionSetsTheDependentBoxes() {
    auto *condition = WidgetOf<QComboBox>(*window, res::kIdTriggerCondition);
    QWidget *op = WidgetOf(*window, res::kIdTriggerOperator);
    QWidget *object = WidgetOf(*window, res::kIdTriggerConditionObject);
    QWidget *value = WidgetOf(*window, res::kIdTriggerValue);
    click(0);

    condition->setCurrentIndex(0); // "无条件"
    moveMouse();
    QCOMPARE(text(res::kIdTriggerOperator), Q("小于"));
    QCOMPARE(text(res::kIdTriggerConditionObject), Q("<none>"));
    QCOMPARE(text(res::kIdTriggerValue), Q("0"));
    QVERIFY(!op->isEnabled() && !object->isEnabled() && !value->isEnabled());

    condition->setCurrentIndex(1); // "敌方拥有(前提)指定单位"
    moveMouse();
    QVERIFY(op->isEnabled() && object->isEnabled() && value->isEnabled());
    QCOMPARE(text(res::kIdTriggerOperator), Q("小于"));

    condition->setCurrentIndex(5); // "敌方金钱大于或等于"
    setText(res::kIdTriggerValue, Q("5000"));
    moveMouse();
    QCOMPARE(text(res::kIdTriggerOperator), Q("大于等于"));
    QVERIFY(!op->isEnabled() && !object->isEnabled() && value->isEnabled());
    press(res::kIdTriggerSave);
    QVERIFY(lineOf("T0").starts_with("T0=Zero,Team0,<all>,5,4,<none>,8813000003" + kZeros54));
}

void TriggerWindowTest::teamChoicesRebuildKeepsTheShownTeam() {
    click(0);
    doc.teamListText = "[TeamTypes]\n0=Zed\n1=alpha\n2=Beta\n\n";
    g_teamListChanged = true;
    moveMouse();
    auto *team = WidgetOf<QComboBox>(*window, res::kIdTriggerTeam);
    QCOMPARE(team->count(), 3);
    QCOMPARE(team->itemText(0), Q("alpha"));
    QCOMPARE(team->itemText(1), Q("Beta"));
    QCOMPARE(team->itemText(2), Q("Zed"));
    QCOMPARE(team->currentText(), Q("Team0"));
    QVERIFY(!g_teamListChanged);

    QTest::keyClick(list, Qt::Key_Down); // shows T0 again; a save keeps its team
    press(res::kIdTriggerSave);
    QVERIFY(lineOf("T0").starts_with("T0=Zero,Team0,"));
}

void TriggerWindowTest::autoJumpAndNewSignalTheOtherWindows() {
    QWidget *jump = WidgetOf(*window, res::kIdTriggerJump);
    press(res::kIdTriggerAutoJump);
    QVERIFY(!jump->isEnabled());
    click(1);
    QCOMPARE(g_teamJumpTarget, std::u16string(u"Team1"));
    QVERIFY(g_teamJumpPending); // no team window here to take it
    press(res::kIdTriggerAutoJump);
    QVERIFY(jump->isEnabled());

    CAddnew addNew(model);
    g_addNewWindow = &addNew;
    g_addNewKind = 3;
    press(res::kIdTriggerNew);
    QVERIFY(addNew.isVisible());
    QCOMPARE(WidgetOf<QComboBox>(addNew, res::kIdAddNewKind)->currentText(), Q("触发"));
    QCOMPARE(g_addNewKind, 0);
    QVERIFY(g_addNewPreset);
}

QTEST_MAIN(TriggerWindowTest)
#include "triggerwindow_test.moc"
