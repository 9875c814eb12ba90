// 文件 → 规则文件... on the real windows of the Qt backend: the rules file is chosen, read,
// remembered for the opened file and read again when that file is opened, and the file report and
// the task force window check names against it.

#include "app/vantaeditdlg.h"
#include "core/windowsignals.h"
#include "gui/qt/qtdriver.h"
#include "gui/qt/qtwindow.h"
#include "res/entrytextdialogs.h"
#include "res/resources.h"
#include "res/teamdialog.h"
#include "res/triggerdialog.h"
#include "support/testsupport.h"
#include "support/windowtest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace testsupport;

class RulesFileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void chosenRememberedAndReadAgain();
    void stringTableGivesTheNamesThePlayerSees();
    void choosersOfferTheModsNames();
};

void RulesFileTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantaEditTest"));
    QSettings().clear();
    UseQtBackend();
}

void RulesFileTest::chosenRememberedAndReadAgain() {
    TempDir dir;
    const std::string ai = "[TaskForces]\n0=TF\n[TF]\nName=Rush\n0=2,htnk\n1=1,HTNKK\n";
    WriteBytes(dir / "ai.ini", ai);
    WriteBytes(dir / "other.ini", ai);
    WriteBytes(dir / "rules.ini", "[VehicleTypes]\n0=HTNK\n[Countries]\n0=Americans\n");
    std::u16string chosen;
    platform::SetOpenFileHandler([&chosen](const std::u16string &) { return chosen; });
    MessageRecorder messages;
    gui::qt::QtDriver driver;
    CVantaEditDlg main;
    gui::Dialog &taskForces = *g_taskForceWindow;
    // What the task force window says of its member line 1=1,HTNKK after `path` was opened.
    auto noteAfterOpening = [&](const std::filesystem::path &path) {
        main.openCommandLine({WidePath(path)});
        driver.clickRow(taskForces, res::kIdTaskForceList, 0, false);
        taskForces.control<gui::TextArea>(res::kIdTaskForceText)->setCaretLine(3);
        return U8(taskForces.control<gui::Label>(res::kIdTaskForceExplanation)->text());
    };
    auto chooseRules = [&](const std::filesystem::path &path) {
        chosen = WidePath(path);
        driver.command(main, res::kCmdRulesFile);
    };
    const std::string unknown = "第 4 行：类型 HTNKK 不在规则文件中";

    QCOMPARE(noteAfterOpening(dir / "ai.ini"), std::string());
    chooseRules(dir / "rules.ini");
    QCOMPARE(U8(taskForces.control<gui::Label>(res::kIdTaskForceExplanation)->text()), unknown);
    driver.command(main, res::kCmdCheckFile);
    QVERIFY(messages.Texts().back().starts_with(
        "检查文件: " + U8(WidePath(dir / "ai.ini")) + "（规则文件: " +
        U8(WidePath(dir / "rules.ini")) + "，1 个单位和建筑类型，1 个国家；动作表: 基础游戏）\n"));

    // A folder cannot be read: it is said, and the rules file in use stays in use and remembered.
    chooseRules(dir.path());
    QVERIFY(messages.Texts().back().starts_with("规则文件无法读取: " + U8(WidePath(dir.path()))));
    QVERIFY(messages.Texts().back().ends_with("\n仍按原来的规则文件检查: " +
                                              U8(WidePath(dir / "rules.ini"))));
    QCOMPARE(U8(taskForces.control<gui::Label>(res::kIdTaskForceExplanation)->text()), unknown);

    // Remembered per opened file: another file has none, the first has it again.
    QCOMPARE(noteAfterOpening(dir / "other.ini"), std::string());
    QCOMPARE(noteAfterOpening(dir / "ai.ini"), unknown);

    // A remembered rules file that is gone is told once and forgotten.
    std::filesystem::remove(dir / "rules.ini");
    const size_t shown = messages.Texts().size();
    QCOMPARE(noteAfterOpening(dir / "ai.ini"), std::string());
    QCOMPARE(messages.Texts().size(), shown + 1);
    QCOMPARE(messages.Texts().back(),
             "规则文件已不存在，不再用于 ai.ini:\n" + U8(WidePath(dir / "rules.ini")));
    QCOMPARE(noteAfterOpening(dir / "ai.ini"), std::string());
    QCOMPARE(messages.Texts().size(), shown + 1);

    platform::SetOpenFileHandler({});
}

