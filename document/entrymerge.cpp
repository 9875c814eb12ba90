#include "document/entrymerge.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "document/entrydiff.h"
#include "scripts/scriptactions.h"
#include "triggers/triggerloader.h"

#include <algorithm>
#include <array>
#include <deque>
#include <future>
#include <map>
#include <unordered_map>
#include <utility>

namespace {

constexpr std::array<std::string_view, 3> kRegistryLists{"TaskForces", "ScriptTypes", "TeamTypes"};
constexpr std::string_view kTriggerList = "AITriggerTypes";

// The units of a file by group: the four kinds in Save's order, then the other sections.
constexpr size_t kTriggerGroup = 3, kSectionGroup = 4, kGroups = 5;

class Version;

// An entry or a section of one version.
struct Item {
    std::string_view id; // a section's header line; "" for the text before the first section
    int occurrence = 0;
    // A task force's, script's or team's body as the file holds it (Save writes it canonical:
    // AppendCanonical); a trigger's line after "ID=" as the loader cleans it; a section verbatim,
    // its header line included.
    std::string_view body;
    // A task force, script or team: its section is in this file, not only its list line.
    bool section = true;
    const Version *from = nullptr; // the version whose lists a script's indexes count in
};

// A registry entry's body as Save writes it (AppendRegistryTexts): runs of LFs made one and an
// LF at the end; nothing for a body of LFs alone.
void AppendCanonical(std::string &out, std::string_view body) {
    if (body.find_first_not_of('\n') == std::string_view::npos) return;
    AppendSqueezed(out, body);
    if (out.back() != '\n') out += '\n';
}

std::string Canonical(std::string_view body) {
    std::string out;
    AppendCanonical(out, body);
    return out;
}

// Whether two versions of a unit of `group` are written alike.
bool Same(size_t group, const Item *a, const Item *b) {
    if (!a || !b) return a == b;
    if (a->section != b->section) return false;
    if (a->body == b->body) return true;
    return group < kTriggerGroup && Canonical(a->body) == Canonical(b->body);
}

// Finds an item of the same ID and occurrence in one group.
class ItemIndex {
public:
    explicit ItemIndex(const std::vector<Item> &items) : items_(items) {
        index_.reserve(items.size());
        for (size_t i = 0; i < items.size(); ++i)
            index_.emplace(std::pair(items[i].id, items[i].occurrence), i);
    }
    // Its index, or -1.
    long Find(const Item &like) const {
        auto found = index_.find(std::pair(like.id, like.occurrence));
        return found == index_.end() ? -1 : long(found->second);
    }
    const Item *Get(const Item &like) const {
        const long i = Find(like);
        return i < 0 ? nullptr : &items_[size_t(i)];
    }

private:
    struct Hash {
        size_t operator()(const std::pair<std::string_view, int> &key) const {
            return std::hash<std::string_view>()(key.first) ^ size_t(key.second);
        }
    };
    const std::vector<Item> &items_;
    std::unordered_map<std::pair<std::string_view, int>, size_t, Hash> index_;
};

// One version of the file, read alone: its entries as Open reads them, and its other sections.
class Version {
public:
    explicit Version(std::string text);
    Version(const Version &) = delete;
    Version &operator=(const Version &) = delete;

    std::array<std::vector<Item>, kGroups> groups;
    std::array<bool, 4> hasList{};
    std::optional<int> startNumber; // none when no list line of the file has a number

private:
    void ReadSections(std::string_view text, const std::vector<size_t> &claimed);

