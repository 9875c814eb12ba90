#include "document/entrydiff.h"

#include "core/headerindex.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "triggers/triggerloader.h"

#include <algorithm>
#include <array>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace {

constexpr std::array<EntryKind, 4> kKinds{EntryKind::TaskForce, EntryKind::Script, EntryKind::Team,
                                          EntryKind::Trigger};

// Counts the entries of one kind by ID, so that an ID listed again is an entry of its own.
class Occurrences {
public:
    int Next(std::string_view id) { return counts_[id]++; }

private:
    std::unordered_map<std::string_view, int> counts_;
};

void AppendRegistryEntries(EntryKind kind, std::string_view listText, std::string_view sectionsText,
                           std::vector<Entry> &out) {
    Occurrences occurrences;
    std::optional<HeaderIndex> index;           // only for sections out of list order
    size_t next = sectionsText.empty() ? 0 : 1; // past the LF that opens the sections
    for (std::string_view id : ListIds(listText)) {
        // A loaded document holds the sections in list order, one after the other.
        int header = int(next);
        const std::string_view rest = sectionsText.substr(std::min(next, sectionsText.size()));
        const bool inOrder = rest.size() > id.size() + 1 && rest[0] == '[' &&
                             rest.substr(1, id.size()) == id && rest[id.size() + 1] == ']';
        if (!inOrder) {
            if (!index) index.emplace(sectionsText);
            header = index->Find(id);
        }
        std::string_view body;
        if (header >= 0) {
            const size_t start = SectionBodyStart(sectionsText, header, id);
            const size_t end = size_t(NextHeaderLine(sectionsText, int(start)));
            body = sectionsText.substr(start, end - start);
            // The blank line that ends every section is no part of the body.
            if (!body.empty() && body.back() == '\n') body.remove_suffix(1);
            if (inOrder) next = end;
        }
        out.push_back({kind, id, body, occurrences.Next(id)});
    }
}

void AppendTriggerEntries(std::string_view triggerText, std::vector<Entry> &out) {
    Occurrences occurrences;
    bool header = true;
    ForEachLine(triggerText, [&](std::string_view line) {
        if (std::exchange(header, false)) return; // "[AITriggerTypes]"
        const std::optional<TriggerIdAndName> trigger = TriggerIdAndNameOf(line);
        if (!trigger) return;
        out.push_back({EntryKind::Trigger, trigger->id, line.substr(trigger->id.size() + 1),
                       occurrences.Next(trigger->id)});
    });
}

// Finds an entry of the same kind, ID and occurrence.
class EntryIndex {
public:
    explicit EntryIndex(const std::vector<Entry> &entries) : entries_(entries) {
        for (size_t i = 0; i < entries.size(); ++i) {
            const Entry &entry = entries[i];
            if (entry.occurrence == 0)
                first_[size_t(entry.kind)].emplace(entry.id, i);
            else
                later_[size_t(entry.kind)].emplace(std::pair(entry.id, entry.occurrence), i);
        }
    }

    const Entry *Find(const Entry &like) const {
        const size_t kind = size_t(like.kind);
        if (like.occurrence == 0) {
            auto found = first_[kind].find(like.id);
            return found == first_[kind].end() ? nullptr : &entries_[found->second];
        }
        auto found = later_[kind].find(std::pair(like.id, like.occurrence));
        return found == later_[kind].end() ? nullptr : &entries_[found->second];
    }

private:
    const std::vector<Entry> &entries_;
    std::array<std::unordered_map<std::string_view, size_t>, 4> first_;
    std::array<std::map<std::pair<std::string_view, int>, size_t>, 4> later_;
};

std::vector<std::string_view> FieldsOf(std::string_view rest) {
    std::vector<std::string_view> fields;
    for (size_t begin = 0;;) {
        const size_t comma = rest.find(',', begin);
        fields.push_back(rest.substr(begin, comma - begin));
        if (comma == std::string_view::npos) return fields;
        begin = comma + 1;
    }
}

std::optional<std::string> At(const std::vector<std::string_view> &items, size_t i) {
    if (i >= items.size()) return std::nullopt;
    return std::string(items[i]);
}

std::string_view ValueOf(std::string_view line) { return line.substr(line.find('=') + 1); }

void DiffLines(std::string_view before, std::string_view after, EntryChange &change) {
    const std::vector<std::string_view> old = LinesOf(before), now = LinesOf(after);
    size_t head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head])
        ++head;
    size_t tail = 0;
    while (tail < old.size() - head && tail < now.size() - head &&
           old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    change.removedLines.assign(old.begin() + long(head), old.end() - long(tail));
    change.addedLines.assign(now.begin() + long(head), now.end() - long(tail));
}

