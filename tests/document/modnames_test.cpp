// The mod's names: the rules file's type lists in the game's order with their names and kinds,
// the building argument of script actions decoded by them, and the findings they give.

#include "core/document.h"
#include "document/filereport.h"
#include "document/rulesfile.h"
#include "scripts/actionprofiles.h"
#include "scripts/buildingargument.h"
#include "scripts/scriptactions.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

RulesFile ReadRules(const TempDir &dir, const std::string &rules, const std::string &included) {
    WriteBytes(dir / "rules.ini", rules);
    WriteBytes(dir / "more.ini", included);
    RulesRead read = ReadRulesFile(WidePath(dir / "rules.ini"));
    EXPECT_TRUE(read.rules) << U8(read.error);
    return read.rules ? std::move(*read.rules) : RulesFile();
}

std::string Listed(const std::vector<ModName> &list) {
    std::string text;
    for (const ModName &entry : list)
        text += (text.empty() ? "" : " ") + entry.id;
    return text;
}

// [BuildingTypes] as the game builds it: every block in every file (the rules file, then its
// include files) one list of keys, a key given again keeping its place, "+=" lines each a key at
// the end, a type given twice at its first place.
TEST(RulesFile, TypeListsInTheGamesOrder) {
    const struct {
        const char *name;
        std::string rules, included;
        std::string buildings;
    } rows[] = {
        {"blocks and files in order",
         "[BuildingTypes]\n0=GAPOWR\n1=GAREFN\n[X]\n[BuildingTypes]\n2=GAPILE\n",
         "[BuildingTypes]\n3=NAPOWR\n", "GAPOWR GAREFN GAPILE NAPOWR"},
        {"numbers do not sort", "[BuildingTypes]\n5=B\n1=A\n", "", "B A"},
        {"a key given again keeps its place, with the later value",
         "[BuildingTypes]\n0=GAPOWR\n1=GAREFN\n", "[BuildingTypes]\n0=NAPOWR\n2=GAPILE\n",
         "NAPOWR GAREFN GAPILE"},
        {"+= lines are keys of their own", "[BuildingTypes]\n+=A\n0=B\n+=C\n",
         "[BuildingTypes]\n+=D\n0=E\n", "A E C D"},
        {"a type given twice keeps its first place", "[BuildingTypes]\n0=A\n1=B\n2=a\n3=C\n", "",
         "A B C"},
        {"off, empty and noted lines", "[BuildingTypes]\n;0=X\n1=\n2=A ;note\n 3 = B\n", "", "A B"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const RulesFile rules =
            ReadRules(dir, "[#include]\n0=more.ini\n" + row.rules, row.included);
        EXPECT_EQ(Listed(rules.Types(TypeKind::Building)), row.buildings);
    }
}

// Each type's kind, Name= and UIName= from its section, wherever the section stands; a name in
// UTF-8 or in the ANSI code page.
TEST(RulesFile, NamesAndKinds) {
    TempDir dir;
    const RulesFile rules = ReadRules(
        dir,
        "\xEF\xBB\xBF[#include]\n0=more.ini\n[HTNK]\nName=Grizzly\nUIName=Name:HTNK\n"
        "[InfantryTypes]\n0=E1\n[VehicleTypes]\n0=HTNK\n[AircraftTypes]\n0=ORCA\n"
        "[BuildingTypes]\n0=GAPOWR\n[Countries]\n0=Americans\n1=Russians\n[E1]\nName=GI ;note\n"
        "[ORCA]\nName=\xE9\xB9\xB0\n[Americans]\nName=America\n",
        "[htnk]\nName=Grizzly Battle Tank\n[GAPOWR]\nName=\xB5\xE7\xB3\xA7\n");
    const struct {
        const char *id;
        TypeKind kind;
        const char *name, *uiName, *withName;
    } rows[] = {
        {"e1", TypeKind::Infantry, "GI", "", "E1（GI）"},
        {"HTNK", TypeKind::Vehicle, "Grizzly Battle Tank", "Name:HTNK",
         "HTNK（Grizzly Battle Tank）"},
        {"ORCA", TypeKind::Aircraft, "鹰", "", "ORCA（鹰）"},
        {"GAPOWR", TypeKind::Building, "电厂", "", "GAPOWR（电厂）"},
    };
    for (const auto &row : rows) {
        const std::optional<RulesFile::FoundType> found = rules.FindType(row.id);
        ASSERT_TRUE(found) << row.id;
        EXPECT_EQ(found->kind, row.kind) << row.id;
        EXPECT_EQ(U8(found->type->name), row.name) << row.id;
        EXPECT_EQ(found->type->uiName, row.uiName) << row.id;
        EXPECT_EQ(U8(IdWithName(*found->type, nullptr)), row.withName) << row.id;
    }
    EXPECT_EQ(rules.TypeCount(), 4u);
    EXPECT_EQ(Listed(rules.Countries()), "Americans Russians");
    EXPECT_EQ(U8(rules.FindCountry("AMERICANS")->name), "America");
    EXPECT_FALSE(rules.FindType("GAREFN"));
    // A string table's text comes before Name=.
    StringTable strings;
    strings.Add("name:htnk", U16("灰熊坦克"));
    EXPECT_EQ(U8(DisplayName(*rules.FindType("HTNK")->type, &strings)), "灰熊坦克");
    EXPECT_EQ(U8(DisplayName(*rules.FindType("E1")->type, &strings)), "GI");
}

// The argument of actions 46, 47, 56 and 58: mode × 65536 + index, with and without a rules file,
// and the findings it gives.
TEST(BuildingArgument, ModeAndIndex) {
    TempDir dir;
    const RulesFile rules = ReadRules(
        dir, "[BuildingTypes]\n0=GACNST\n1=GAPOWR\n[GAPOWR]\nName=Allied Power Plant\n", "");
    const RulesFile noTypes = ReadRules(dir, "[Countries]\n0=A\n", "");
    const struct {
        int64_t argument;
        const char *without, *with;
    } rows[] = {
        {1, "第 1 个建筑类型（从 0 数起），威胁最小的", "威胁最小的 GAPOWR（Allied Power Plant）"},
        {65536, "第 0 个建筑类型（从 0 数起），威胁最大的", "威胁最大的 GACNST"},
        {131073, "第 1 个建筑类型（从 0 数起），最近的", "最近的 GAPOWR（Allied Power Plant）"},
        {196609, "第 1 个建筑类型（从 0 数起），最远的", "最远的 GAPOWR（Allied Power Plant）"},
        {131078, "第 6 个建筑类型（从 0 数起），最近的",
         "第 6 个建筑类型（从 0 数起）不在规则文件的 [BuildingTypes] 中（共 2 项），最近的"},
        {262145, "第 1 个建筑类型（从 0 数起），选择方式 4 未知（应为 0 到 3）",
         "GAPOWR（Allied Power Plant），选择方式 4 未知（应为 0 到 3）"},
        {-1, "第 65535 个建筑类型（从 0 数起），选择方式 -1 未知（应为 0 到 3）",
         "第 65535 个建筑类型（从 0 数起）不在规则文件的 [BuildingTypes] 中（共 2 项），选择方式 "
         "-1 "
         "未知（应为 0 到 3）"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(U8(ExplainBuildingArgument(row.argument, {})), row.without) << row.argument;
        EXPECT_EQ(U8(ExplainBuildingArgument(row.argument, {&noTypes})), row.without)
            << row.argument;
        EXPECT_EQ(U8(ExplainBuildingArgument(row.argument, {&rules})), row.with) << row.argument;
    }

    // In the script window's words, and in the file report.
    Document document;
    document.scriptListText = "[ScriptTypes]\n0=S\n";
    document.scriptSectionsText = "[S]\nName=s\n0=58,131073\n1=46,131078\n2=47,262145\n3=56,1\n";
    EXPECT_EQ(U8(ExplainScriptLine(U16(document.scriptSectionsText), 2, document, BaseActions(),
                                   {&rules})),
              "第 3 行：动作 58 移动到本方建筑 — 参数 131073：最近的 GAPOWR（Allied Power Plant）");
    const auto kinds = [&](const RulesFile *with) {
        std::vector<std::string> found;
        for (const Finding &finding : FindBrokenReferences(document, with))
            found.push_back(std::string(FindingKindName(finding.kind)) + " " + U8(finding.what));
        return found;
    };
    const std::string named = "动作 46“攻击敌方建筑”的参数 131078";
    EXPECT_EQ(kinds(&rules),
              (std::vector<std::string>{
                  "script-building " + named +
                      " 的建筑类型序号 6 超出了规则文件的 [BuildingTypes]（共 2 项）。",
                  "script-argument 动作 47“移动到敌方建筑”的参数 262145 的选择方式 4 不在 0 到 3 "
                  "之间。"}));
    EXPECT_EQ(kinds(nullptr),
              (std::vector<std::string>{"script-argument 动作 47“移动到敌方建筑”的"
                                        "参数 262145 的选择方式 4 不在 0 到 3 之间。"}));
}

// Every decoded kind of a script line says the names it can, with the IDs it names: list indexes
// by the entry's ID and Name=, rows of [AITargetTypes] by their types' names, [AIScriptsList] by
// the scripts', global variables by [VariableNames] (a map names its local ones itself).
TEST(ScriptExplanation, NamesWhatEachArgumentNames) {
    TempDir dir;
    const RulesFile rules = ReadRules(
        dir,
        "[VehicleTypes]\n0=HTNK\n[HTNK]\nName=Grizzly\n[AITargetTypes]\n0=HTNK, E1 ; tanks\n"
        "[AIScriptsList]\n0=S2,S\n[VariableNames]\n3=Base "
        "Ready,0\n;4=Off\n[#include]\n0=more.ini\n",
        "[VariableNames]\n3=Base Built\n5=Raid\n");
    Document document;
    document.scriptListText = "[ScriptTypes]\n0=S\n1=S2\n";
    document.scriptSectionsText = "[S]\nName=s\n[S2]\nName=Second\n";
    document.teamListText = "[TeamTypes]\n0=T\n";
    document.teamSectionsText = "[T]\nGroup=-1\n";
    const std::u16string field =
        U16("[S]\n0=17,1\n0=18,0\n0=10002,0\n0=10002,1\n0=16004,0\n0=12,3\n"
            "0=40,3\n0=18001,655363\n0=18060,327684\n0=18036,65539\n");
    const struct {
        int line;
        const RulesFile *rules;
        const char *argument;
        std::vector<std::string> refers;
    } rows[] = {
        {1, nullptr, "脚本 S2（Second）", {"S2"}},
        {2, nullptr, "队伍 T", {"T"}},
        {3,
         &rules,
         "[AITargetTypes] 第 0 行：HTNK（Grizzly）、E1（不在规则文件中）",
         {"HTNK", "E1"}},
        {3, nullptr, "[AITargetTypes] 第 0 行（从 0 数起）", {}},
        {4, &rules, "[AITargetTypes] 第 1 行（从 0 数起），规则文件中没有这一行（共 1 行）", {}},
        {5, &rules, "[AIScriptsList] 第 0 行：S2（Second）、S（s）", {"S2", "S"}},
        {6, &rules, "全局变量 3（Base Built）", {}},
        {6, nullptr, "全局变量 3", {}},
        {7, &rules, "局部变量 3", {}},
        {8, &rules, "局部变量 3，数值 10", {}},
        {9, &rules, "全局变量 4（不在规则文件的 [VariableNames] 中），全局变量 5（Raid）", {}},
        {10, &rules, "全局变量 3（Base Built），局部变量 1", {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.line);
        const ScriptLineMeaning meaning = ScriptLineMeaningOf(
            field, row.line, document, BuiltInProfile(Engine::Phobos), {row.rules});
        const std::string text = U8(meaning.text);
        EXPECT_EQ(text.substr(text.find("：", text.find(" — ")) + 3), row.argument) << text;
        EXPECT_EQ(meaning.refers, row.refers);
    }
}

} // namespace
