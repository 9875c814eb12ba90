#include "document/entryexplain.h"

#include "core/initext.h"
#include "core/registrylist.h"
#include "res/text.h"
#include "scripts/scriptactions.h"
#include "triggers/triggerformat.h"

#include <algorithm>

namespace {

// How the team form calls the keys it shows; others are named by their key.
constexpr std::pair<std::string_view, std::string_view> kTeamKeyLabels[] = {
    {"Name", "explain.teamKey.Name"},
    {"Priority", "explain.teamKey.Priority"},
    {"Max", "explain.teamKey.Max"},
    {"VeteranLevel", "explain.teamKey.VeteranLevel"},
    {"MindControlDecision", "explain.teamKey.MindControlDecision"},
    {"House", "explain.teamKey.House"},
    {"TechLevel", "explain.teamKey.TechLevel"},
    {"Group", "explain.teamKey.Group"},
    {"Loadable", "explain.teamKey.Loadable"},
    {"OnTransOnly", "explain.teamKey.OnTransOnly"},
    {"Script", "explain.teamKey.Script"},
    {"TaskForce", "explain.teamKey.TaskForce"},
};

// `name` is `special` ("<none>", "<all>") but for the case of Latin letters.
bool IsSpecial(std::string_view name, std::string_view special) {
    return RulesFile::Folded(name) == special;
}

// The window's explanation without its "第 N 行：", which counts lines of the text field.
std::u16string WithoutLineHead(std::u16string text, int lineNumber) {
    const std::u16string head =
        res::Format("explain.lineOf", {ToWide(std::to_string(lineNumber)), {}});
    if (text.starts_with(head)) text.erase(0, head.size());
    return text;
}

std::string_view BodyOf(std::string_view sections, int header, std::string_view id) {
    const size_t start = SectionBodyStart(sections, header, id);
    return sections.substr(start, size_t(NextHeaderLine(sections, int(start))) - start);
}

} // namespace

EntryExplainer::EntryExplainer(const Document &document, const ModNames &names,
                               const ActionProfile &actions)
    : document_(document), names_(names), actions_(actions),
      locator_(document), sections_{HeaderIndex(document.taskForceSectionsText),
                                    HeaderIndex(document.scriptSectionsText),
                                    HeaderIndex(document.teamSectionsText)},
      scriptIds_(ListIds(document.scriptListText)), teamIds_(ListIds(document.teamListText)) {
    const std::array<std::string_view, 3> lists = {document.taskForceListText,
                                                   document.scriptListText, document.teamListText};
    for (size_t kind = 0; kind < 3; ++kind)
        for (std::string_view id : ListIds(lists[kind]))
            listed_[kind].emplace(id, true);
    ForEachLine(document.triggerText, [&](std::string_view row) {
        const size_t equals = row.find('=');
        if (StartsWith(row, "[") || equals == std::string_view::npos) return;
        triggers_.try_emplace(row.substr(0, equals), row.substr(equals));
    });
}

std::vector<ExplainedEntry> EntryExplainer::Explain(std::string_view id) {
    std::vector<ExplainedEntry> entries;
    for (size_t kind = 0; kind < 3; ++kind)
        if (listed_[kind].count(id)) entries.push_back(Section(EntryKind(kind), id));
    if (triggers_.count(id)) entries.push_back(Trigger(id));
    return entries;
}

std::string_view EntryExplainer::SectionName(EntryKind kind, std::string_view id) const {
    const size_t k = size_t(kind);
    const int header = sections_[k].Find(id);
    if (header < 0) return {};
    const std::string_view body = BodyOf(k == 0   ? document_.taskForceSectionsText
                                         : k == 1 ? document_.scriptSectionsText
                                                  : document_.teamSectionsText,
                                         header, id);
    return Trimmed(KeyLineValue(body, "Name").value_or(std::string_view()));
}