void DiffTeam(std::string_view before, std::string_view after, EntryChange &change) {
    const KeyLines old = KeyLinesOf(before), now = KeyLinesOf(after);
    std::unordered_map<std::string_view, std::string_view> nowValues;
    for (const KeyLine &key : now.keys)
        nowValues.emplace(key.key, ValueOf(key.line));
    std::unordered_set<std::string_view> oldKeys;
    for (const KeyLine &key : old.keys) {
        oldKeys.insert(key.key);
        auto found = nowValues.find(key.key);
        const std::string_view value = ValueOf(key.line);
        if (found == nowValues.end())
            change.fields.push_back({std::string(key.key), std::string(value), std::nullopt});
        else if (found->second != value)
            change.fields.push_back(
                {std::string(key.key), std::string(value), std::string(found->second)});
    }
    for (const KeyLine &key : now.keys) {
        if (!oldKeys.count(key.key))
            change.fields.push_back(
                {std::string(key.key), std::nullopt, std::string(ValueOf(key.line))});
    }
    if (change.fields.empty()) DiffLines(before, after, change);
}

void DiffTrigger(std::string_view before, std::string_view after, EntryChange &change) {
    const std::vector<std::string_view> old = FieldsOf(before), now = FieldsOf(after);
    for (size_t i = 0; i < std::max(old.size(), now.size()); ++i) {
        std::optional<std::string> was = At(old, i), is = At(now, i);
        if (was != is) change.fields.push_back({TriggerFieldName(int(i)), was, is});
    }
}

EntryChange ChangeOf(EntryChange::What what, const Entry &entry) {
    return {what, entry.kind, std::string(entry.id), entry.occurrence, {}, {}, {}};
}

} // namespace

std::vector<Entry> EntriesOf(const Document &document) {
    std::vector<Entry> entries;
    AppendRegistryEntries(EntryKind::TaskForce, document.taskForceListText,
                          document.taskForceSectionsText, entries);
    AppendRegistryEntries(EntryKind::Script, document.scriptListText, document.scriptSectionsText,
                          entries);
    AppendRegistryEntries(EntryKind::Team, document.teamListText, document.teamSectionsText,
                          entries);
    AppendTriggerEntries(document.triggerText, entries);
    return entries;
}

std::vector<std::string_view> LinesOf(std::string_view body) {
    std::vector<std::string_view> lines;
    ForEachLine(body, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

KeyLines KeyLinesOf(std::string_view body) {
    KeyLines lines;
    std::unordered_set<std::string_view> seen;
    ForEachLine(body, [&](std::string_view line) {
        const std::optional<std::string_view> key = KeyOfLine(line);
        if (!key || !seen.insert(*key).second) {
            lines.onlyKeys = false;
            return;
        }
        lines.keys.push_back({*key, line});
    });
    return lines;
}

std::string TriggerFieldName(int index) {
    static constexpr std::array<std::string_view, 18> kNames{
        "name",       "team",        "house",      "techLevel", "conditionCode", "conditionObject",
        "comparison", "weight",      "minWeight",  "maxWeight", "skirmish",      "field11",
        "side",       "baseDefense", "secondTeam", "easy",      "medium",        "hard"};
    if (index >= 0 && index < int(kNames.size())) return std::string(kNames[size_t(index)]);
    return "field" + std::to_string(index);
}

std::vector<EntryChange> DiffEntries(const std::vector<Entry> &before,
                                     const std::vector<Entry> &after) {
    const EntryIndex beforeIndex(before), afterIndex(after);
    std::vector<EntryChange> changes;
    for (EntryKind kind : kKinds) {
        for (const Entry &entry : before) {
            if (entry.kind != kind) continue;
            const Entry *now = afterIndex.Find(entry);
            if (!now) {
                changes.push_back(ChangeOf(EntryChange::What::Removed, entry));
                continue;
            }
            if (now->body == entry.body) continue;
            EntryChange change = ChangeOf(EntryChange::What::Changed, entry);
            if (kind == EntryKind::Team)
                DiffTeam(entry.body, now->body, change);
            else if (kind == EntryKind::Trigger)
                DiffTrigger(entry.body, now->body, change);
            else
                DiffLines(entry.body, now->body, change);
            changes.push_back(std::move(change));
        }
        for (const Entry &entry : after) {
            if (entry.kind == kind && !beforeIndex.Find(entry))
                changes.push_back(ChangeOf(EntryChange::What::Added, entry));
        }
    }
    return changes;
}