// 文件 → 字符串表...: the names the player sees, before Name=; a damaged table changes nothing;
// remembered per opened file as the rules file.
void RulesFileTest::stringTableGivesTheNamesThePlayerSees() {
    TempDir dir;
    const std::string ai = "[TaskForces]\n0=TF\n[TF]\nName=Rush\n0=2,htnk\n";
    WriteBytes(dir / "ai.ini", ai);
    WriteBytes(dir / "other.ini", ai);
    WriteBytes(dir / "rules.ini",
               "[VehicleTypes]\n0=HTNK\n[HTNK]\nName=Grizzly Battle Tank\nUIName=Name:HTNK\n");
    WriteBytes(dir / "ra2.csf", StringTableBytes({{"NAME:HTNK", {U16("灰熊坦克")}, ""}}));
    WriteBytes(dir / "bad.csf", StringTableBytes({{"NAME:HTNK", {U16("x")}, ""}}).substr(0, 40));
    std::u16string chosen;
    platform::SetOpenFileHandler([&chosen](const std::u16string &) { return chosen; });
    MessageRecorder messages;
    gui::qt::QtDriver driver;
    CVantaEditDlg main;
    gui::Dialog &taskForces = *g_taskForceWindow;
    auto memberNote = [&] {
        driver.clickRow(taskForces, res::kIdTaskForceList, 0, false);
        taskForces.control<gui::TextArea>(res::kIdTaskForceText)->setCaretLine(2);
        return U8(taskForces.control<gui::Label>(res::kIdTaskForceExplanation)->text());
    };
    auto choose = [&](int command, const std::filesystem::path &path) {
        chosen = WidePath(path);
        driver.command(main, command);
    };
    main.openCommandLine({WidePath(dir / "ai.ini")});
    choose(res::kCmdRulesFile, dir / "rules.ini");
    QCOMPARE(memberNote(), std::string("第 3 行：2 × htnk — Grizzly Battle Tank（车辆）"));
    choose(res::kCmdStringTable, dir / "ra2.csf");
    const std::string named = "第 3 行：2 × htnk — 灰熊坦克（车辆）";
    QCOMPARE(memberNote(), named);
    choose(res::kCmdStringTable, dir / "bad.csf");
    QVERIFY(
        messages.Texts().back().starts_with("字符串表已损坏: " + U8(WidePath(dir / "bad.csf"))));
    QVERIFY(messages.Texts().back().ends_with("\n仍用原来的字符串表: " +
                                              U8(WidePath(dir / "ra2.csf"))));
    QCOMPARE(memberNote(), named);

    main.openCommandLine({WidePath(dir / "other.ini")});
    QCOMPARE(memberNote(), std::string());
    main.openCommandLine({WidePath(dir / "ai.ini")});
    QCOMPARE(memberNote(), named);
    platform::SetOpenFileHandler({});
}