    // What the items point into: the text, the entries' IDs, the trigger lines.
    Document document_;
    std::array<std::vector<RegistryRecord>, 3> records_;
};

Version::Version(std::string text) {
    FileSlot &slot = document_.fileSlots[0];
    slot.length = int(text.size());
    slot.text = std::move(text);
    SlotIndexes indexes;
    std::array<std::vector<RegistryRecord>, 3> &records = records_;
    for (size_t kind = 0; kind < 3; ++kind)
        records[kind] = ReadRegistryRecords(document_.fileSlots, kRegistryLists[kind], &indexes);
    // Save numbers from the team list's first numbered line; a file of one other list (as a split
    // save writes them) keeps its own first number.
    for (size_t kind : {size_t(2), size_t(0), size_t(1)}) {
        auto first = std::find_if(records[kind].begin(), records[kind].end(),
                                  [](const RegistryRecord &record) { return record.numbered; });
        if (!startNumber && first != records[kind].end()) startNumber = first->number;
    }
    // The entries in list order, their bodies where the file holds them. An entry without a
    // section here (its section may be in another file of the mod) has none.
    const std::string_view own = SlotText(slot);
    std::vector<size_t> claimed; // where the bodies of the sections here start
    for (size_t kind = 0; kind < 3; ++kind) {
        SortRegistryRecords(records[kind]);
        std::unordered_map<std::string_view, int> occurrences;
        groups[kind].reserve(records[kind].size());
        for (const RegistryRecord &record : records[kind]) {
            const bool section = record.body.data() != nullptr;
            if (section) claimed.push_back(size_t(record.body.data() - own.data()));
            groups[kind].push_back(
                {record.id, occurrences[record.id]++, record.body, section, this});
        }
    }
    LoadAITriggerTypes(document_);
    for (const Entry &entry : EntriesOf(document_))
        groups[kTriggerGroup].push_back({entry.id, entry.occurrence, entry.body, true, this});
    std::sort(claimed.begin(), claimed.end());
    ReadSections(own, claimed);
}

// The text before the first section, and every section that no entry of the file claims (none of
// the bodies in `claimed`, sorted, starts in it), that is no block of a list and that is no second
// section of a listed ID (which Save drops too): each is kept as it is.
void Version::ReadSections(std::string_view text, const std::vector<size_t> &claimed) {
    // The listed IDs by their text up to the first ']', as HeaderIndex files header lines; made
    // when a section is first left unclaimed.
    std::optional<std::unordered_map<std::string_view, std::vector<std::string_view>>> listed;
    auto headsListedId = [&](std::string_view line) {
        if (!listed) {
            listed.emplace();
            for (size_t kind = 0; kind < 3; ++kind)
                for (const Item &item : groups[kind])
                    if (item.occurrence == 0 && !IsListSectionName(item.id))
                        (*listed)[item.id.substr(0, item.id.find(']'))].push_back(item.id);
        }
        const size_t close = line.find(']');
        if (close == std::string_view::npos) return false;
        auto found = listed->find(line.substr(1, close - 1));
        if (found == listed->end()) return false;
        return std::any_of(found->second.begin(), found->second.end(), [line](auto id) {
            return line.size() > id.size() + 1 && line.substr(1, id.size()) == id &&
                   line[id.size() + 1] == ']';
        });
    };
    auto nextClaimed = claimed.begin();
    std::map<std::string_view, int> occurrences;
    int header = NextHeaderLine(text, 0);
    if (header > 0)
        groups[kSectionGroup].push_back({"", 0, text.substr(0, size_t(header)), true, this});
    while (header < int(text.size())) {
        const int next = NextHeaderLine(text, header + 1);
        const std::string_view section = text.substr(size_t(header), size_t(next - header));
        const std::string_view line = section.substr(0, section.find('\n'));
        bool list = false;
        for (size_t kind = 0; kind < 4; ++kind) {
            const std::string_view name = kind < 3 ? kRegistryLists[kind] : kTriggerList;
            if (line.size() > name.size() + 1 && line[name.size() + 1] == ']' &&
                line.substr(1, name.size()) == name) {
                hasList[kind] = list = true;
            }
        }
        while (nextClaimed != claimed.end() && *nextClaimed <= size_t(header))
            ++nextClaimed;
        const bool isClaimed = nextClaimed != claimed.end() && *nextClaimed <= size_t(next);
        if (!list && !isClaimed && !headsListedId(line))
            groups[kSectionGroup].push_back({line, occurrences[line]++, section, true, this});
        header = next;
    }
}

// What a unit looks like in a file, for the conflict list.
std::optional<std::string> Shown(size_t group, const Item *item) {
    if (!item) return std::nullopt;
    if (group == kSectionGroup) return std::string(item->body);
    if (group == kTriggerGroup) return std::string(item->id) + "=" + std::string(item->body);
    if (!item->section) return std::string(item->id) + " (listed, its section elsewhere)";
    return "[" + std::string(item->id) + "]\n" + Canonical(item->body);
}

std::string_view GroupName(size_t group) {
    return group == kSectionGroup ? "section" : EntryKindName(EntryKind(group));
}

class Merger {
public:
    Merger(const Version &base, const Version &ours, const Version &theirs)
        : base_(base), ours_(ours), theirs_(theirs) {}

    std::vector<Item> Group(size_t group);
    std::vector<MergeConflict> conflicts;

private:
    const Item *Decide(size_t group, const Item *base, const Item *ours, const Item *theirs);
    std::optional<std::string> MergeKeys(std::string_view base, std::string_view ours,
                                         std::string_view theirs);