std::u16string EntryExplainer::Named(EntryKind kind, std::string_view id) const {
    const std::u16string wide = ToWide(id);
    if (!listed_[size_t(kind)].count(id)) return res::Format("explain.notListed", {wide});
    const std::string_view name = SectionName(kind, id);
    return name.empty() ? wide : res::Format("names.idWithName", {wide, ToWide(name)});
}

std::optional<std::string_view> EntryExplainer::IdAt(bool scripts, int64_t index,
                                                     int64_t &count) const {
    const std::vector<std::string_view> &ids = scripts ? scriptIds_ : teamIds_;
    count = int64_t(ids.size());
    if (index < 0 || index >= count) return std::nullopt;
    return ids[size_t(index)];
}

std::string_view EntryExplainer::NameOf(bool scripts, std::string_view id) const {
    return SectionName(scripts ? EntryKind::Script : EntryKind::Team, id);
}

std::u16string EntryExplainer::TypeNamed(std::string_view id) const {
    if (!names_.rules || !names_.rules->hasTypeList) return ToWide(id);
    const std::optional<RulesFile::FoundType> found = names_.rules->FindType(id);
    if (!found) return res::Format("explain.notInRules", {ToWide(id)});
    const std::u16string name = DisplayName(*found->type, names_.strings);
    return name.empty()
               ? res::Format("names.idWithName", {ToWide(id), TypeKindLabel(found->kind)})
               : res::Format("explain.typeNamed", {ToWide(id), name, TypeKindLabel(found->kind)});
}

std::u16string EntryExplainer::CountryNamed(std::string_view id) const {
    if (IsSpecial(id, "<all>") || IsSpecial(id, "<none>")) return ToWide(id);
    if (!names_.rules || !names_.rules->hasCountryList) return ToWide(id);
    const ModName *country = names_.rules->FindCountry(id);
    return country ? IdWithName(*country, names_.strings)
                   : res::Format("explain.notInRules", {ToWide(id)});
}

ExplainedEntry EntryExplainer::Section(EntryKind kind, std::string_view id) {
    ExplainedEntry entry{kind, std::string(id), {}, {}};
    const std::string_view sections = kind == EntryKind::TaskForce ? document_.taskForceSectionsText
                                      : kind == EntryKind::Script  ? document_.scriptSectionsText
                                                                   : document_.teamSectionsText;
    const int header = sections_[size_t(kind)].Find(id);
    if (header < 0) return entry;
    const std::string_view body = BodyOf(sections, header, id);
    const auto place = [&](int bodyLine) {
        const std::optional<EntryLocator::Place> at =
            locator_.Locate(int(kind), id, body, bodyLine);
        if (at && entry.file.empty()) entry.file = at->file;
        return at ? at->line : 0;
    };
    entry.lines.push_back({place(-1), "[" + std::string(id) + "]", res::Str("explain.header"), {}});
    // The field text the window would show, for the script explanation.
    const std::u16string field = kind == EntryKind::Script
                                     ? ToWide("[" + std::string(id) + "]\n" + std::string(body))
                                     : std::u16string();
    int index = 0;
    ForEachLine(body, [&](std::string_view row) {
        const int bodyLine = index++;
        if (Trimmed(row).empty()) return;
        ExplainedLine line{place(bodyLine), std::string(row), {}, {}};
        if (kind == EntryKind::TaskForce) {
            ExplainTaskForceLine(row, line);
        } else if (kind == EntryKind::Team) {
            ExplainTeamLine(row, line);
        } else {
            ScriptLineMeaning meaning =
                ScriptLineMeaningOf(field, bodyLine + 1, document_, actions_, names_, this);
            line.meaning = WithoutLineHead(std::move(meaning.text), bodyLine + 2);
            line.refers = std::move(meaning.refers);
        }
        entry.lines.push_back(std::move(line));
    });
    return entry;
}

