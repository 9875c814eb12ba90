#include "document/importentries.h"

#include "core/initext.h"
#include "core/registrylist.h"
#include "document/entrytable.h"
#include "newentry/entryops.h"
#include "res/text.h"
#include "scripts/scriptactions.h"
#include "triggers/triggerformat.h"

#include <map>
#include <set>
#include <unordered_set>

namespace {

constexpr NewEntryKind kKinds[] = {NewEntryKind::Trigger, NewEntryKind::Team, NewEntryKind::Script,
                                   NewEntryKind::TaskForce};

// A body as compared: line-break runs made one, none at its end.
std::string Normalized(std::string_view body) {
    std::string text = SqueezeLineBreaks(body);
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

// The script and team actions of a script: each action line whose argument is an index into
// the script or team list, with the kind of that list.
template <class F> void ForEachIndexAction(std::string_view line, F take) {
    const std::optional<ActionLine> parsed = ParseActionLine(line);
    if (!parsed || !parsed->wellFormed) return;
    const ScriptAction *action = FindScriptAction(parsed->action);
    if (!action) return;
    if (action->argument == ArgumentKind::Script) take(NewEntryKind::Script, *parsed);
    if (action->argument == ArgumentKind::Team) take(NewEntryKind::Team, *parsed);
}

// The entry of `table` that `index` names in its kind's list, when there is one.
std::optional<std::string_view> IdAtIndex(const EntryTable &table, NewEntryKind kind,
                                          int64_t index) {
    const std::vector<std::string_view> &ids = table.Ids(kind);
    if (index < 0 || uint64_t(index) >= ids.size()) return std::nullopt;
    return ids[size_t(index)];
}

// Calls `use(kind, id)` for each entry of `table` that the entry of `kind` with `body` uses.
template <class F>
void ForEachUse(const EntryTable &table, NewEntryKind kind, std::string_view body, F use) {
    auto named = [&](NewEntryKind used, std::string_view value) {
        const std::string id(ReferenceIn(value));
        if (table.Has(used, id)) use(used, id);
    };
    switch (kind) {
    case NewEntryKind::Trigger:
        named(NewEntryKind::Team, TriggerField(body, 1));
        named(NewEntryKind::Team, TriggerField(body, 14));
        break;
    case NewEntryKind::Team:
        if (const std::optional<std::string_view> value = KeyLineValue(body, "TaskForce"))
            named(NewEntryKind::TaskForce, *value);
        if (const std::optional<std::string_view> value = KeyLineValue(body, "Script"))
            named(NewEntryKind::Script, *value);
        break;
    case NewEntryKind::Script:
        ForEachLine(body, [&](std::string_view line) {
            ForEachIndexAction(line, [&](NewEntryKind used, const ActionLine &action) {
                if (std::optional<std::string_view> id = IdAtIndex(table, used, action.argument))
                    use(used, std::string(*id));
            });
        });
        break;
    case NewEntryKind::TaskForce:
        break;
    }
}

enum class State { Kept, New, Renamed };

// The import worked out in full before `into` changes: what becomes of each entry taken.
class Plan {
public:
    Plan(const Document &into, const Document &from, const std::vector<EntryRef> &picked)
        : into_(into), from_(from) {
        Take(picked);
        Decide();
    }

    std::vector<EntryRef> entries;
    std::vector<State> states;
    std::vector<std::string> newIds;
    std::vector<std::string> bodies; // as they will be written, references changed

    // Where the import's new entries begin in each kind's list of `into`.
    size_t ListedCount(NewEntryKind kind) const { return into_.Ids(kind).size(); }

private:
    void Take(const std::vector<EntryRef> &picked) {
        auto add = [&](NewEntryKind kind, const std::string &id) {
            if (!from_.Has(kind, id)) return;
            if (positions_.try_emplace(EntryRef{kind, id}, entries.size()).second)
                entries.push_back({kind, id});
        };
        for (const EntryRef &entry : picked)
            add(entry.kind, entry.id);
        for (size_t next = 0; next < entries.size(); ++next) {
            const EntryRef entry = entries[next];
            ForEachUse(from_, entry.kind, *from_.Body(entry.kind, entry.id), add);
        }
    }

    void Decide() {
        std::unordered_set<std::string> claimed; // IDs the import adds or keeps
        for (const EntryRef &entry : entries)
            claimed.insert(entry.id);
        std::set<std::string> ownIds; // new entries under their own ID, of any kind
        states.resize(entries.size());
        newIds.resize(entries.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            const EntryRef &entry = entries[i];
            newIds[i] = entry.id;
            if (into_.Has(entry.kind, entry.id))
                states[i] = State::Kept; // until its body proves otherwise
            else if (into_.AnyHas(entry.id) || !ownIds.insert(entry.id).second)
                Rename(i, claimed);
            else
                states[i] = State::New;
        }
        // An entry kept so far is compared as the import would write it: once an entry it uses
        // is renamed, it differs and is renamed too. Renames only grow, so this ends.
        for (bool renamed = true; renamed;) {
            renamed = false;
            Rewrite();
            for (size_t i = 0; i < entries.size(); ++i) {
                if (states[i] != State::Kept) continue;
                if (Normalized(bodies[i]) ==
                    Normalized(*into_.Body(entries[i].kind, entries[i].id)))
                    continue;
                Rename(i, claimed);
                renamed = true;
            }
        }
    }

    void Rename(size_t i, std::unordered_set<std::string> &claimed) {
        states[i] = State::Renamed;
        newIds[i] = ToNarrow(SuggestCopyId(ToWide(entries[i].id), [&](std::string_view id) {
            return into_.AnyHas(id) || claimed.contains(std::string(id));
        }));
        claimed.insert(newIds[i]);
    }

    // The index of each entry in its kind's list of `into` after the import: a kept entry's
    // own, the new ones' after the entries listed, in the order taken.
    void IndexAfterImport() {
        std::array<int64_t, 4> next{};
        for (NewEntryKind kind : kKinds)
            next[size_t(kind)] = int64_t(ListedCount(kind));
        indexes_.assign(entries.size(), std::nullopt);
        for (size_t i = 0; i < entries.size(); ++i) {
            const EntryRef &entry = entries[i];
            if (states[i] != State::Kept) {
                indexes_[i] = next[size_t(entry.kind)]++;
            } else if (const std::optional<size_t> index = into_.IndexOf(entry.kind, entry.id)) {
                indexes_[i] = int64_t(*index);
            }
        }
    }

    std::string RewrittenScript(std::string_view body) const {
        std::string out;
        ForEachLine(body, [&](std::string_view line) {
            size_t copied = 0;
            ForEachIndexAction(line, [&](NewEntryKind kind, const ActionLine &action) {
                const std::optional<std::string_view> id = IdAtIndex(from_, kind, action.argument);
                if (!id) return;
                const std::optional<int64_t> index =
                    indexes_[positions_.at(EntryRef{kind, std::string(*id)})];
                if (!index) return;
                const size_t at = size_t(action.argumentText.data() - line.data());
                out += line.substr(0, at);
                out += std::to_string(*index);
                copied = at + action.argumentText.size();
            });
            out += line.substr(copied);
            out += '\n';
        });
        if (!out.empty()) out.pop_back();
        return out;
    }

    void Rewrite() {
        std::map<NewEntryKind, std::map<std::string, std::string, std::less<>>> renames;
        for (size_t i = 0; i < entries.size(); ++i)
            if (states[i] == State::Renamed) renames[entries[i].kind][entries[i].id] = newIds[i];
        auto lookup = [&](NewEntryKind kind) -> RenamedId {
            return [&renames, kind](std::string_view id) -> const std::string * {
                const auto &map = renames[kind];
                const auto found = map.find(id);
                return found == map.end() ? nullptr : &found->second;
            };
        };
        IndexAfterImport();
        bodies.assign(entries.size(), {});
        int unused = 0;
        for (size_t i = 0; i < entries.size(); ++i) {
            const EntryRef &entry = entries[i];
            const std::string_view body = *from_.Body(entry.kind, entry.id);
            switch (entry.kind) {
            case NewEntryKind::Trigger: {
                const std::string line = RenameInTriggers(entry.id + std::string(body), {},
                                                          lookup(NewEntryKind::Team), unused);
                bodies[i] = line.substr(entry.id.size());
                break;
            }
            case NewEntryKind::Team: {
                // The team's lines are read as in a section, after its header.
                std::string section = "[]\n" + std::string(body);
                section = RenameTeamReferences(section, "TaskForce",
                                               lookup(NewEntryKind::TaskForce), unused);
                section =
                    RenameTeamReferences(section, "Script", lookup(NewEntryKind::Script), unused);
                bodies[i] = section.substr(3);
                break;
            }
            case NewEntryKind::Script:
                bodies[i] = RewrittenScript(body);
                break;
            case NewEntryKind::TaskForce:
                bodies[i] = std::string(body);
                break;
            }
        }
    }

    struct RefLess {
        bool operator()(const EntryRef &a, const EntryRef &b) const {
            return std::pair(int(a.kind), std::string_view(a.id)) <
                   std::pair(int(b.kind), std::string_view(b.id));
        }
    };

    EntryTable into_;
    EntryTable from_;
    std::map<EntryRef, size_t, RefLess> positions_;
    std::vector<std::optional<int64_t>> indexes_;
};

} // namespace

std::vector<EntryRef> EntriesWithIds(const Document &from, const std::vector<std::string> &ids,
                                     std::vector<std::string> &missing) {
    const EntryTable table(from);
    std::vector<EntryRef> found;
    for (const std::string &id : ids) {
        const size_t before = found.size();
        for (NewEntryKind kind : kKinds)
            if (table.Has(kind, id)) found.push_back({kind, id});
        if (found.size() == before) missing.push_back(id);
    }
    return found;
}

std::vector<ImportableEntry> ImportableEntries(const Document &into, const Document &from) {
    const EntryTable here(into), there(from);
    std::vector<ImportableEntry> rows;
    for (NewEntryKind kind : kKinds) {
        for (std::string_view id : there.Ids(kind)) {
            Presence presence = Presence::Absent;
            if (here.Has(kind, id))
                presence = Normalized(*here.Body(kind, id)) == Normalized(*there.Body(kind, id))
                               ? Presence::SameBody
                               : Presence::OtherBody;
            else if (here.AnyHas(id))
                presence = Presence::OtherBody;
            rows.push_back({kind, std::string(id), there.Name(kind, id), presence});
        }
    }
    return rows;
}

std::vector<ImportedEntry> ImportEntries(Document &into, const Document &from,
                                         const std::vector<EntryRef> &picked) {
    std::vector<ImportedEntry> imported;
    std::vector<std::string> bodies;
    {
        // The plan reads `into`'s texts, so it is done with before they change.
        Plan plan(into, from, picked);
        for (size_t i = 0; i < plan.entries.size(); ++i)
            imported.push_back({plan.entries[i].kind, plan.entries[i].id, plan.newIds[i],
                                plan.states[i] == State::Kept});
        bodies = std::move(plan.bodies);
    }
    std::vector<AddedEntry> added;
    for (size_t i = 0; i < imported.size(); ++i)
        if (!imported[i].kept)
            added.push_back({imported[i].kind, imported[i].newId, std::move(bodies[i])});
    AppendEntries(into, added);
    return imported;
}

std::string_view KindWord(NewEntryKind kind) {
    constexpr std::string_view words[] = {"trigger", "team", "script", "task-force"};
    return words[int(kind)];
}

std::u16string KindName(NewEntryKind kind) {
    constexpr std::string_view names[] = {"kind.trigger", "kind.team", "kind.script",
                                          "kind.taskForce"};
    return res::Str(names[int(kind)]);
}

std::u16string ImportSummary(const std::vector<ImportedEntry> &entries) {
    int added = 0, kept = 0;
    std::u16string renamed;
    for (const ImportedEntry &entry : entries) {
        if (entry.kept) {
            ++kept;
            continue;
        }
        ++added;
        if (entry.newId != entry.id)
            renamed += res::Format("import.renamedEntry",
                                   {KindName(entry.kind), ToWide(entry.id), ToWide(entry.newId)});
    }
    return res::Format(
        "import.summary",
        {ToWide(std::to_string(added)),
         kept > 0 ? res::Format("import.kept", {ToWide(std::to_string(kept))}) : std::u16string(),
         renamed.empty() ? std::u16string() : res::Format("import.renamed", {renamed})});
}