    const Version &base_, &ours_, &theirs_;
    std::deque<Item> made_; // merged teams
    std::deque<std::string> madeBodies_;
};

// The one version of a unit the merge keeps; null when it is gone.
const Item *Merger::Decide(size_t group, const Item *base, const Item *ours, const Item *theirs) {
    if (Same(group, ours, theirs)) return ours;
    if (Same(group, ours, base)) return theirs;
    if (Same(group, theirs, base)) return ours;
    if (group == size_t(EntryKind::Team) && base && ours && theirs && base->section &&
        ours->section && theirs->section) {
        if (std::optional<std::string> body = MergeKeys(base->body, ours->body, theirs->body)) {
            const std::string &kept = madeBodies_.emplace_back(std::move(*body));
            return &made_.emplace_back(Item{ours->id, ours->occurrence, kept, true, ours->from});
        }
    }
    const Item *named = ours ? ours : theirs;
    conflicts.push_back({std::string(GroupName(group)), std::string(named->id), Shown(group, ours),
                         Shown(group, theirs)});
    return ours;
}

// A team's body merged key by key; none when a body holds anything but lines of distinct keys or
// a key was changed on both sides differently.
std::optional<std::string> Merger::MergeKeys(std::string_view base, std::string_view ours,
                                             std::string_view theirs) {
    const std::string baseBody = Canonical(base), oursBody = Canonical(ours),
                      theirsBody = Canonical(theirs);
    const KeyLines b = KeyLinesOf(baseBody), o = KeyLinesOf(oursBody), t = KeyLinesOf(theirsBody);
    if (!b.onlyKeys || !o.onlyKeys || !t.onlyKeys) return std::nullopt;
    auto lines = [](const KeyLines &keys) {
        std::unordered_map<std::string_view, std::string_view> byKey;
        for (const KeyLine &key : keys.keys)
            byKey.emplace(key.key, key.line);
        return byKey;
    };
    const auto baseLines = lines(b), oursLines = lines(o), theirsLines = lines(t);
    auto lineOf = [](const auto &byKey, std::string_view key) -> std::optional<std::string_view> {
        auto found = byKey.find(key);
        if (found == byKey.end()) return std::nullopt;
        return found->second;
    };
    bool conflict = false;
    auto decide = [&](std::string_view key) {
        const auto was = lineOf(baseLines, key), mine = lineOf(oursLines, key),
                   other = lineOf(theirsLines, key);
        if (mine == other || was == other) return mine;
        if (was == mine) return other;
        conflict = true;
        return mine;
    };
    std::string merged;
    for (const KeyLine &key : o.keys) {
        if (std::optional<std::string_view> line = decide(key.key)) {
            merged += *line;
            merged += '\n';
        }
    }
    for (const KeyLine &key : t.keys) {
        if (oursLines.count(key.key)) continue;
        if (std::optional<std::string_view> line = decide(key.key)) {
            merged += *line;
            merged += '\n';
        }
    }
    if (conflict) return std::nullopt;
    return merged;
}

std::vector<Item> Merger::Group(size_t group) {
    const std::vector<Item> &base = base_.groups[group], &ours = ours_.groups[group],
                            &theirs = theirs_.groups[group];
    const ItemIndex baseIndex(base), oursIndex(ours), theirsIndex(theirs);

    std::vector<const Item *> fromOurs(ours.size()), fromTheirs(theirs.size());
    for (size_t i = 0; i < ours.size(); ++i)
        fromOurs[i] = Decide(group, baseIndex.Get(ours[i]), &ours[i], theirsIndex.Get(ours[i]));
    // THEIRS's additions, each after the nearest unit before it in THEIRS that the merge keeps of
    // OURS; those before any such unit come first.
    std::vector<size_t> atFront;
    std::unordered_map<size_t, std::vector<size_t>> after;
    std::optional<size_t> anchor;
    for (size_t j = 0; j < theirs.size(); ++j) {
        if (const long i = oursIndex.Find(theirs[j]); i >= 0) {
            if (fromOurs[size_t(i)]) anchor = size_t(i);
            continue;
        }
        fromTheirs[j] = Decide(group, baseIndex.Get(theirs[j]), nullptr, &theirs[j]);
        if (fromTheirs[j]) (anchor ? after[*anchor] : atFront).push_back(j);
    }

    std::vector<Item> merged;
    merged.reserve(ours.size() + theirs.size());
    const std::vector<size_t> *pending = &atFront;
    auto flush = [&] {
        if (pending)
            for (size_t j : *pending)
                merged.push_back(*fromTheirs[j]);
        pending = nullptr;
    };
    for (size_t i = 0; i < ours.size(); ++i) {
        // OURS's own additions stay right after the unit before them.
        const bool oursAlone = !baseIndex.Get(ours[i]) && !theirsIndex.Get(ours[i]);
        if (!oursAlone) flush();
        if (fromOurs[i]) merged.push_back(*fromOurs[i]);
        if (auto found = after.find(i); found != after.end()) {
            flush();
            pending = &found->second;
        }
    }
    flush();
    return merged;
}

// The script's body with every action whose argument is an index into the script or team list
// made to name, in the merged lists, the entry it named in the lists of the version the script
// was taken from; none when no line changes. Indexes into a list this file does not hold, past
// its end, or to an entry the merge dropped stay as they are.
std::optional<std::string> Reindexed(const Item &script, const ItemIndex &scripts,
                                     const ItemIndex &teams) {
    const Version &from = *script.from;
    std::optional<std::string> body;
    size_t at = 0; // where the next line starts in *body, once there is one
    ForEachLine(script.body, [&](std::string_view line) {
        const size_t lineStart = at;
        at += line.size() + 1;
        const std::optional<ActionLine> parsed = ParseActionLine(line);
        if (!parsed || !parsed->wellFormed) return;
        const ScriptAction *action = FindScriptAction(parsed->action);
        if (!action ||
            (action->argument != ArgumentKind::Script && action->argument != ArgumentKind::Team))
            return;
        const bool team = action->argument == ArgumentKind::Team;
        const std::vector<Item> &list = from.groups[team ? 2 : 1];
        if (!from.hasList[team ? 2 : 1] || parsed->argument < 0 ||
            parsed->argument >= int64_t(list.size()))
            return;
        const long now = (team ? teams : scripts).Find(list[size_t(parsed->argument)]);
        if (now < 0 || now == parsed->argument) return;
        // The argument's digits, found as ParseActionLine finds them.
        const std::string_view bare = Unindented(line);
        const std::string_view value = ReferenceIn(bare.substr(bare.find('=') + 1));
        const std::string_view argument = Trimmed(value.substr(value.find(',') + 1));
        if (!body) body.emplace(script.body);
        body->replace(lineStart + size_t(argument.data() - line.data()), argument.size(),
                      std::to_string(now));
        at += std::to_string(now).size() - argument.size();
    });
    return body;
}

void AppendLines(std::string &out, std::string_view text) {
    out += text;
    if (!text.empty() && text.back() != '\n') out += '\n';
}

} // namespace

