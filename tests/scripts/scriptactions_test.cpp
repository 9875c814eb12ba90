#include "scripts/scriptactions.h"

#include "core/document.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using testsupport::U16;
using testsupport::U8;

namespace {

// FindScriptAction looks an action up by its place in the table.
TEST(ScriptActions, TableRunsFromZeroWithoutGaps) {
    const std::span<const ScriptAction> actions = ScriptActions();
    ASSERT_EQ(actions.size(), 65u);
    for (size_t i = 0; i < actions.size(); ++i)
        EXPECT_EQ(actions[i].number, int(i));
    const std::vector<std::u16string> items = ScriptActionItems();
    EXPECT_EQ(U8(items[3]), "3 移动到路径点");
    EXPECT_EQ(FindScriptAction(65), nullptr);
    EXPECT_EQ(FindScriptAction(-1), nullptr);
}

TEST(ScriptActions, ExplainsTheLineUnderTheCaret) {
    Document document;
    document.scriptListText = "[ScriptTypes]\n0=S_Go\n1=S_Back\n";
    document.teamListText = "[TeamTypes]\n0=T_Rush\n";
    const std::u16string field = U16("[S]\nName=go\n0=1,7\n  3=3 , 12 ;note\n0=0,2\n0=0,12\n"
                                     "0=17,1\n0=17,2\n0=18,0\n0=99,1\n0=48,0\n0=6,x\nGroup=-1\n");
    const struct {
        int line;
        const char *expected;
    } rows[] = {
        {0, "第 1 行：小节头"},
        {1, "第 2 行：脚本名称"},
        {3, "第 4 行：动作 3 移动到路径点 — 参数 12：路径点 12"},
        {4, "第 5 行：动作 0 攻击目标类型 — 参数 2：目标类型 建筑"},
        {5, "第 6 行：动作 0 攻击目标类型 — 参数 12：未知的目标类型 12"},
        {6, "第 7 行：动作 17 改换脚本 — 参数 1：脚本 S_Back"},
        {7, "第 8 行：动作 17 改换脚本 — 参数 2：脚本列表中没有序号 2（共 2 项）"},
        {8, "第 9 行：动作 18 改换队伍 — 参数 0：队伍 T_Rush"},
        {9, "第 10 行：动作 99 未知动作（基础游戏）"},
        {10, "第 11 行：动作 48 侦察 — 参数 0：不使用（游戏不执行这个动作）"},
        {11, "第 12 行：不是“动作,参数”两个整数"},
        {12, "第 13 行：不是动作行"},
        {13, "第 14 行：空行"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(U8(ExplainScriptLine(field, row.line, document)), row.expected) << row.line;
}

TEST(ScriptActions, InsertsAfterTheCaretLineWithTheNextNumber) {
    const struct {
        const char *field;
        int caret;
        const char *expected;
        int line;
    } rows[] = {
        {"[S]\nName=s\n0=3,1\n4=0,2\n", 1, "[S]\nName=s\n5=8,0\n0=3,1\n4=0,2\n", 2},
        {"[S]\nName=s", 1, "[S]\nName=s\n0=8,0", 2},
        {"[S]\n0=3,1\n", 2, "[S]\n0=3,1\n1=8,0", 2},
        {"", 0, "0=8,0", 0},
        {"[S]\n2147483647=1,1\n", 0, "[S]\n2147483648=8,0\n2147483647=1,1\n", 1},
    };
    for (const auto &row : rows) {
        const InsertedAction inserted = InsertScriptAction(U16(row.field), row.caret, 8);
        EXPECT_EQ(U8(inserted.text), row.expected) << row.field;
        EXPECT_EQ(inserted.line, row.line) << row.field;
    }
}

} // namespace