// 插入成员 adds a member line as one edit of the field, which the field's undo takes back; the
// house and condition object boxes list the names and take the ID of the one chosen.
void RulesFileTest::choosersOfferTheModsNames() {
    TempDir dir;
    WriteBytes(dir / "ai.ini",
               "[TaskForces]\n0=TF\n[TF]\nName=Rush\n0=2,HTNK\n3=1,E1\n"
               "[AITriggerTypes]\nA=n,T,<all>,0,1,<none>,0000000002000000000000000"
               "000000000000000000000000000000000000000,5,5,5,1,0,0,0,<none>,1,1,1\n");
    WriteBytes(dir / "rules.ini",
               "[InfantryTypes]\n0=E1\n[VehicleTypes]\n0=HTNK\n[BuildingTypes]\n0=GAPOWR\n"
               "[HTNK]\nName=Grizzly Battle Tank\n[Countries]\n0=Americans\n[Americans]\n"
               "Name=America\n");
    platform::SetOpenFileHandler(
        [&](const std::u16string &) { return WidePath(dir / "rules.ini"); });
    MessageRecorder messages;
    gui::qt::QtDriver driver;
    CVantaEditDlg main;
    main.openCommandLine({WidePath(dir / "ai.ini")});
    gui::Dialog &taskForces = *g_taskForceWindow;
    auto *insert = taskForces.control<gui::ComboBox>(res::kIdTaskForceInsertMember);
    QCOMPARE(insert->itemCount(), 0);
    driver.command(main, res::kCmdRulesFile);
    const std::vector<std::string> members = {"E1（步兵）", "HTNK Grizzly Battle Tank（车辆）",
                                              "GAPOWR（建筑）"};
    QCOMPARE(insert->itemCount(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(U8(insert->itemText(i)), members[size_t(i)]);

    driver.clickRow(taskForces, res::kIdTaskForceList, 0, false);
    auto *field = taskForces.control<gui::TextArea>(res::kIdTaskForceText);
    const std::u16string before = field->text();
    field->setCaretLine(2);
    driver.choose(taskForces, res::kIdTaskForceInsertMember, 1);
    QCOMPARE(U8(field->text()), std::string("[TF]\nName=Rush\n0=2,HTNK\n4=1,HTNK\n3=1,E1\n\n"));
    QCOMPARE(insert->text(), std::u16string());
    // The count is selected: typing replaces it.
    QTest::keyClick(gui::qt::WidgetOf(taskForces, res::kIdTaskForceText), Qt::Key_5);
    QCOMPARE(U8(field->text()), std::string("[TF]\nName=Rush\n0=2,HTNK\n4=5,HTNK\n3=1,E1\n\n"));
    QCOMPARE(U8(taskForces.control<gui::Label>(res::kIdTaskForceExplanation)->text()),
             std::string("第 4 行：5 × HTNK — Grizzly Battle Tank（车辆）"));
    driver.pressKey(taskForces, res::kIdTaskForceText, u"Ctrl+Z");
    driver.pressKey(taskForces, res::kIdTaskForceText, u"Ctrl+Z");
    QCOMPARE(field->text(), before);

    // Typing lists the types whose ID or name holds the text; taking one inserts it.
    auto *box = gui::qt::WidgetOf<QComboBox>(taskForces, res::kIdTaskForceInsertMember);
    field->setCaretLine(2);
    QTest::keyClicks(box->lineEdit(), QStringLiteral("grizz"));
    QCOMPARE(box->completer()->completionCount(), 1);
    QCOMPARE(box->completer()->currentCompletion(),
             QString::fromUtf8("HTNK Grizzly Battle Tank（车辆）"));
    QTest::keyClick(box->completer()->popup(), Qt::Key_Down);
    QTest::keyClick(box->completer()->popup(), Qt::Key_Return);
    QCOMPARE(U8(field->text()), std::string("[TF]\nName=Rush\n0=2,HTNK\n4=1,HTNK\n3=1,E1\n\n"));
    driver.pressKey(taskForces, res::kIdTaskForceText, u"Ctrl+Z");
    QCOMPARE(field->text(), before);

    gui::Dialog &triggers = *g_triggerWindow;
    auto *house = triggers.control<gui::ComboBox>(res::kIdTriggerHouse);
    QCOMPARE(house->itemCount(), 2);
    driver.choose(triggers, res::kIdTriggerHouse, 1);
    QCOMPARE(U8(house->itemText(1)), std::string("Americans America"));
    QCOMPARE(U8(house->text()), std::string("Americans"));
    auto *object = triggers.control<gui::ComboBox>(res::kIdTriggerConditionObject);
    QCOMPARE(object->itemCount(), 4);
    // Typed by hand, a value not in the list stays; an item's whole text, as completing a typed
    // ID leaves it, is saved as its ID.
    object->setText(u"TANKX");
    QCOMPARE(U8(object->text()), std::string("TANKX"));
    driver.clickRow(triggers, res::kIdTriggerList, 0, false);
    object->setText(U16("HTNK Grizzly Battle Tank（车辆）"));
    driver.click(triggers, res::kIdTriggerSave);
    QVERIFY(main.model().document.triggerText.find(",HTNK,") != std::string::npos);
    auto *teamHouse = g_teamWindow->control<gui::ComboBox>(res::kIdTeamHouse);
    QCOMPARE(teamHouse->itemCount(), 2);
    QCOMPARE(U8(teamHouse->itemText(0)), std::string("<none>"));
    platform::SetOpenFileHandler({});
}

QTEST_MAIN(RulesFileTest)
#include "rulesfile_test.moc"