void EntryExplainer::ExplainTaskForceLine(std::string_view row, ExplainedLine &line) const {
    const std::string_view bare = Unindented(row);
    if (StartsWith(bare, "Name=")) {
        line.meaning = res::Str("explain.taskForceName");
        return;
    }
    if (StartsWith(bare, "Group=")) {
        line.meaning = res::Format("explain.group", {ToWide(ReferenceIn(bare.substr(6)))});
        return;
    }
    const std::optional<std::string_view> type = MemberLineType(row);
    if (!type) {
        const size_t digits = bare.find_first_not_of("0123456789");
        const bool numbered = digits > 0 && digits != std::string_view::npos && bare[digits] == '=';
        line.meaning = res::Str(numbered ? "explain.notCountAndType" : "explain.notMember");
        return;
    }
    line.refers.emplace_back(*type);
    const std::string_view value = bare.substr(bare.find('=') + 1);
    line.meaning = ToWide(Trimmed(value.substr(0, value.find(',')))) + u" × " + TypeNamed(*type);
}

void EntryExplainer::ExplainTeamLine(std::string_view row, ExplainedLine &line) const {
    const std::optional<std::string_view> key = KeyOfLine(row);
    if (!key) {
        line.meaning = res::Str("explain.notKeyValue");
        return;
    }
    const std::string_view value = ReferenceIn(row.substr(row.find('=') + 1));
    const auto known = std::find_if(std::begin(kTeamKeyLabels), std::end(kTeamKeyLabels),
                                    [&](const auto &label) { return label.first == *key; });
    const std::u16string label =
        known != std::end(kTeamKeyLabels) ? res::Str(known->second) : ToWide(*key);
    if (*key == "TaskForce" || *key == "Script") {
        if (!value.empty()) line.refers.emplace_back(value);
        line.meaning =
            label + u" " +
            (value.empty()
                 ? res::Str("explain.empty")
                 : Named(*key == "Script" ? EntryKind::Script : EntryKind::TaskForce, value));
    } else if (*key == "House") {
        if (!value.empty() && !IsSpecial(value, "<none>")) line.refers.emplace_back(value);
        line.meaning = label + u" " + CountryNamed(value);
    } else {
        line.meaning = label + u" " + ToWide(value);
    }
}

ExplainedEntry EntryExplainer::Trigger(std::string_view id) {
    ExplainedEntry entry{EntryKind::Trigger, std::string(id), {}, {}};
    const std::string_view rest = triggers_.at(id);
    const std::optional<EntryLocator::Place> at = locator_.Locate(3, id, {}, -1);
    if (at) entry.file = at->file;
    ExplainedLine line{at ? at->line : 0, std::string(id) + std::string(rest), {}, {}};
    const auto field = [&](int n) { return TriggerField(rest, n); };
    const std::string team = std::string(ReferenceIn(field(1)));
    const std::string second = std::string(ReferenceIn(field(14)));
    const std::string house = std::string(Trimmed(field(2)));
    const std::string object = std::string(Trimmed(field(5)));
    const std::string code = std::string(Trimmed(field(4)));
    const std::optional<std::u16string_view> condition =
        IsWholeNumber(code) ? ConditionName(NarrowToInt(code)) : std::nullopt;
    if (!team.empty()) line.refers.push_back(team);
    if (!second.empty() && !IsSpecial(second, "<none>") && second != "None")
        line.refers.push_back(second);
    if (!house.empty() && !IsSpecial(house, "<all>") && !IsSpecial(house, "<none>") &&
        house != "None")
        line.refers.push_back(house);
    if (!object.empty() && !IsSpecial(object, "<none>") && object != "None")
        line.refers.push_back(object);
    const bool hasSecond = !second.empty() && !IsSpecial(second, "<none>") && second != "None";
    line.meaning =
        res::Format("explain.trigger",
                    {ToWide(Trimmed(field(0))),
                     team.empty() ? res::Str("explain.empty") : Named(EntryKind::Team, team),
                     hasSecond ? res::Format("explain.secondTeam", {Named(EntryKind::Team, second)})
                               : std::u16string(),
                     CountryNamed(house), ToWide(code),
                     condition ? *condition : res::Str("explain.unknownCondition"),
                     IsSpecial(object, "<none>") ? ToWide(object) : TypeNamed(object)});
    entry.lines.push_back(std::move(line));
    return entry;
}
