#include "scripts/scriptactions.h"

#include "core/entrytext.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "res/text.h"
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
    {0, "action.0.name", Target, "action.0.line"},
    {1, "action.1.name", Waypoint, "action.1.line"},
    {2, "action.2.name", None, "action.2.line", ActionQuirk::Ignored},
    {3, "action.3.name", Waypoint, "action.3.line"},
    {4, "action.4.name", Number, "action.4.line"},
    {5, "action.5.name", Duration, "action.5.line"},
    {6, "action.6.name", Line, "action.6.line"},
    {7, "action.7.name", None, "action.7.line"},
    {8, "action.8.name", Number, "action.8.line"},
    {9, "action.9.name", None, "action.9.line"},
    {10, "action.10.name", None, "action.10.line"},
    {11, "action.11.name", Mission, "action.11.line"},
    {12, "action.12.name", Number, "action.12.line", ActionQuirk::None, {}, VariableScope::Global},
    {13, "action.13.name", None, "action.13.line"},
    {14, "action.14.name", None, "action.14.line"},
    {15, "action.15.name", Waypoint, "action.15.line"},
    {16, "action.16.name", Waypoint, "action.16.line"},
    {17, "action.17.name", Script, "action.17.line"},
    {18, "action.18.name", Team, "action.18.line"},
    {19, "action.19.name", None, "action.19.line"},
    {20, "action.20.name", Number, "action.20.line"},
    {21, "action.21.name", None, "action.21.line"},
    {22, "action.22.name", None, "action.22.line"},
    {23, "action.23.name", None, "action.23.line"},
    {24, "action.24.name", Number, "action.24.line"},
    {25, "action.25.name", Number, "action.25.line"},
    {26, "action.26.name", Number, "action.26.line"},
    {27, "action.27.name", Number, "action.27.line"},
    {28, "action.28.name", None, "action.28.line"},
    {29, "action.29.name", None, "action.29.line"},
    {30, "action.30.name", None, "action.30.line"},
    {31, "action.31.name", None, "action.31.line"},
    {32, "action.32.name", Duration, "action.32.line", ActionQuirk::Ignored},
    {33, "action.33.name", None, "action.33.line", ActionQuirk::Ignored},
    {34, "action.34.name", Number, "action.34.line"},
    {35, "action.35.name", None, "action.35.line"},
    {36, "action.36.name", None, "action.36.line"},
    {37, "action.37.name", None, "action.37.line"},
    {38, "action.38.name", Number, "action.38.line", ActionQuirk::None, {}, VariableScope::Global},
    {39, "action.39.name", Number, "action.39.line", ActionQuirk::None, {}, VariableScope::Local},
    {40, "action.40.name", Number, "action.40.line", ActionQuirk::None, {}, VariableScope::Local},
    {41, "action.41.name", None, "action.41.line"},
    {42, "action.42.name", Number, "action.42.line"},
    {43, "action.43.name", None, "action.43.line"},
    {44, "action.44.name", None, "action.44.line"},
    {45, "action.45.name", None, "action.45.line"},
    {46, "action.46.name", Building, "action.46.line"},
    {47, "action.47.name", Building, "action.47.line"},
    {48, "action.48.name", None, "action.48.line", ActionQuirk::Ignored},
    {49, "action.49.name", None, "action.49.line"},
    {50, "action.50.name", Duration, "action.50.line"},
    {51, "action.51.name", Number, "action.51.line"},
    {52, "action.52.name", Number, "action.52.line"},
    {53, "action.53.name", None, "action.53.line"},
    {54, "action.54.name", None, "action.54.line"},
    {55, "action.55.name", None, "action.55.line"},
    {56, "action.56.name", Building, "action.56.line"},
    {57, "action.57.name", Target, "action.57.line"},
    {58, "action.58.name", Building, "action.58.line"},
    {59, "action.59.name", Waypoint, "action.59.line"},
    {60, "action.60.name", None, "action.60.line"},
    {61, "action.61.name", None, "action.61.line"},
    {62, "action.62.name", None, "action.62.line"},
    {63, "action.63.name", None, "action.63.line"},
    {64, "action.64.name", None, "action.64.line"},
};

constexpr std::array<std::string_view, 12> kTargetTypes = {
    "target.0", "target.1", "target.2", "target.3", "target.4",  "target.5",
    "target.6", "target.7", "target.8", "target.9", "target.10", "target.11",
};

