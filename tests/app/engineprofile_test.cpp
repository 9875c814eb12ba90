// 文件 → 引擎扩展 and 工具 → 迁移到 Phobos 新编号 on the real windows of the Qt backend: the chosen
// actions are remembered for the opened file, and the script window's explanation, its insert box
// and the report follow them at once; the migration is one undo step.

#include "app/vantaeditdlg.h"
#include "core/windowsignals.h"
#include "gui/qt/qtdriver.h"
#include "res/entrytextdialogs.h"
#include "res/resources.h"
#include "support/testsupport.h"
#include "support/windowtest.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace testsupport;

class EngineProfileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void chosenRememberedAndFollowed();
    void migrationIsOneUndoStep();
};

void EngineProfileTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantaEditTest"));
    QSettings().clear();
    UseQtBackend();
}

void EngineProfileTest::chosenRememberedAndFollowed() {
    TempDir dir;
    const std::string ai = "[ScriptTypes]\n0=SC\n[SC]\nName=s\n0=74,3\n1=114,2\n";
    WriteBytes(dir / "ai.ini", ai);
    WriteBytes(dir / "other.ini", ai);
    WriteBytes(dir / "fork.ini", "[ScriptActions]\n114=攻击矿车,phobos-target,说明\n");
    std::u16string chosen;
    platform::SetOpenFileHandler([&chosen](const std::u16string &) { return chosen; });
    MessageRecorder messages;
    gui::qt::QtDriver driver;
    CVantaEditDlg main;
    gui::Dialog &scripts = *g_scriptWindow;
    auto explain = [&](int line) {
        scripts.control<gui::TextArea>(res::kIdScriptText)->setCaretLine(line);
        return U8(scripts.control<gui::Label>(res::kIdScriptExplanation)->text());
    };
    auto open = [&](const std::filesystem::path &path) {
        main.openCommandLine({WidePath(path)});
        driver.clickRow(scripts, res::kIdScriptList, 0, false);
    };
    auto insertItems = [&] {
        return scripts.control<gui::ComboBox>(res::kIdScriptInsertAction)->itemCount();
    };

    open(dir / "ai.ini");
    QCOMPARE(explain(2), std::string("第 3 行：动作 74 未知动作（基础游戏）"));
    QCOMPARE(insertItems(), 65);
    driver.command(main, res::kCmdCheckFile);
    QVERIFY(messages.Texts().back().starts_with("检查文件: " + U8(WidePath(dir / "ai.ini")) +
                                                "（动作表: 基础游戏）\n"));

    main.chooseEngine(3); // Ares + Phobos 旧编号
    QCOMPARE(explain(2),
             std::string(
                 "第 3 行：动作 74 攻击目标类型（近且威胁大，反复） — 参数 3：目标类型 采矿单位"));
    QCOMPARE(insertItems(), 189);
    // 114 is no action of the old numbering; the fork's table names it.
    QCOMPARE(explain(3), std::string("第 4 行：动作 114 未知动作（Ares + Phobos 旧编号）"));
    chosen = WidePath(dir / "fork.ini");
    main.chooseEngine(4);
    QCOMPARE(explain(3), std::string("第 4 行：动作 114 攻击矿车 — 参数 2：目标类型 建筑"));
    QCOMPARE(insertItems(), 190);
    driver.command(main, res::kCmdCheckFile);
    QVERIFY(messages.Texts().back().starts_with("检查文件: " + U8(WidePath(dir / "ai.ini")) +
                                                "（动作表: Ares + Phobos 旧编号 + " +
                                                U8(WidePath(dir / "fork.ini")) + "）\n"));

    // Remembered per opened file: another file has the game's own, the first has its own again.
    open(dir / "other.ini");
    QCOMPARE(explain(3), std::string("第 4 行：动作 114 未知动作（基础游戏）"));
    open(dir / "ai.ini");
    QCOMPARE(explain(3), std::string("第 4 行：动作 114 攻击矿车 — 参数 2：目标类型 建筑"));

    // A broken table is told and changes nothing.
    WriteBytes(dir / "broken.ini", "[ScriptActions]\n114=x,frames,y\n");
    chosen = WidePath(dir / "broken.ini");
    main.chooseEngine(4);
    QVERIFY(messages.Texts().back().starts_with(U8(WidePath(dir / "broken.ini")) +
                                                " 第 2 行: 参数种类“frames”未知"));
    QCOMPARE(explain(3), std::string("第 4 行：动作 114 攻击矿车 — 参数 2：目标类型 建筑"));
    // Another engine keeps the table over it.
    main.chooseEngine(2);
    QCOMPARE(explain(2),
             "第 3 行：动作 74 未知动作（Ares + Phobos + " + U8(WidePath(dir / "fork.ini")) + "）");
    QCOMPARE(explain(3), std::string("第 4 行：动作 114 攻击矿车 — 参数 2：目标类型 建筑"));
    main.chooseEngine(3);
    main.chooseEngine(5); // 不用自定义动作表
    QCOMPARE(explain(3), std::string("第 4 行：动作 114 未知动作（Ares + Phobos 旧编号）"));
    main.chooseEngine(0);
    platform::SetOpenFileHandler({});
}

void EngineProfileTest::migrationIsOneUndoStep() {
    TempDir dir;
    const std::string ai = "[ScriptTypes]\n0=SC\n[SC]\nName=s\n0=74,-3 ; x\n1=126,30\n";
    WriteBytes(dir / "ai.ini", ai);
    MessageRecorder messages;
    gui::qt::QtDriver driver;
    CVantaEditDlg main;
    main.openCommandLine({WidePath(dir / "ai.ini")});
    const std::string before = main.model().document.scriptSectionsText;
    driver.command(main, res::kCmdMigratePhobos);
    QVERIFY(messages.Texts().back().starts_with("改了 2 行的动作编号"));
    QVERIFY(messages.Texts().back().find("“1=126,30”：动作 126 改为 16000") != std::string::npos);
    const std::string &after = main.model().document.scriptSectionsText;
    QVERIFY(after.find("0=10010,-3 ; x\n1=16000,30\n") != std::string::npos);
    QCOMPARE(U8(main.model().history.UndoName()), std::string("迁移到 Phobos 新编号"));
    main.model().Undo();
    QCOMPARE(main.model().document.scriptSectionsText, before);
}

QTEST_MAIN(EngineProfileTest)
#include "engineprofile_test.moc"
