#include "scripts/scriptactions.h"

#include "core/entrytext.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "scripts/actionprofiles.h"
#include "scripts/buildingargument.h"

#include <algorithm>
#include <array>

namespace {

using enum ArgumentKind;

// The action numbers, their arguments, and which ones the game leaves undone follow the public
// modding reference at https://modenc.renegadeprojects.com/ScriptTypes/ScriptActions, checked
// again against that wiki's revisions and its page on team aggression and against the public
// documentation of an engine extension's script actions; the names and lines are our own.
constexpr ScriptAction kActions[] = {
    {0, u"攻击目标类型", Target, u"攻击参数所指类型的敌方目标，打完一个接着找下一个，直到没有为止"},
    {1, u"攻击路径点", Waypoint, u"攻击参数所指路径点上的东西；没有建筑就攻击地面"},
    {2, u"狂暴", None, u"让成员进入狂暴状态", ActionQuirk::Ignored},
    {3, u"移动到路径点", Waypoint, u"全队移动到参数所指的路径点"},
    {4, u"移动到单元格", Number, u"全队移动到参数所指的地图单元格（单元格编号）"},
    {5, u"区域警戒", Duration, u"在原地警戒参数所给的时长"},
    {6, u"跳到行", Line, u"接着执行本脚本参数所指的那一行（从 1 数起），用来循环"},
    {7, u"本方获胜", None, u"让队伍所属的一方获胜"},
    {8, u"卸载", Number,
     u"运输工具放下乘员；参数 0 都留在队里，1 只留运输工具，2 只留乘员，3 都离队"},
    {9, u"部署", None, u"能部署的成员就地部署"},
    {10, u"跟随友军", None, u"跟着附近的友方单位行动"},
    {11, u"指派任务", Mission, u"给全体成员下达参数所指的单位任务，之后脚本停在这里"},
    {12,
     u"设置全局变量",
     Number,
     u"把参数所指的全局变量设为真",
     ActionQuirk::None,
     {},
     VariableScope::Global},
    {13, u"待机动画", None, u"步兵成员播放待机动画"},
    {14, u"登上运输工具", None, u"成员登上队里的运输工具"},
    {15, u"潜入路径点上的建筑", Waypoint, u"间谍成员潜入参数所指路径点上的建筑"},
    {16, u"巡逻到路径点", Waypoint, u"向参数所指路径点行进，途中遇敌就打"},
    {17, u"改换脚本", Script, u"改为执行脚本列表中参数所指的那个脚本（从 0 数起）"},
    {18, u"改换队伍", Team, u"把成员并入队伍列表中参数所指的那个队伍（从 0 数起）"},
    {19, u"惊慌", None, u"步兵成员惊慌乱跑"},
    {20, u"改换所属方", Number, u"队伍改归参数所指的一方（所属方编号）"},
    {21, u"散开", None, u"成员各自散开"},
    {22, u"躲进黑幕", None, u"移动到附近未被探明的区域"},
    {23, u"本方失败", None, u"让队伍所属的一方失败"},
    {24, u"播放语音", Number, u"播放参数所指的语音"},
    {25, u"播放音效", Number, u"播放参数所指的音效"},
    {26, u"播放影片", Number, u"播放参数所指的影片"},
    {27, u"播放音乐", Number, u"播放参数所指的音乐"},
    {28, u"减少矿石", None, u"减少队伍附近的矿石"},
    {29, u"开始生产", None, u"让所属方开始建造和生产"},
    {30, u"变卖基地", None, u"所属方卖掉全部建筑"},
    {31, u"自毁", None, u"成员全部自毁"},
    {32, u"离子风暴将至", Duration, u"预告参数所给时长后开始离子风暴", ActionQuirk::Ignored},
    {33, u"离子风暴结束", None, u"结束离子风暴", ActionQuirk::Ignored},
    {34, u"镜头对准队伍", Number, u"把视野移到队伍处，参数为移动速度"},
    {35, u"重新遮蔽地图", None, u"地图重新盖上黑幕"},
    {36, u"揭开地图", None, u"揭开整张地图的黑幕"},
    {37, u"删除队伍成员", None, u"把成员从地图上移除"},
    {38,
     u"清除全局变量",
     Number,
     u"把参数所指的全局变量设为假",
     ActionQuirk::None,
     {},
     VariableScope::Global},
    {39,
     u"设置局部变量",
     Number,
     u"把参数所指的局部变量设为真",
     ActionQuirk::None,
     {},
     VariableScope::Local},
    {40,
     u"清除局部变量",
     Number,
     u"把参数所指的局部变量设为假",
     ActionQuirk::None,
     {},
     VariableScope::Local},
    {41, u"解除惊慌", None, u"步兵成员不再惊慌"},
    {42, u"转向", Number, u"成员转向参数所指的方向（0 到 7）"},
    {43, u"等待装满", None, u"等运输工具装满乘员再继续"},
    {44, u"卡车卸货", None, u"卡车放下货物"},
    {45, u"卡车装货", None, u"卡车装上货物"},
    {46, u"攻击敌方建筑", Building,
     u"攻击参数所指类型的敌方建筑；参数为 [BuildingTypes] 序号加上方式 × 65536（0 威胁最小，1 "
     u"威胁最大，"
     u"2 最近，3 最远）"},
    {47, u"移动到敌方建筑", Building, u"移动到参数所指类型的敌方建筑旁；参数同动作 46"},
    {48, u"侦察", None, u"四处侦察", ActionQuirk::Ignored},
    {49, u"记录成功", None, u"把这次行动记为成功，触发的权重随之提高"},
    {50, u"闪烁", Duration, u"成员闪白光，参数为帧数"},
    {51, u"播放动画", Number, u"在队伍处播放参数所指的动画"},
    {52, u"对话气泡", Number, u"在队长头上显示参数所指的对话气泡"},
    {53, u"在敌方基地集结", None, u"在敌方基地附近集合"},
    {54, u"回基地集结", None, u"在本方基地附近集合"},
    {55, u"铁幕保护", None, u"请求所属方对队伍使用铁幕"},
    {56, u"超时空传送攻击建筑", Building, u"请求超时空传送到参数所指的敌方建筑旁；参数同动作 46"},
    {57, u"超时空传送攻击目标", Target, u"请求超时空传送到参数所指类型的敌方目标旁"},
    {58, u"移动到本方建筑", Building, u"移动到参数所指类型的本方建筑旁；参数同动作 46"},
    {59, u"攻击路径点上的建筑", Waypoint, u"攻击参数所指路径点上的建筑"},
    {60, u"进入回收站", None, u"成员进入本方的回收建筑，换回资金"},
    {61, u"进入坦克碉堡", None, u"车辆成员进入附近的坦克碉堡"},
    {62, u"进入生化反应炉", None, u"步兵成员进入本方的生化反应炉"},
    {63, u"进入战斗碉堡", None, u"步兵成员进入附近的战斗碉堡"},
    {64, u"进驻建筑", None, u"步兵成员进驻附近可进驻的建筑"},
};

constexpr std::array<std::u16string_view, 12> kTargetTypes = {
    u"取消攻击", u"任何目标", u"建筑",     u"采矿车", u"步兵",         u"车辆",
    u"工厂",     u"基地防御", u"来犯之敌", u"电厂",   u"可进驻的建筑", u"科技建筑",
};

// The extension's target types, from 1. Facts from Phobos' docs/AI-Scripting-and-Mapping.md;
// the names are our own.
constexpr std::array<std::u16string_view, 36> kPhobosTargetTypes = {
    u"任何目标",   u"建筑",       u"采矿单位",         u"步兵",         u"车辆",
    u"工厂",       u"基地防御",   u"威胁本方者",       u"电厂",         u"有人进驻的建筑",
    u"科技建筑",   u"矿石精炼厂", u"心灵控制者",       u"空中单位",     u"海上目标",
    u"干扰设施",   u"地面车辆",   u"经济目标",         u"兵营",         u"战车工厂",
    u"空军基地",   u"雷达",       u"高科技建筑",       u"船厂",         u"超级武器",
    u"建造厂",     u"中立目标",   u"隐形或裂缝发生器", u"雷达干扰者",   u"抑制者",
    u"海军单位",   u"可移动单位", u"可占领建筑",       u"警戒区内之敌", u"战车工厂和船厂",
    u"非防御建筑",
};

std::u16string Decimal(int64_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

// The lines of an edit field, without their LFs; a text ending in LF ends with an empty line.
std::vector<std::u16string_view> LinesOf(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    for (size_t begin = 0;;) {
        const size_t lf = text.find(u'\n', begin);
        lines.push_back(text.substr(begin, lf == std::u16string_view::npos ? lf : lf - begin));
        if (lf == std::u16string_view::npos) return lines;
        begin = lf + 1;
    }
}

// The entries a list index names, read from the document's texts for the one line explained:
// the list up to the index, and the sections once per entry named.
class DocumentEntries final : public ListedEntries {
public:
    explicit DocumentEntries(const Document &document) : document_(document) {}

    std::optional<std::string_view> IdAt(bool scripts, int64_t index,
                                         int64_t &count) const override {
        const std::string_view listText =
            scripts ? document_.scriptListText : document_.teamListText;
        count = 0;
        for (size_t begin = 0; begin < listText.size();) {
            const size_t lf = std::min(listText.find('\n', begin), listText.size());
            const std::string_view line = listText.substr(begin, lf - begin);
            begin = lf + 1;
            const size_t equals = line.find('=');
            if (equals == std::string_view::npos) continue;
            if (count++ == index) return line.substr(equals + 1);
        }
        return std::nullopt;
    }

    std::string_view NameOf(bool scripts, std::string_view id) const override {
        const std::string_view sections =
            scripts ? document_.scriptSectionsText : document_.teamSectionsText;
        const int header = HeaderLineOf(sections, id);
        if (header < 0) return {};
        const size_t start = SectionBodyStart(sections, header, id);
        const std::string_view body =
            sections.substr(start, size_t(NextHeaderLine(sections, int(start))) - start);
        return Trimmed(KeyLineValue(body, "Name").value_or(std::string_view()));
    }

private:
    const Document &document_;
};

// "SC_Attack（Attack base）": an entry of the file by its ID and Name=.
std::u16string EntryNamed(const ListedEntries &lists, bool scripts, std::string_view id) {
    const std::string_view name = lists.NameOf(scripts, id);
    return ToWide(id) + (name.empty() ? std::u16string() : u"（" + ToWide(name) + u"）");
}

// What a list index names: the ID at that index of the list, with its name, or where the list
// ends.
std::u16string ListEntry(const ListedEntries &lists, bool scripts, int64_t index,
                         std::vector<std::string> &refers) {
    const std::u16string kind = scripts ? u"脚本" : u"队伍";
    int64_t count = 0;
    if (const std::optional<std::string_view> id = lists.IdAt(scripts, index, count)) {
        refers.emplace_back(*id);
        return kind + u" " + EntryNamed(lists, scripts, *id);
    }
    return kind + u"列表中没有序号 " + Decimal(index) + u"（共 " + Decimal(count) + u" 项）";
}

// A row of [AITargetTypes] (types of the rules file) or [AIScriptsList] (scripts of this file),
// each name of the row with what it names.
std::u16string ListOfListsRow(bool targets, int64_t index, const ModNames &names,
                              const ListedEntries &lists, std::vector<std::string> &refers) {
    const std::u16string list = targets ? u"[AITargetTypes]" : u"[AIScriptsList]";
    const std::u16string nth = list + u" 第 " + Decimal(index) + u" 行";
    if (!names.rules) return nth + u"（从 0 数起）";
    const std::vector<std::string> &rows =
        targets ? names.rules->aiTargetTypes : names.rules->aiScriptsList;
    if (index < 0 || index >= int64_t(rows.size()))
        return nth + u"（从 0 数起），规则文件中没有这一行（共 " + Decimal(int64_t(rows.size())) +
               u" 行）";
    std::u16string text = nth + u"：";
    std::string_view row = rows[size_t(index)];
    for (bool first = true; !row.empty(); first = false) {
        const size_t comma = std::min(row.find(','), row.size());
        const std::string_view id = Trimmed(row.substr(0, comma));
        row.remove_prefix(std::min(comma + 1, row.size()));
        if (!first) text += u"、";
        if (id.empty()) continue;
        refers.emplace_back(id);
        if (!targets) {
            text += EntryNamed(lists, true, id);
        } else if (!names.rules->hasTypeList) {
            text += ToWide(id);
        } else if (const std::optional<RulesFile::FoundType> type = names.rules->FindType(id)) {
            text += IdWithName(*type->type, names.strings);
        } else {
            text += ToWide(id) + u"（不在规则文件中）";
        }
    }
    return text;
}

// A variable by its index: a global one with the name the rules file's [VariableNames] gives it.
std::u16string VariableNamed(VariableScope scope, int64_t index, const ModNames &names) {
    const std::u16string head = scope == VariableScope::Local    ? u"局部变量 "
                                : scope == VariableScope::Global ? u"全局变量 "
                                                                 : u"变量 ";
    const RulesFile *rules = names.rules;
    if (scope != VariableScope::Global || !rules || !rules->hasVariableNames)
        return head + Decimal(index);
    const auto found = rules->globalVariables.find(index);
    return head + Decimal(index) +
           (found == rules->globalVariables.end()
                ? std::u16string(u"（不在规则文件的 [VariableNames] 中）")
                : u"（" + found->second + u"）");
}

std::u16string ArgumentText(const ScriptAction &action, int64_t argument, const ModNames &names,
                            const ListedEntries &lists, std::vector<std::string> &refers) {
    switch (action.argument) {
    case None:
        return u"不使用";
    case Target:
        return argument >= 0 && argument < int64_t(kTargetTypes.size())
                   ? u"目标类型 " + std::u16string(kTargetTypes[size_t(argument)])
                   : u"未知的目标类型 " + Decimal(argument);
    case Waypoint:
        return u"路径点 " + Decimal(argument);
    case Duration:
        return u"时长 " + Decimal(argument);
    case Mission:
        return u"任务 " + Decimal(argument);
    case Script:
        return ListEntry(lists, true, argument, refers);
    case Team:
        return ListEntry(lists, false, argument, refers);
    case Line:
        return u"第 " + Decimal(argument) + u" 行";
    case Building:
        if (const std::optional<std::string> type = BuildingArgumentType(argument, names))
            refers.push_back(*type);
        return ExplainBuildingArgument(argument, names);
    case Number:
        if (action.variable == VariableScope::Local || action.variable == VariableScope::Global)
            return VariableNamed(action.variable, argument, names);
        break;
    case Seconds:
        return Decimal(argument) + u" 秒";
    case PhobosTarget:
        return argument >= 1 && argument <= int64_t(kPhobosTargetTypes.size())
                   ? u"目标类型 " + std::u16string(kPhobosTargetTypes[size_t(argument - 1)])
                   : u"未知的目标类型 " + Decimal(argument);
    case AiTargetTypes:
        return ListOfListsRow(true, argument, names, lists, refers);
    case AiScriptsList:
        return ListOfListsRow(false, argument, names, lists, refers);
    case Variable: {
        // The game reads both halves as unsigned 16-bit numbers.
        const int64_t low = argument & 0xFFFF, high = (argument >> 16) & 0xFFFF;
        const std::u16string target = VariableNamed(action.variable, low, names);
        switch (action.operand) {
        case VariableScope::Number:
            return target + u"，数值 " + Decimal(high);
        case VariableScope::Local:
        case VariableScope::Global:
            return target + u"，" + VariableNamed(action.operand, high, names);
        case VariableScope::None:
            break;
        }
        return target + u"，高 16 位 " + Decimal(high);
    }
    }
    return u"数值 " + Decimal(argument);
}

} // namespace

std::span<const ScriptAction> ScriptActions() { return kActions; }

const ScriptAction *FindScriptAction(int64_t number) {
    return number >= 0 && number < int64_t(std::size(kActions)) ? &kActions[number] : nullptr;
}

std::span<const std::u16string_view> TargetTypeNames() { return kTargetTypes; }

std::span<const std::u16string_view> PhobosTargetTypeNames() { return kPhobosTargetTypes; }

std::optional<ActionLine> ParseActionLine(std::string_view line) {
    line = Unindented(line);
    const size_t digits = line.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos || line[digits] != '=') return std::nullopt;
    ActionLine parsed;
    // Beyond the 32-bit range the number clamps, which keeps it out of every table.
    parsed.index = NarrowToInt(line.substr(0, digits));
    const std::string_view value = ReferenceIn(line.substr(digits + 1));
    const size_t comma = value.find(',');
    if (comma == std::string_view::npos) return parsed;
    const std::string_view action = Trimmed(value.substr(0, comma));
    const std::string_view argument = Trimmed(value.substr(comma + 1));
    parsed.wellFormed = IsWholeNumber(action) && IsWholeNumber(argument);
    if (parsed.wellFormed) {
        parsed.action = NarrowToInt(action);
        parsed.argument = NarrowToInt(argument);
        parsed.argumentText = argument;
    }
    return parsed;
}