// The extension's target types, from 1. Facts from Phobos' docs/AI-Scripting-and-Mapping.md;
// the names are our own.
constexpr std::array<std::string_view, 36> kPhobosTargetTypes = {
    "phobosTarget.1",  "phobosTarget.2",  "phobosTarget.3",  "phobosTarget.4",  "phobosTarget.5",
    "phobosTarget.6",  "phobosTarget.7",  "phobosTarget.8",  "phobosTarget.9",  "phobosTarget.10",
    "phobosTarget.11", "phobosTarget.12", "phobosTarget.13", "phobosTarget.14", "phobosTarget.15",
    "phobosTarget.16", "phobosTarget.17", "phobosTarget.18", "phobosTarget.19", "phobosTarget.20",
    "phobosTarget.21", "phobosTarget.22", "phobosTarget.23", "phobosTarget.24", "phobosTarget.25",
    "phobosTarget.26", "phobosTarget.27", "phobosTarget.28", "phobosTarget.29", "phobosTarget.30",
    "phobosTarget.31", "phobosTarget.32", "phobosTarget.33", "phobosTarget.34", "phobosTarget.35",
    "phobosTarget.36",
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
    return name.empty() ? ToWide(id) : res::Format("names.idWithName", {ToWide(id), ToWide(name)});
}

// What a list index names: the ID at that index of the list, with its name, or where the list
// ends.
std::u16string ListEntry(const ListedEntries &lists, bool scripts, int64_t index,
                         std::vector<std::string> &refers) {
    const std::u16string kind = res::Str(scripts ? "kind.script" : "kind.team");
    int64_t count = 0;
    if (const std::optional<std::string_view> id = lists.IdAt(scripts, index, count)) {
        refers.emplace_back(*id);
        return res::Format("explain.listEntry", {kind, EntryNamed(lists, scripts, *id)});
    }
    return res::Format("explain.noListEntry", {kind, Decimal(index), Decimal(count)});
}

// A row of [AITargetTypes] (types of the rules file) or [AIScriptsList] (scripts of this file),
// each name of the row with what it names.
std::u16string ListOfListsRow(bool targets, int64_t index, const ModNames &names,
                              const ListedEntries &lists, std::vector<std::string> &refers) {
    const std::u16string list = targets ? u"[AITargetTypes]" : u"[AIScriptsList]";
    if (!names.rules) return res::Format("explain.listRowArgument", {list, Decimal(index)});
    const std::vector<std::string> &rows =
        targets ? names.rules->aiTargetTypes : names.rules->aiScriptsList;
    if (index < 0 || index >= int64_t(rows.size()))
        return res::Format("explain.noListRowArgument",
                           {list, Decimal(index), Decimal(int64_t(rows.size()))});
    std::u16string text;
    std::string_view row = rows[size_t(index)];
    for (bool first = true; !row.empty(); first = false) {
        const size_t comma = std::min(row.find(','), row.size());
        const std::string_view id = Trimmed(row.substr(0, comma));
        row.remove_prefix(std::min(comma + 1, row.size()));
        if (!first) text += res::Str("explain.rowSeparator");
        if (id.empty()) continue;
        refers.emplace_back(id);
        if (!targets) {
            text += EntryNamed(lists, true, id);
        } else if (!names.rules->hasTypeList) {
            text += ToWide(id);
        } else if (const std::optional<RulesFile::FoundType> type = names.rules->FindType(id)) {
            text += IdWithName(*type->type, names.strings);
        } else {
            text += res::Format("explain.notInRules", {ToWide(id)});
        }
    }
    return res::Format("explain.listRowNamed", {list, Decimal(index), text});
}

// A variable by its index: a global one with the name the rules file's [VariableNames] gives it.
std::u16string VariableNamed(VariableScope scope, int64_t index, const ModNames &names) {
    const std::u16string variable =
        res::Format(scope == VariableScope::Local    ? "explain.localVariable"
                    : scope == VariableScope::Global ? "explain.globalVariable"
                                                     : "explain.anyVariable",
                    {Decimal(index)});
    const RulesFile *rules = names.rules;
    if (scope != VariableScope::Global || !rules || !rules->hasVariableNames) return variable;
    const auto found = rules->globalVariables.find(index);
    return found == rules->globalVariables.end()
               ? res::Format("explain.variableUnnamed", {variable})
               : res::Format("names.idWithName", {variable, found->second});
}

