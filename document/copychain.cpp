#include "document/copychain.h"

#include "core/initext.h"
#include "document/entrytable.h"
#include "newentry/entryops.h"
#include "res/text.h"
#include "triggers/triggerformat.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// The entries of the chain: the trigger, then its teams, then their task forces.
std::vector<std::pair<NewEntryKind, std::string>> ChainOf(const EntryTable &table,
                                                          const std::string &trigger) {
    std::vector<std::pair<NewEntryKind, std::string>> chain{{NewEntryKind::Trigger, trigger}};
    auto add = [&](NewEntryKind kind, std::string_view value) {
        const std::string id(ReferenceIn(value));
        if (!table.Has(kind, id)) return;
        if (std::find(chain.begin(), chain.end(), std::pair(kind, id)) == chain.end())
            chain.emplace_back(kind, id);
    };
    const std::string_view rest = *table.Body(NewEntryKind::Trigger, trigger);
    add(NewEntryKind::Team, TriggerField(rest, 1));
    add(NewEntryKind::Team, TriggerField(rest, 14));
    for (size_t i = 1, teams = chain.size(); i < teams; ++i)
        if (const std::optional<std::string_view> value =
                KeyLineValue(*table.Body(NewEntryKind::Team, chain[i].second), "TaskForce"))
            add(NewEntryKind::TaskForce, *value);
    return chain;
}

std::string WithSuffix(const std::string &id, const std::u16string &suffix) {
    return id + ToNarrow(suffix);
}

// A trigger line's text after its ID with fields 15 to 17 set for `difficulty`; the text must
// hold its 18 fields.
std::string WithDifficulty(std::string rest, Difficulty difficulty) {
    if (difficulty == Difficulty::Unchanged) return rest;
    size_t at = 0;
    for (int comma = 0; comma < 15; ++comma)
        at = rest.find(',', at) + 1;
    rest.resize(at);
    rest += difficulty == Difficulty::Easy     ? "1,0,0"
            : difficulty == Difficulty::Medium ? "0,1,0"
                                               : "0,0,1";
    return rest;
}

} // namespace

std::optional<std::u16string> CopyChainProblem(const Document &document,
                                               std::u16string_view trigger,
                                               const std::vector<ChainCopy> &copies) {
    const EntryTable table(document);
    const std::string id = ToNarrow(trigger);
    if (!table.Body(NewEntryKind::Trigger, id)) return res::Format("chain.noTrigger", {trigger});
    if (copies.empty()) return res::Str("chain.noCopies");
    const std::string_view rest = *table.Body(NewEntryKind::Trigger, id);
    std::set<std::string> newIds;
    for (const ChainCopy &copy : copies) {
        if (copy.suffix.empty()) return res::Str("chain.emptySuffix");
        if (copy.difficulty != Difficulty::Unchanged &&
            std::count(rest.begin(), rest.end(), ',') != 17)
            return res::Format("chain.notEighteen", {trigger});
        for (const auto &[kind, entry] : ChainOf(table, id)) {
            const std::string newId = WithSuffix(entry, copy.suffix);
            const std::u16string wide = ToWide(newId);
            if (std::optional<std::u16string> problem = IdTextProblem(kind, wide)) return problem;
            if (table.AnyHas(newId)) return res::Format("chain.taken", {wide});
            if (!newIds.insert(newId).second) return res::Format("chain.twice", {wide});
        }
    }
    return std::nullopt;
}

std::vector<CopiedEntry> CopyChain(Document &document, std::u16string_view trigger,
                                   const std::vector<ChainCopy> &copies) {
    if (CopyChainProblem(document, trigger, copies)) return {};
    std::vector<CopiedEntry> copied;
    std::vector<AddedEntry> added;
    {
        const EntryTable table(document);
        const auto chain = ChainOf(table, ToNarrow(trigger));
        for (const ChainCopy &copy : copies) {
            std::map<std::string, std::string, std::less<>> newIds[4];
            for (const auto &[kind, id] : chain)
                newIds[int(kind)][id] = WithSuffix(id, copy.suffix);
            auto lookup = [&newIds](NewEntryKind kind) -> RenamedId {
                return [&newIds, kind](std::string_view id) -> const std::string * {
                    const auto found = newIds[int(kind)].find(id);
                    return found == newIds[int(kind)].end() ? nullptr : &found->second;
                };
            };
            int unused = 0;
            // Task forces first, then teams, then the trigger: each named before it is used.
            for (NewEntryKind kind :
                 {NewEntryKind::TaskForce, NewEntryKind::Team, NewEntryKind::Trigger})
                for (const auto &[entryKind, id] : chain) {
                    if (entryKind != kind) continue;
                    const std::string &newId = newIds[int(kind)][id];
                    std::string body(*table.Body(kind, id));
                    if (kind == NewEntryKind::Trigger) {
                        const std::string line =
                            RenameInTriggers(id + body, {}, lookup(NewEntryKind::Team), unused);
                        body = WithDifficulty(line.substr(id.size()), copy.difficulty);
                    } else if (kind == NewEntryKind::Team) {
                        // The team's lines are read as in a section, after its header.
                        body = RenameTeamReferences("[]\n" + body, "TaskForce",
                                                    lookup(NewEntryKind::TaskForce), unused)
                                   .substr(3);
                    }
                    copied.push_back({kind, id, newId});
                    added.push_back({kind, newId, std::move(body)});
                }
        }
    }
    AppendEntries(document, added);
    return copied;
}