MergeResult MergeAiTexts(std::string base, std::string ours, std::string theirs) {
    const size_t size = ours.size();
    // The three versions are read side by side: nothing of one touches another.
    std::optional<Version> baseVersion, theirsVersion;
    std::future<void> baseRead =
        std::async(std::launch::async, [&] { baseVersion.emplace(std::move(base)); });
    std::future<void> theirsRead =
        std::async(std::launch::async, [&] { theirsVersion.emplace(std::move(theirs)); });
    const Version oursVersion(std::move(ours));
    baseRead.get();
    theirsRead.get();
    Merger merger(*baseVersion, oursVersion, *theirsVersion);
    std::array<std::vector<Item>, kGroups> groups;
    for (size_t group = 0; group < kGroups; ++group)
        groups[group] = merger.Group(group);
    // A script taken from one side names teams and scripts by their places in that side's lists.
    const ItemIndex mergedScripts(groups[1]), mergedTeams(groups[2]);
    std::deque<std::string> reindexed;
    for (Item &script : groups[1]) {
        if (std::optional<std::string> body = Reindexed(script, mergedScripts, mergedTeams))
            script.body = reindexed.emplace_back(std::move(*body));
    }

    MergeResult result;
    std::string &out = result.text;
    out.reserve(size + size / 8);
    for (const Item &section : groups[kSectionGroup])
        if (section.id.empty()) AppendLines(out, section.body);
    const int start = oursVersion.startNumber.value_or(theirsVersion->startNumber.value_or(0));
    bool listWritten = false;
    for (size_t kind = 0; kind < 3; ++kind) {
        if (!oursVersion.hasList[kind] && !theirsVersion->hasList[kind]) continue;
        listWritten = true;
        // As AppendRegistryTexts writes the list and its sections.
        out += '[';
        out += kRegistryLists[kind];
        out += "]\n";
        int64_t number = start;
        for (const Item &entry : groups[kind]) {
            out += std::to_string(number++);
            out += '=';
            out += entry.id;
            out += '\n';
        }
        out += '\n';
        for (const Item &entry : groups[kind]) {
            if (!entry.section) continue;
            out += '[';
            out += entry.id;
            out += "]\n";
            AppendCanonical(out, entry.body);
            out += '\n';
        }
    }
    if (oursVersion.hasList[kTriggerGroup] || theirsVersion->hasList[kTriggerGroup]) {
        // A save into one file puts a blank line between the team sections and the triggers.
        if (listWritten) out += '\n';
        out += "[AITriggerTypes]\n";
        for (const Item &trigger : groups[kTriggerGroup]) {
            out += trigger.id;
            out += '=';
            out += trigger.body;
            out += '\n';
        }
        out += '\n';
    }
    for (const Item &section : groups[kSectionGroup])
        if (!section.id.empty()) AppendLines(out, section.body);
    result.conflicts = std::move(merger.conflicts);
    return result;
}
