#include "scripts/actionprofiles.h"
#include "scripts/actiontable.h"

#include "core/document.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>
#include <set>

using testsupport::U16;
using testsupport::U8;

namespace {

TEST(ActionProfiles, EachProfileKnowsItsOwnNumbers) {
    const struct {
        Engine engine;
        size_t count;
        std::vector<int> known, unknown;
    } rows[] = {
        {Engine::Base, 65, {0, 64}, {65, 71, 10000, 18000}},
        {Engine::Ares, 71, {0, 65, 70}, {71, 10000, 500}},
        {Engine::Phobos,
         192,
         {70, 10000, 10061, 10104, 14004, 16005, 18000, 18071},
         {71, 113, 125, 500, 10018, 18072}},
        {Engine::PhobosDevbuild,
         189,
         {70, 71, 113, 124, 126, 500, 571},
         {114, 123, 127, 499, 572, 10000, 18000}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(EngineName(row.engine));
        const ActionProfile &profile = BuiltInProfile(row.engine);
        EXPECT_EQ(profile.Actions().size(), row.count);
        EXPECT_TRUE(std::is_sorted(
            profile.Actions().begin(), profile.Actions().end(),
            [](const ScriptAction &a, const ScriptAction &b) { return a.number < b.number; }));
        for (int number : row.known)
            EXPECT_NE(profile.Find(number), nullptr) << number;
        for (int number : row.unknown)
            EXPECT_EQ(profile.Find(number), nullptr) << number;
        EXPECT_EQ(EngineNamed(EngineName(row.engine)), row.engine);
    }
    EXPECT_EQ(EngineNamed("phobos-dev"), std::nullopt);
    const std::vector<std::u16string> items = ScriptActionItems(BuiltInProfile(Engine::Phobos));
    EXPECT_EQ(U8(items[3]), "3 移动到路径点");
    EXPECT_EQ(U8(items[65]), "65 [Ares] 辅助电力");
}

TEST(ActionProfiles, ExplainsExtensionActions) {
    Document document;
    const std::u16string field =
        U16("0=10000,2\n0=10005,37\n0=18001,655363\n0=10100,30\n0=16004,1\n0=10002,4\n"
            "0=69,45\n0=53,-2\n0=126,30\n0=65,0\n");
    const struct {
        Engine engine;
        int line;
        const char *expected;
    } rows[] = {
        {Engine::Phobos, 0, "第 1 行：动作 10000 攻击目标类型（近，反复） — 参数 2：目标类型 建筑"},
        {Engine::Phobos, 1,
         "第 2 行：动作 10005 攻击目标类型（远，反复） — 参数 37：未知的目标类型 37"},
        {Engine::Phobos, 2,
         "第 3 行：动作 18001 局部变量加上（数值） — 参数 655363：局部变量 3，数值 10"},
        {Engine::Phobos, 3, "第 4 行：动作 10100 限时区域警戒 — 参数 30：30 秒"},
        {Engine::Phobos, 4,
         "第 5 行：动作 16004 随机换脚本 — 参数 1：[AIScriptsList] 第 1 行（从 0 数起）"},
        {Engine::Phobos, 5,
         "第 6 行：动作 10002 攻击目标列表（近，反复） — 参数 4：[AITargetTypes] 第 4 行（从 0 "
         "数起）"},
        {Engine::Ares, 6, "第 7 行：动作 69 声呐显形 — 参数 45：时长 45"},
        {Engine::Ares, 7, "第 8 行：动作 53 在敌方基地集结 — 参数 -2：数值 -2"},
        {Engine::Base, 7, "第 8 行：动作 53 在敌方基地集结 — 参数 -2：不使用"},
        {Engine::PhobosDevbuild, 8, "第 9 行：动作 126 定时重跳本行 — 参数 30：时长 30"},
        {Engine::Phobos, 8, "第 9 行：动作 126 未知动作（Ares + Phobos）"},
        {Engine::Base, 9, "第 10 行：动作 65 未知动作（基础游戏）"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(U8(ExplainScriptLine(field, row.line, document, BuiltInProfile(row.engine))),
                  row.expected)
            << row.line;
}

// Every old number moves to its new one and back, one to one, and means the same action there.
TEST(ActionProfiles, RenumberingRunsBothWaysThroughEveryMappedNumber) {
    const ActionProfile &old = BuiltInProfile(Engine::PhobosDevbuild);
    const ActionProfile &current = BuiltInProfile(Engine::Phobos);
    std::set<int> targets;
    for (const RenumberedAction &pair : PhobosRenumbering()) {
        SCOPED_TRACE(pair.old);
        EXPECT_EQ(RenumberedActionNumber(pair.old, Engine::PhobosDevbuild, Engine::Phobos),
                  pair.current);
        EXPECT_EQ(RenumberedActionNumber(pair.current, Engine::Phobos, Engine::PhobosDevbuild),
                  pair.old);
        EXPECT_TRUE(targets.insert(pair.current).second);
        ASSERT_NE(old.Find(pair.old), nullptr);
        ASSERT_NE(current.Find(pair.current), nullptr);
        EXPECT_EQ(U8(ActionName(*old.Find(pair.old))), U8(ActionName(*current.Find(pair.current))));
    }
    // 71-113, 124-126 and 500-571, 500 included.
    EXPECT_EQ(PhobosRenumbering().size(), 43u + 3u + 72u);
    EXPECT_EQ(RenumberedActionNumber(500, Engine::PhobosDevbuild, Engine::Phobos), 18000);
    EXPECT_EQ(RenumberedActionNumber(3, Engine::PhobosDevbuild, Engine::Phobos), std::nullopt);
    EXPECT_EQ(RenumberedActionNumber(74, Engine::Ares, Engine::Phobos), std::nullopt);
}

TEST(ActionProfiles, RenumberingChangesOnlyTheActionNumber) {
    const struct {
        const char *text;
        Engine from, to;
        const char *expected;
        int changed;
        size_t notes;
    } rows[] = {
        {"[S]\n0=74,3 ; 注释\n1=  500 ,-5\n2=3,1\n3=x,1\n;4=71,0\n", Engine::PhobosDevbuild,
         Engine::Phobos, "[S]\n0=10010,3 ; 注释\n1=  18000 ,-5\n2=3,1\n3=x,1\n;4=71,0\n", 2, 0},
        {"[S]\n0=125,30\n1=126,-1\n2=124,0", Engine::PhobosDevbuild, Engine::Phobos,
         "[S]\n0=16001,30\n1=16000,-1\n2=16002,0", 3, 2},
        {"[S]\n0=10010,3\n\n[T]\n0=18071,1\n1=16001,2\n", Engine::Phobos, Engine::PhobosDevbuild,
         "[S]\n0=74,3\n\n[T]\n0=571,1\n1=125,2\n", 3, 1},
        {"[74]\n0=10010\n0=10010,3x\n", Engine::Phobos, Engine::PhobosDevbuild,
         "[74]\n0=10010\n0=10010,3x\n", 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        const RenumberedScripts moved = RenumberScriptActions(row.text, row.from, row.to);
        EXPECT_EQ(moved.text, row.expected);
        EXPECT_EQ(moved.changed, row.changed);
        EXPECT_EQ(moved.notes.size(), row.notes);
    }
    const RenumberedScripts moved =
        RenumberScriptActions("[SC_T]\n0=125,30\n", Engine::PhobosDevbuild, Engine::Phobos);
    ASSERT_EQ(moved.notes.size(), 1u);
    EXPECT_NE(U8(moved.notes[0]).find("SC_T"), std::string::npos);
    EXPECT_NE(U8(moved.notes[0]).find("没有换算"), std::string::npos);
}

TEST(ActionTable, LaysAModdersActionsOverAProfile) {
    const ActionTableRead read = ParseActionTable(
        "\xEF\xBB\xBF; a fork's actions\n[General]\n114=not,an,action\n[ScriptActions]\n"
        "114 = 攻击矿车 , phobos-target , 按目标类型攻击, 先打近的 ; note\n"
        "74=改过的动作,seconds,\n",
        u"fork.ini");
    ASSERT_TRUE(read.table) << U8(read.error);
    const ActionProfile profile(Engine::PhobosDevbuild, &*read.table);
    ASSERT_NE(profile.Find(114), nullptr);
    EXPECT_EQ(U8(ActionName(*profile.Find(114))), "攻击矿车");
    EXPECT_EQ(U8(ActionDescription(*profile.Find(114))), "按目标类型攻击, 先打近的");
    EXPECT_EQ(profile.Find(114)->argument, ArgumentKind::PhobosTarget);
    EXPECT_EQ(U8(ActionName(*profile.Find(74))), "改过的动作");
    EXPECT_EQ(profile.Find(74)->argument, ArgumentKind::Seconds);
    EXPECT_EQ(profile.Actions().size(),
              BuiltInProfile(Engine::PhobosDevbuild).Actions().size() + 1);
    EXPECT_EQ(U8(profile.Label()), "Ares + Phobos 旧编号 + fork.ini");
    EXPECT_EQ(BuiltInProfile(Engine::Base).Find(114), nullptr);
    // The table outlives the read that made it.
    const ActionProfile copy = [] {
        const ActionTableRead again =
            ParseActionTable("[ScriptActions]\n200=临时,none,说明\n", u"t.ini");
        return ActionProfile(Engine::Base, &*again.table);
    }();
    EXPECT_EQ(U8(ActionDescription(*copy.Find(200))), "说明");
    // The code page when the bytes are not UTF-8: "攻击" in code page 936.
    const ActionTableRead ansi =
        ParseActionTable("[ScriptActions]\n7=\xB9\xA5\xBB\xF7,none,\n", u"a");
    ASSERT_TRUE(ansi.table);
    EXPECT_EQ(U8(ActionName(ansi.table->actions[0])), "攻击");
}

TEST(ActionTable, ALineThatCannotBeReadIsAnErrorNamingFileAndLine) {
    const struct {
        const char *text;
        const char *error;
    } rows[] = {
        {"[ScriptActions]\n\n=名称,none,说明\n", "fork.ini 第 3 行: 没有动作编号"},
        {"[ScriptActions]\nx=名称,none,说明\n", "fork.ini 第 2 行: 没有动作编号"},
        {"[ScriptActions]\n-1=名称,none,说明\n", "fork.ini 第 2 行: 没有动作编号"},
        {"[ScriptActions]\n114\n", "fork.ini 第 2 行: 没有动作编号"},
        {"[ScriptActions]\n114=名称,bogus,说明\n", "fork.ini 第 2 行: 参数种类“bogus”未知"},
        {"[ScriptActions]\n114=名称\n", "fork.ini 第 2 行: 参数种类“”未知"},
        {"[ScriptActions]\n114=,none,说明\n", "fork.ini 第 2 行: 动作没有名称"},
        {"[ScriptActions]\n114=a,none,\n114=b,none,\n",
         "fork.ini 第 3 行: 动作 114 已在第 2 行写过"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        const ActionTableRead read = ParseActionTable(row.text, u"fork.ini");
        EXPECT_FALSE(read.table);
        EXPECT_TRUE(U8(read.error).starts_with(row.error)) << U8(read.error);
    }
    testsupport::TempDir dir;
    const ActionTableRead missing = ReadActionTable(U16((dir / "none.ini").string()));
    EXPECT_FALSE(missing.table);
    EXPECT_TRUE(U8(missing.error).starts_with("动作表无法读取: ")) << U8(missing.error);
}

} // namespace