ScriptLineMeaning ScriptLineMeaningOf(std::u16string_view fieldText, int lineIndex,
                                      const Document &document, const ActionProfile &profile,
                                      const ModNames &names, const ListedEntries *lists) {
    const std::vector<std::u16string_view> lines = LinesOf(fieldText);
    const std::u16string head = u"第 " + Decimal(int64_t(lineIndex) + 1) + u" 行：";
    if (lineIndex < 0 || size_t(lineIndex) >= lines.size()) return {head + u"空行", {}};
    const std::u16string_view wide = lines[size_t(lineIndex)];
    const std::string line = ToNarrow(wide);
    const std::string_view bare = Unindented(line);
    if (bare.empty()) return {head + u"空行", {}};
    if (StartsWith(line, "[")) return {head + u"小节头", {}};
    if (StartsWith(bare, "Name=")) return {head + u"脚本名称", {}};
    const std::optional<ActionLine> parsed = ParseActionLine(line);
    if (!parsed) return {head + u"不是动作行", {}};
    if (!parsed->wellFormed) return {head + u"不是“动作,参数”两个整数", {}};
    const ScriptAction *action = profile.Find(parsed->action);
    if (!action)
        return {head + u"动作 " + Decimal(parsed->action) + u" 未知动作（" + profile.Label() +
                    u"）",
                {}};
    const DocumentEntries fromTexts(document);
    ScriptLineMeaning meaning;
    meaning.text =
        head + u"动作 " + Decimal(parsed->action) + u" " + std::u16string(action->name) +
        u" — 参数 " + Decimal(parsed->argument) + u"：" +
        ArgumentText(*action, parsed->argument, names, lists ? *lists : fromTexts, meaning.refers);
    if (action->quirk == ActionQuirk::Ignored) meaning.text += u"（游戏不执行这个动作）";
    return meaning;
}

std::u16string ExplainScriptLine(std::u16string_view fieldText, int lineIndex,
                                 const Document &document, const ActionProfile &profile,
                                 const ModNames &names) {
    return ScriptLineMeaningOf(fieldText, lineIndex, document, profile, names).text;
}

InsertedAction InsertScriptAction(std::u16string_view fieldText, int caretLine, int action) {
    InsertedNumberedLine inserted =
        InsertNumberedLine(fieldText, caretLine, Decimal(action) + u",0");
    return {std::move(inserted.text), inserted.line};
}

std::vector<std::u16string> ScriptActionItems(const ActionProfile &profile) {
    std::vector<std::u16string> items;
    items.reserve(profile.Actions().size());
    for (const ScriptAction &action : profile.Actions()) {
        std::u16string item = Decimal(action.number) + u" ";
        if (!action.source.empty()) item += u"[" + std::u16string(action.source) + u"] ";
        items.push_back(item + std::u16string(action.name));
    }
    return items;
}