std::u16string ArgumentText(const ScriptAction &action, int64_t argument, const ModNames &names,
                            const ListedEntries &lists, std::vector<std::string> &refers) {
    switch (action.argument) {
    case None:
        return res::Str("explain.unused");
    case Target:
        return argument >= 0 && argument < int64_t(kTargetTypes.size())
                   ? res::Format("explain.target", {res::Str(kTargetTypes[size_t(argument)])})
                   : res::Format("explain.unknownTarget", {Decimal(argument)});
    case Waypoint:
        return res::Format("explain.waypoint", {Decimal(argument)});
    case Duration:
        return res::Format("explain.duration", {Decimal(argument)});
    case Mission:
        return res::Format("explain.mission", {Decimal(argument)});
    case Script:
        return ListEntry(lists, true, argument, refers);
    case Team:
        return ListEntry(lists, false, argument, refers);
    case Line:
        return res::Format("explain.line", {Decimal(argument)});
    case Building:
        if (const std::optional<std::string> type = BuildingArgumentType(argument, names))
            refers.push_back(*type);
        return ExplainBuildingArgument(argument, names);
    case Number:
        if (action.variable == VariableScope::Local || action.variable == VariableScope::Global)
            return VariableNamed(action.variable, argument, names);
        break;
    case Seconds:
        return res::Format("explain.seconds", {Decimal(argument)});
    case PhobosTarget:
        return argument >= 1 && argument <= int64_t(kPhobosTargetTypes.size())
                   ? res::Format("explain.target",
                                 {res::Str(kPhobosTargetTypes[size_t(argument - 1)])})
                   : res::Format("explain.unknownTarget", {Decimal(argument)});
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
            return res::Format("explain.variableAndNumber", {target, Decimal(high)});
        case VariableScope::Local:
        case VariableScope::Global:
            return res::Format("explain.variableAndVariable",
                               {target, VariableNamed(action.operand, high, names)});
        case VariableScope::None:
            break;
        }
        return res::Format("explain.variableAndHigh", {target, Decimal(high)});
    }
    }
    return res::Format("explain.number", {Decimal(argument)});
}

} // namespace

std::span<const ScriptAction> ScriptActions() { return kActions; }

const ScriptAction *FindScriptAction(int64_t number) {
    return number >= 0 && number < int64_t(std::size(kActions)) ? &kActions[number] : nullptr;
}

size_t TargetTypeCount() { return kTargetTypes.size(); }

size_t PhobosTargetTypeCount() { return kPhobosTargetTypes.size(); }

std::u16string ActionName(const ScriptAction &action) {
    if (!action.ownName.empty()) return std::u16string(action.ownName);
    if (action.variableOperation >= 0) return VariableActionName(action.variableOperation);
    return res::Str(action.name);
}

std::u16string ActionDescription(const ScriptAction &action) {
    if (!action.ownDescription.empty()) return std::u16string(action.ownDescription);
    if (action.variableOperation >= 0) return VariableActionLine(action.variableOperation);
    return res::Str(action.description);
}

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
    // "第 4 行：" and what the line is, as one text of the table.
    auto said = [number = Decimal(int64_t(lineIndex) + 1)](const std::u16string &what) {
        return ScriptLineMeaning{res::Format("explain.lineOf", {number, what}), {}};
    };
    if (lineIndex < 0 || size_t(lineIndex) >= lines.size())
        return said(res::Str("explain.emptyLine"));
    const std::u16string_view wide = lines[size_t(lineIndex)];
    const std::string line = ToNarrow(wide);
    const std::string_view bare = Unindented(line);
    if (bare.empty()) return said(res::Str("explain.emptyLine"));
    if (StartsWith(line, "[")) return said(res::Str("explain.header"));
    if (StartsWith(bare, "Name=")) return said(res::Str("explain.name"));
    const std::optional<ActionLine> parsed = ParseActionLine(line);
    if (!parsed) return said(res::Str("explain.notAction"));
    if (!parsed->wellFormed) return said(res::Str("explain.notTwoNumbers"));
    const ScriptAction *action = profile.Find(parsed->action);
    if (!action)
        return said(
            res::Format("explain.unknownAction", {Decimal(parsed->action), profile.Label()}));
    const DocumentEntries fromTexts(document);
    std::vector<std::string> refers;
    std::u16string text = res::Format(
        "explain.action",
        {Decimal(parsed->action), ActionName(*action), Decimal(parsed->argument),
         ArgumentText(*action, parsed->argument, names, lists ? *lists : fromTexts, refers)});
    if (action->quirk == ActionQuirk::Ignored) text += res::Str("explain.ignored");
    ScriptLineMeaning meaning = said(text);
    meaning.refers = std::move(refers);
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
        if (!action.source.empty()) item += u"[" + res::Str(action.source) + u"] ";
        items.push_back(item + ActionName(action));
    }
    return items;
}
