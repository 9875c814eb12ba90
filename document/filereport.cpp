#include "document/filereport.h"

#include "core/document.h"
#include "core/headerindex.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "res/text.h"
#include "scripts/buildingargument.h"
#include "scripts/scriptactions.h"
#include "triggers/triggerformat.h"
#include "triggers/triggerloader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace {

// The three lists whose entries have sections, and the keys of what the user calls their entries.
constexpr std::array<std::string_view, 3> kListNames = {"TaskForces", "ScriptTypes", "TeamTypes"};
constexpr std::array<std::string_view, 3> kKindLabels = {"report.list.0", "report.list.1",
                                                         "report.list.2"};

struct KindText {
    std::string_view name;  // stable, for tools
    std::string_view label; // the key of what the user reads
    FindingGroup group;
};
// Indexed by FindingKind.
constexpr KindText kKindTexts[] = {
    {"unlisted-section", "report.kind.unlisted-section", FindingGroup::Dropped},
    {"duplicate-section", "report.kind.duplicate-section", FindingGroup::Dropped},
    {"shared-id", "report.kind.shared-id", FindingGroup::Dropped},
    {"commented-out-entry", "report.kind.commented-out-entry", FindingGroup::Dropped},
    {"unread-include", "report.kind.unread-include", FindingGroup::Dropped},
    {"missing-team", "report.kind.missing-team", FindingGroup::Reference},
    {"missing-task-force", "report.kind.missing-task-force", FindingGroup::Reference},
    {"missing-script", "report.kind.missing-script", FindingGroup::Reference},
    {"listed-twice", "report.kind.listed-twice", FindingGroup::Reference},
    {"empty-section", "report.kind.empty-section", FindingGroup::Reference},
    {"no-team", "report.kind.no-team", FindingGroup::Reference},
    {"no-task-force", "report.kind.no-task-force", FindingGroup::Reference},
    {"no-script", "report.kind.no-script", FindingGroup::Reference},
    {"unknown-unit", "report.kind.unknown-unit", FindingGroup::Reference},
    {"unknown-condition-object", "report.kind.unknown-condition-object", FindingGroup::Reference},
    {"unknown-house", "report.kind.unknown-house", FindingGroup::Reference},
    {"script-building", "report.kind.script-building", FindingGroup::Reference},
    {"trigger-field-count", "report.kind.trigger-field-count", FindingGroup::Value},
    {"trigger-condition", "report.kind.trigger-condition", FindingGroup::Value},
    {"trigger-weight", "report.kind.trigger-weight", FindingGroup::Value},
    {"trigger-difficulty", "report.kind.trigger-difficulty", FindingGroup::Value},
    {"team-priority", "report.kind.team-priority", FindingGroup::Value},
    {"team-max", "report.kind.team-max", FindingGroup::Value},
    {"task-force-member", "report.kind.task-force-member", FindingGroup::Value},
    {"script-action", "report.kind.script-action", FindingGroup::Value},
    {"unknown-script-action", "report.kind.unknown-script-action", FindingGroup::Value},
    {"script-argument", "report.kind.script-argument", FindingGroup::Value},
};
static_assert(std::size(kKindTexts) == size_t(kFindingKindCount));

std::u16string Number(int n) {
    std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

// Lines that make a section look like an entry rather than a setting such as [General]: a name,
// a team's task force or script, or a numbered line in the form of a member or an action
// ("0=2,E1", "3=0,5"). A numbered line of anything else ("1=<checksum>") is no sign of one.
bool IsEntryLikeLine(std::string_view line) {
    line = Unindented(line);
    if (StartsWith(line, "Name=") || StartsWith(line, "TaskForce=") || StartsWith(line, "Script="))
        return true;
    const size_t digits = line.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos || line[digits] != '=') return false;
    std::string_view value = Unindented(line.substr(digits + 1));
    if (StartsWith(value, "-")) value.remove_prefix(1);
    const size_t count = value.find_first_not_of("0123456789");
    return count > 0 && count != std::string_view::npos && value[count] == ',';
}

// The ID of a list line commented out by hand (";4=Old", "; +=Old"), or nullopt.
std::optional<std::string> CommentedOutId(std::string_view line) {
    line = Unindented(line);
    if (!StartsWith(line, ";")) return std::nullopt;
    line = Unindented(line.substr(std::min(line.find_first_not_of(';'), line.size())));
    if (!IsRegistryLine(line) && !IsAppendLine(line)) return std::nullopt;
    std::string id = ListLineId(line);
    if (id.empty()) return std::nullopt;
    return id;
}

enum class Role { Section, List, Triggers, Include };

struct Header {
    int slot = 0;
    int offset = 0;
    int line = 0;
    std::string_view key; // the text between '[' and the first ']'
    Role role = Role::Section;
    bool entryLike = false;
};

struct ListLine {
    int kind = 0;
    std::string id;
    int slot = 0;
    int line = 0;
};

struct TriggerLine {
    std::string_view id;
    int slot = 0;
    int line = 0;
};

struct Scan {
    std::vector<Header> headers;
    std::vector<ListLine> listed;
    std::vector<ListLine> commented;
    std::vector<TriggerLine> triggers; // only when asked for
    int includeLine = 0;               // the [#include] header of the opened file
};

// One pass over the lines of one slot.
void ScanSlot(int slot, std::string_view text, bool triggers, Scan &scan) {
    std::optional<size_t> section; // the entry-like test stops at the first line that passes
    int list = -1;
    bool inTriggers = false;
    int line = 0;
    for (size_t pos = 0; pos < text.size();) {
        ++line;
        const size_t lf = std::min(text.find('\n', pos), text.size());
        const std::string_view row = text.substr(pos, lf - pos);
        const size_t start = pos;
        pos = lf + 1;
        if (StartsWith(row, "[")) {
            section.reset();
            list = -1;
            inTriggers = false;
            // A NUL never matches, so a line whose first ']' lies past a NUL heads no section.
            size_t close = row.find_first_of(std::string_view("]\0", 2), 1);
            if (close == std::string_view::npos || row[close] != ']') continue;
            Header header{slot, int(start), line, row.substr(1, close - 1)};
            auto kind = std::find(kListNames.begin(), kListNames.end(), header.key);
            if (kind != kListNames.end()) {
                header.role = Role::List;
                list = int(kind - kListNames.begin());
            } else if (header.key == "AITriggerTypes") {
                header.role = Role::Triggers;
                inTriggers = triggers;
            } else if (header.key == "#include") {
                header.role = Role::Include;
                if (slot == 0 && scan.includeLine == 0) scan.includeLine = line;
            }
            scan.headers.push_back(header);
            if (header.role == Role::Section) section = scan.headers.size() - 1;
        } else if (list >= 0) {
            if (IsAppendLine(row) || IsRegistryLine(row)) {
                scan.listed.push_back({list, ListLineId(row), slot, line});
            } else if (std::optional<std::string> id = CommentedOutId(row)) {
                scan.commented.push_back({list, std::move(*id), slot, line});
            }
        } else if (section && !scan.headers[*section].entryLike) {
            scan.headers[*section].entryLike = IsEntryLikeLine(row);
        } else if (inTriggers && IsTriggerLine(row)) {
            scan.triggers.push_back({row.substr(0, row.find('=')), slot, line});
        }
    }
}

// Where the document holds a finding, to be told by file and line.
struct Origin {
    enum class Place { ListLine, Trigger, Body };
    Place place = Place::ListLine;
    int kind = 0; // ListLine and Body: 0 task forces, 1 scripts, 2 teams
    std::string_view id;
    int occurrence = 0;    // ListLine and Trigger: which line of the ID, from 0
    std::string_view body; // Body: the entry's body in the document, after its header line
    int bodyLine = -1;     // Body: a line of `body`, from 0; -1 for the header line
};

std::string_view WithoutFinalLineBreaks(std::string_view text) {
    return text.substr(0, text.find_last_not_of('\n') + 1);
}

// The files as Open read them: what Save drops of them, and where an entry of the document stands
// in them.
class SourceFiles {
public:
    SourceFiles(const std::array<FileSlot, kFileSlotCount> &slots, bool triggers) : slots_(slots) {
        const std::u16string &opened = slots[0].path;
        const std::u16string folder = opened.substr(0, opened.find_last_of(u"\\/") + 1);
        for (int slot = 0; slot < kFileSlotCount; ++slot) {
            const FileSlot &file = slots[size_t(slot)];
            // Include files are named as their include lines name them.
            const bool inFolder = file.path.compare(0, folder.size(), folder) == 0;
            names_[size_t(slot)] = inFolder ? file.path.substr(folder.size()) : file.path;
            if (!file.text) continue;
            texts_[size_t(slot)] = SlotText(file);
            ScanSlot(slot, *texts_[size_t(slot)], triggers, scan_);
        }
        for (size_t i = 0; i < scan_.headers.size(); ++i) {
            const Header &header = scan_.headers[i];
            firstHeader_[size_t(header.slot)].emplace(header.key, int(i));
        }
        used_.resize(scan_.headers.size());
        ids_.reserve(scan_.listed.size());
    }

    DroppedOnSave FindDropped() {
        FindUnreadIncludes();
        ResolveListedEntries();
        FindCommentedOutEntries();
        FindUnusedSections();
        std::stable_sort(result_.findings.begin(), result_.findings.end(),
                         [](const Finding &a, const Finding &b) { return a.kind < b.kind; });
        return std::move(result_);
    }

    // Gives `finding` the file and line of what the document holds at `origin`. A section body
    // is told only while the document holds it as Open took it from the file.
    void Locate(const Origin &origin, Finding &finding) {
        std::optional<std::pair<int, int>> at; // slot and line
        if (origin.place == Origin::Place::Trigger) {
            if (triggerLines_.empty())
                for (size_t i = 0; i < scan_.triggers.size(); ++i)
                    triggerLines_[scan_.triggers[i].id].push_back(int(i));
            const std::vector<int> *lines = Find(triggerLines_, origin.id);
            if (lines && size_t(origin.occurrence) < lines->size()) {
                const TriggerLine &trigger = scan_.triggers[size_t((*lines)[origin.occurrence])];
                at = {trigger.slot, trigger.line};
            }
        } else if (const std::vector<int> *lines = Listings(origin.kind, origin.id)) {
            if (origin.place == Origin::Place::Body) {
                at = BodyLine(scan_.listed[size_t(lines->front())], origin);
            } else if (size_t(origin.occurrence) < lines->size()) {
                const ListLine &entry = scan_.listed[size_t((*lines)[origin.occurrence])];
                at = {entry.slot, entry.line};
            }
        }
        if (!at) return;
        finding.file = names_[size_t(at->first)];
        finding.line = at->second;
    }

private:
    using LinesById = std::unordered_map<std::string_view, std::vector<int>>;

    static const std::vector<int> *Find(const LinesById &lines, std::string_view id) {
        auto it = lines.find(id);
        return it == lines.end() ? nullptr : &it->second;
    }

    // The list lines of an ID in one kind, in file order.
    const std::vector<int> *Listings(int kind, std::string_view id) {
        if (!listingsBuilt_) {
            for (size_t i = 0; i < scan_.listed.size(); ++i)
                listings_[size_t(scan_.listed[i].kind)][scan_.listed[i].id].push_back(int(i));
            listingsBuilt_ = true;
        }
        return Find(listings_[size_t(kind)], id);
    }

    // The line of the section that the loader gave `entry`, counting the blank lines the
    // document's copy of the body no longer has.
    std::optional<std::pair<int, int>> BodyLine(const ListLine &entry, const Origin &origin) {
        const int section = SectionOf(entry);
        if (section < 0) return std::nullopt;
        const Header &header = scan_.headers[size_t(section)];
        const std::string_view text = *texts_[size_t(header.slot)];
        const size_t start = SectionBodyStart(text, header.offset, entry.id);
        int line = header.line + int(std::count(text.begin() + header.offset,
                                                text.begin() + std::ptrdiff_t(start), '\n'));
        const std::string_view body =
            text.substr(start, size_t(NextHeaderLine(text, int(start))) - start);
        if (WithoutFinalLineBreaks(SqueezeLineBreaks(body)) != WithoutFinalLineBreaks(origin.body))
            return std::nullopt;
        if (origin.bodyLine < 0) return std::pair(header.slot, header.line);
        size_t pos = 0;
        for (int n = 0; n < origin.bodyLine; ++n) {
            pos = body.find('\n', pos);
            if (pos == std::string_view::npos) return std::nullopt;
            for (++line, ++pos; pos < body.size() && body[pos] == '\n'; ++pos)
                ++line;
        }
        return std::pair(header.slot, line);
    }

    // Sections are told by their index in scan_.headers; -1 for none.
    struct IdInfo {
        std::array<int, 3> firstListing = {-1, -1, -1}; // index into scan_.listed, per kind
        std::array<int, 3> section = {-1, -1, -1};      // what that listing's entry gets
    };

    void Add(FindingKind kind, std::string_view id, int slot, int line, std::u16string what) {
        result_.findings.push_back(
            {kind, std::string(id), names_[size_t(slot)], line, std::move(what)});
    }

    std::u16string Where(int slot, int line) const {
        return res::Format("report.where", {names_[size_t(slot)], Number(line)});
    }

    std::u16string SectionText(int section) const {
        if (section < 0) return res::Str("report.emptySection");
        const Header &header = scan_.headers[size_t(section)];
        return res::Format("report.sectionAt", {Where(header.slot, header.line)});
    }

    void FindUnreadIncludes() {
        for (int slot = 1; slot < kFileSlotCount; ++slot) {
            const FileSlot &file = slots_[size_t(slot)];
            // The sentinel of an include file that could not be read.
            if (!file.text || file.length != 0 || *file.text != "None") continue;
            Add(FindingKind::UnreadInclude, ToNarrow(names_[size_t(slot)]), 0, scan_.includeLine,
                res::Str("report.unreadInclude"));
        }
    }

    // The first header line of `id` in a slot, as HeaderIndex finds it.
    int FindIn(int slot, std::string_view id) {
        if (id.find(']') == std::string_view::npos) {
            auto it = firstHeader_[size_t(slot)].find(id);
            return it == firstHeader_[size_t(slot)].end() ? -1 : it->second;
        }
        // "[A]B]" heads both "A" and "A]B": rare enough for the index's own lookup.
        auto &index = indexes_[size_t(slot)];
        if (!index) index.emplace(*texts_[size_t(slot)]);
        const int offset = index->Find(id);
        if (offset < 0) return -1;
        auto it = std::lower_bound(
            scan_.headers.begin(), scan_.headers.end(), std::pair(slot, offset),
            [](const Header &h, auto place) { return std::pair(h.slot, h.offset) < place; });
        return int(it - scan_.headers.begin());
    }

    // The section the loader takes: first in the list's own slot, then in slot order.
    int SectionOf(const ListLine &entry) {
        if (IsListSectionName(entry.id)) return -1;
        for (int i = -1; i < kFileSlotCount; ++i) {
            const int slot = i < 0 ? entry.slot : i;
            if ((i >= 0 && slot == entry.slot) || !texts_[size_t(slot)]) continue;
            if (int section = FindIn(slot, entry.id); section >= 0) return section;
        }
        return -1;
    }

    void ResolveListedEntries() {
        for (size_t i = 0; i < scan_.listed.size(); ++i) {
            const ListLine &entry = scan_.listed[i];
            IdInfo &info = ids_[entry.id];
            const size_t kind = size_t(entry.kind);
            // A later listing gets the section of the first, as the loader gives it.
            if (info.firstListing[kind] >= 0) continue;
            const int section = SectionOf(entry);
            if (section >= 0) used_[size_t(section)] = true;
            info.firstListing[kind] = int(i);
            info.section[kind] = section;
            for (size_t other = 0; other < 3; ++other) {
                if (other == kind || info.firstListing[other] < 0) continue;
                const ListLine &first = scan_.listed[size_t(info.firstListing[other])];
                const std::u16string otherLabel = res::Str(kKindLabels[other]);
                const std::u16string label = res::Str(kKindLabels[kind]);
                std::u16string what = res::Format(
                    "report.sharedId", {otherLabel, Where(first.slot, first.line), label});
                if (info.section[other] == section) {
                    what += res::Format("report.sharedIdSame", {SectionText(section)});
                } else {
                    what += res::Format("report.sharedIdDifferent",
                                        {otherLabel, SectionText(info.section[other]), label,
                                         SectionText(section)});
                }
                Add(FindingKind::SharedId, entry.id, entry.slot, entry.line, what);
                break;
            }
        }
    }

    void FindCommentedOutEntries() {
        for (const ListLine &entry : scan_.commented) {
            if (ids_.count(entry.id)) continue;
            int section = -1;
            for (int slot = 0; slot < kFileSlotCount && section < 0; ++slot) {
                auto it = firstHeader_[size_t(slot)].find(entry.id);
                if (it != firstHeader_[size_t(slot)].end() &&
                    scan_.headers[size_t(it->second)].role == Role::Section)
                    section = it->second;
            }
            if (section < 0) continue;
            commentedIds_.insert(entry.id);
            const Header &header = scan_.headers[size_t(section)];
            Add(FindingKind::CommentedOutEntry, entry.id, entry.slot, entry.line,
                res::Format("report.commentedOut", {Where(header.slot, header.line)}));
        }
    }

    void FindUnusedSections() {
        for (size_t i = 0; i < scan_.headers.size(); ++i) {
            const Header &header = scan_.headers[i];
            if (header.role == Role::Include) ++result_.otherSections;
            if (header.role != Role::Section || used_[i]) continue;
            if (auto listed = ids_.find(header.key); listed != ids_.end()) {
                const IdInfo &info = listed->second;
                // The section of the ID's first listing is the one kept.
                size_t first = 0;
                for (size_t kind = 1; kind < 3; ++kind)
                    if (info.firstListing[kind] >= 0 &&
                        (info.firstListing[first] < 0 ||
                         info.firstListing[kind] < info.firstListing[first]))
                        first = kind;
                Add(FindingKind::DuplicateSection, header.key, header.slot, header.line,
                    res::Format("report.duplicateSection", {SectionText(info.section[first])}));
            } else if (commentedIds_.count(header.key)) {
                continue;
            } else if (header.entryLike) {
                Add(FindingKind::UnlistedSection, header.key, header.slot, header.line,
                    res::Str("report.unlistedSection"));
            } else {
                ++result_.otherSections;
            }
        }
    }

    std::array<std::u16string, kFileSlotCount> names_;
    std::array<std::optional<std::string_view>, kFileSlotCount> texts_;
    Scan scan_;
    // Per slot, the first header line of each key: what HeaderIndex gives for IDs without ']'.
    std::array<std::unordered_map<std::string_view, int>, kFileSlotCount> firstHeader_;
    std::array<std::optional<HeaderIndex>, kFileSlotCount> indexes_;
    // IDs and keys are views into scan_, which no longer changes.
    std::unordered_map<std::string_view, IdInfo> ids_;
    std::vector<bool> used_; // by header: some entry takes this section
    std::unordered_set<std::string_view> commentedIds_;
    DroppedOnSave result_;
    const std::array<FileSlot, kFileSlotCount> &slots_;
    // Built on the first finding that needs them.
    std::array<LinesById, 3> listings_;
    bool listingsBuilt_ = false;
    LinesById triggerLines_;
};

// The IDs of a list text ("[Name]" then "n=ID" lines) or of the trigger text ("ID=fields"), with
// the text after the ID's '='.
struct Line {
    std::string_view id;
    std::string_view rest;
};
std::vector<Line> LinesOf(std::string_view text, bool idAfterEquals) {
    std::vector<Line> lines;
    ForEachLine(text, [&](std::string_view row) {
        const size_t equals = row.find('=');
        if (StartsWith(row, "[") || equals == std::string_view::npos) return;
        if (idAfterEquals)
            lines.push_back({row.substr(equals + 1), {}});
        else
            lines.push_back({row.substr(0, equals), row.substr(equals)});
    });
    return lines;
}

// An optional sign, digits, and a '.' with more digits before or after it: "50", "-0.5", "12.".
bool IsNumber(std::string_view text) {
    const size_t dot = text.find('.');
    if (dot == std::string_view::npos) return IsWholeNumber(text);
    const std::string_view whole = text.substr(0, dot), fraction = text.substr(dot + 1);
    const bool wholeDigits = IsWholeNumber(whole);
    const bool bareSign = whole.empty() || whole == "-" || whole == "+";
    return (wholeDigits || bareSign) &&
           (fraction.empty() ? wholeDigits : IsWholeNumber(fraction)) &&
           !StartsWith(fraction, "-") && !StartsWith(fraction, "+");
}

// The value of a numbered line ("0=2,E1" gives "2,E1"); nullopt for any other line.
std::optional<std::string_view> NumberedValue(std::string_view row) {
    row = Unindented(row);
    const size_t digits = row.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos || row[digits] != '=') return std::nullopt;
    return ReferenceIn(row.substr(digits + 1));
}

// The type of "count,TYPE": a whole number, then a type name without commas; nullopt for any
// other value.
std::optional<std::string_view> MemberType(std::string_view value) {
    const size_t comma = value.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::string_view type = Trimmed(value.substr(comma + 1));
    if (!IsWholeNumber(Trimmed(value.substr(0, comma))) || type.empty() ||
        type.find(',') != std::string_view::npos)
        return std::nullopt;
    return type;
}

// `name` is `special` ("<none>", "<all>") but for the case of Latin letters, as the game reads it.
bool IsSpecialName(std::string_view name, std::string_view special) {
    return name.size() == special.size() &&
           std::equal(name.begin(), name.end(), special.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b;
           });
}

// The findings of the document, each with where the document holds it.
class DocumentChecker {
public:
    DocumentChecker(const Document &document, const RulesFile *rules, ActionsCheck *actions)
        : document_(document), types_(rules && rules->hasTypeList ? rules : nullptr),
          countries_(rules && rules->hasCountryList ? rules : nullptr), actionsCheck_(actions),
          actions_(actions && actions->profile ? *actions->profile : BaseActions()) {}

    std::vector<Finding> Run() {
        const std::array<const std::string *, 3> listTexts = {
            &document_.taskForceListText, &document_.scriptListText, &document_.teamListText};
        for (size_t kind = 0; kind < 3; ++kind) {
            lists_[kind] = LinesOf(*listTexts[kind], true);
            for (const Line &line : lists_[kind])
                known_[kind].insert(line.id);
        }
        CheckTriggers();
        for (int kind = 0; kind < 3; ++kind)
            CheckEntries(kind);
        Locate();
        if (actionsCheck_) actionsCheck_->hint = ProfileHint();
        std::stable_sort(found_.begin(), found_.end(),
                         [](const Finding &a, const Finding &b) { return a.kind < b.kind; });
        return std::move(found_);
    }

private:
    void Add(FindingKind kind, std::string_view id, std::u16string what, Origin origin) {
        found_.push_back({kind, std::string(id), {}, 0, std::move(what)});
        origins_.push_back(origin);
    }

    static Origin BodyOrigin(int kind, std::string_view id, std::string_view body, int line) {
        return {Origin::Place::Body, kind, id, 0, body, line};
    }

    void CheckTriggers() {
        static constexpr std::string_view kWeights[] = {"report.weight.0", "report.weight.1",
                                                        "report.weight.2"};
        static constexpr std::string_view kLevels[] = {"report.level.0", "report.level.1",
                                                       "report.level.2"};
        std::unordered_map<std::string_view, int> seen;
        std::vector<std::string_view> fields;
        for (const Line &trigger : LinesOf(document_.triggerText, false)) {
            const int occurrence = seen[trigger.id]++;
            const Origin at{Origin::Place::Trigger, 0, trigger.id, occurrence, {}, -1};
            if (occurrence == 1)
                Add(FindingKind::ListedTwice, trigger.id, res::Str("report.triggerListedTwice"),
                    at);
            const std::string team = TriggerField(trigger.rest, 1);
            if (ReferenceIn(team).empty())
                Add(FindingKind::NoTeam, trigger.id, res::Str("report.triggerNoTeam"), at);
            else if (!known_[2].count(ReferenceIn(team)))
                Add(FindingKind::MissingTeam, trigger.id,
                    res::Format("report.triggerMissingTeam", {ToWide(team)}), at);

            fields.clear();
            const std::string_view value = trigger.rest.substr(1);
            for (size_t begin = 0;;) {
                const size_t comma = std::min(value.find(',', begin), value.size());
                fields.push_back(Trimmed(value.substr(begin, comma - begin)));
                if (comma == value.size()) break;
                begin = comma + 1;
            }
            if (fields.size() != 18) {
                Add(FindingKind::TriggerFieldCount, trigger.id,
                    res::Format("report.triggerFieldCount", {Number(int(fields.size()))}), at);
                continue;
            }
            const std::string_view condition = fields[4];
            const bool code = IsWholeNumber(condition);
            if (!code || NarrowToInt(condition) < -1 || NarrowToInt(condition) > 7)
                Add(FindingKind::TriggerCondition, trigger.id,
                    res::Format("report.triggerCondition", {ToWide(condition)}), at);
            // Codes 0, 1 and 7 count units of the condition object's type.
            const int32_t counted = code ? NarrowToInt(condition) : -1;
            const std::string_view object = fields[5];
            if (types_ && (counted == 0 || counted == 1 || counted == 7) &&
                !IsSpecialName(object, "<none>") && !types_->KnowsType(object))
                Add(FindingKind::UnknownConditionObject, trigger.id,
                    res::Format("report.unknownConditionObject", {ToWide(object)}), at);
            const std::string_view house = fields[2];
            if (countries_ && !IsSpecialName(house, "<all>") && !IsSpecialName(house, "<none>") &&
                !countries_->KnowsCountry(house))
                Add(FindingKind::UnknownHouse, trigger.id,
                    res::Format("report.triggerUnknownHouse", {ToWide(house)}), at);
            for (size_t i = 0; i < 3; ++i) {
                if (IsNumber(fields[7 + i])) continue;
                Add(FindingKind::TriggerWeight, trigger.id,
                    res::Format("report.triggerWeight",
                                {res::Str(kWeights[i]), ToWide(fields[7 + i])}),
                    at);
                break;
            }
            for (size_t i = 0; i < 3; ++i) {
                if (IsWholeNumber(fields[15 + i])) continue;
                Add(FindingKind::TriggerDifficulty, trigger.id,
                    res::Format("report.triggerDifficulty",
                                {res::Str(kLevels[i]), ToWide(fields[15 + i])}),
                    at);
                break;
            }
        }
    }

    void CheckEntries(int kind) {
        const std::array<const std::string *, 3> sectionTexts = {&document_.taskForceSectionsText,
                                                                 &document_.scriptSectionsText,
                                                                 &document_.teamSectionsText};
        const std::string_view sections = *sectionTexts[size_t(kind)];
        const HeaderIndex index(sections);
        std::unordered_map<std::string_view, int> seen;
        for (const Line &entry : lists_[size_t(kind)]) {
            const int occurrence = seen[entry.id]++;
            if (occurrence == 1)
                Add(FindingKind::ListedTwice, entry.id,
                    res::Format("report.entryListedTwice", {res::Str(kKindLabels[size_t(kind)])}),
                    {Origin::Place::ListLine, kind, entry.id, 1, {}, -1});
            if (occurrence > 0) continue;
            const int header = index.Find(entry.id);
            std::string_view body;
            if (header >= 0) {
                const size_t start =
                    std::min(sections.find('\n', size_t(header)) + 1, sections.size());
                body = sections.substr(start, size_t(NextHeaderLine(sections, int(start))) - start);
            }
            if (body.find_first_not_of(" \t\n") == std::string_view::npos) {
                Add(FindingKind::EmptySection, entry.id, res::Str("report.entryEmpty"),
                    {Origin::Place::ListLine, kind, entry.id, 0, {}, -1});
            } else if (kind == 2) {
                CheckTeam(entry.id, body);
            } else {
                CheckNumberedLines(kind, entry.id, body);
            }
        }
    }

    // The line of `body` that holds offset `at`, from 0.
    static int LineAt(std::string_view body, size_t at) {
        return int(std::count(body.begin(), body.begin() + std::ptrdiff_t(at), '\n'));
    }

    void CheckTeam(std::string_view id, std::string_view body) {
        struct Reference {
            std::string_view key;
            int kind;
            FindingKind none, missing;
        };
        static constexpr Reference kReferences[] = {
            {"TaskForce", 0, FindingKind::NoTaskForce, FindingKind::MissingTaskForce},
            {"Script", 1, FindingKind::NoScript, FindingKind::MissingScript},
        };
        for (const Reference &ref : kReferences) {
            // The key as the team form reads it: the first line that reads it.
            const std::optional<std::string_view> found = KeyLineValue(body, ref.key);
            const std::string_view value = found.value_or("");
            const size_t at = found ? size_t(value.data() - body.data()) : std::string_view::npos;
            const std::u16string key = ToWide(ref.key);
            if (!found) {
                Add(ref.none, id, res::Format("report.teamNoLine", {key}),
                    BodyOrigin(2, id, body, -1));
            } else if (ReferenceIn(value).empty()) {
                Add(ref.none, id, res::Format("report.teamEmptyValue", {key}),
                    BodyOrigin(2, id, body, LineAt(body, at)));
            } else if (!known_[size_t(ref.kind)].count(ReferenceIn(value))) {
                Add(ref.missing, id,
                    res::Format("report.teamMissing",
                                {res::Str(kKindLabels[size_t(ref.kind)]), ToWide(value)}),
                    BodyOrigin(2, id, body, LineAt(body, at)));
            }
        }
        if (const std::optional<std::string_view> house = KeyLineValue(body, "House");
            house && countries_ && !IsSpecialName(ReferenceIn(*house), "<none>") &&
            !countries_->KnowsCountry(ReferenceIn(*house)))
            Add(FindingKind::UnknownHouse, id,
                res::Format("report.teamUnknownHouse", {ToWide(*house)}),
                BodyOrigin(2, id, body, LineAt(body, size_t(house->data() - body.data()))));
        for (const auto &[key, kind] :
             {std::pair(std::string_view("Priority"), FindingKind::TeamPriority),
              std::pair(std::string_view("Max"), FindingKind::TeamMax)}) {
            const std::optional<std::string_view> value = KeyLineValue(body, key);
            if (!value || IsWholeNumber(ReferenceIn(*value))) continue;
            const size_t at = size_t(value->data() - body.data());
            Add(kind, id, res::Format("report.notInteger", {ToWide(key), ToWide(*value)}),
                BodyOrigin(2, id, body, LineAt(body, at)));
        }
    }

    // The member lines of a task force, the action lines of a script.
    void CheckNumberedLines(int kind, std::string_view id, std::string_view body) {
        int line = 0;
        ForEachLine(body, [&](std::string_view row) {
            const Origin at = BodyOrigin(kind, id, body, line++);
            if (kind == 1) return CheckActionLine(id, row, at);
            const std::optional<std::string_view> value = NumberedValue(row);
            if (!value) return;
            const std::optional<std::string_view> type = MemberType(*value);
            if (!type)
                Add(FindingKind::TaskForceMember, id,
                    res::Format("report.memberLine", {ToWide(row)}), at);
            else if (types_ && !types_->KnowsType(*type))
                Add(FindingKind::UnknownUnit, id, res::Format("report.memberType", {ToWide(*type)}),
                    at);
        });
    }

    void CheckActionLine(std::string_view id, std::string_view row, const Origin &at) {
        const std::optional<ActionLine> line = ParseActionLine(row);
        if (!line) return;
        if (!line->wellFormed) {
            Add(FindingKind::ScriptAction, id, res::Format("report.actionLine", {ToWide(row)}), at);
            return;
        }
        ++used_[line->action];
        const ScriptAction *action = actions_.Find(line->action);
        if (!action) {
            Add(FindingKind::UnknownScriptAction, id,
                res::Format("report.unknownAction",
                            {ToWide(row), ToWide(std::to_string(line->action)), actions_.Label()}),
                at);
            return;
        }
        const std::u16string named = res::Format(
            "report.actionArgument", {ToWide(std::to_string(action->number)), ActionName(*action),
                                      ToWide(std::to_string(line->argument))});
        const int64_t argument = line->argument;
        if (action->argument == ArgumentKind::Target &&
            (argument < 0 || argument >= int64_t(TargetTypeCount()))) {
            Add(FindingKind::ScriptArgument, id, res::Format("report.notTargetType", {named}), at);
        } else if (action->argument == ArgumentKind::Building) {
            const BuildingArgument building = SplitBuildingArgument(argument);
            const size_t count = types_ ? types_->Types(TypeKind::Building).size() : 0;
            if (!IsKnownBuildingMode(building.mode))
                Add(FindingKind::ScriptArgument, id,
                    res::Format("report.buildingMode",
                                {named, ToWide(std::to_string(building.mode))}),
                    at);
            else if (types_ && building.index >= int64_t(count))
                Add(FindingKind::ScriptBuilding, id,
                    res::Format("report.buildingPastEnd",
                                {named, ToWide(std::to_string(building.index)),
                                 ToWide(std::to_string(count))}),
                    at);
        } else if (action->argument == ArgumentKind::PhobosTarget &&
                   (argument < 1 || argument > int64_t(PhobosTargetTypeCount()))) {
            Add(FindingKind::ScriptArgument, id, res::Format("report.notPhobosTarget", {named}),
                at);
        } else if (action->argument == ArgumentKind::Script ||
                   action->argument == ArgumentKind::Team) {
            const bool script = action->argument == ArgumentKind::Script;
            const int64_t count = int64_t(lists_[script ? 1 : 2].size());
            if (argument < 0 || argument >= count)
                Add(FindingKind::ScriptArgument, id,
                    res::Format("report.outOfList", {named, res::Str(kKindLabels[script ? 1 : 2]),
                                                     ToWide(std::to_string(count))}),
                    at);
        }
    }

    // When the profile lacks actions the file uses and a built-in one knows every action it uses:
    // that one, with the count of lines the chosen profile does not know.
    std::u16string ProfileHint() const {
        int unknown = 0;
        for (const auto &[number, lines] : used_)
            if (!actions_.Find(number)) unknown += lines;
        if (unknown == 0) return {};
        for (int e = 0; e < kEngineCount; ++e) {
            if (Engine(e) == actions_.engine()) continue;
            const ActionProfile &other = BuiltInProfile(Engine(e));
            if (std::all_of(used_.begin(), used_.end(),
                            [&](const auto &use) { return other.Find(use.first) != nullptr; }))
                return res::Format("report.profileHint",
                                   {Grouped(unknown), other.Label(), actions_.Label()});
        }
        return {};
    }

    // "1,748".
    static std::u16string Grouped(int n) {
        const std::string digits = std::to_string(n);
        std::u16string grouped;
        for (size_t i = 0; i < digits.size(); ++i) {
            if (i > 0 && (digits.size() - i) % 3 == 0) grouped += u',';
            grouped += char16_t(digits[i]);
        }
        return grouped;
    }

    // One scan of the files Open read, only when something is to be told in them.
    void Locate() {
        if (found_.empty() || !document_.loadedFiles[0].text) return;
        const bool triggers = std::any_of(origins_.begin(), origins_.end(), [](const Origin &o) {
            return o.place == Origin::Place::Trigger;
        });
        SourceFiles files(document_.loadedFiles, triggers);
        for (size_t i = 0; i < found_.size(); ++i)
            files.Locate(origins_[i], found_[i]);
    }

    const Document &document_;
    // The rules file, when it has the lists to check against.
    const RulesFile *types_;
    const RulesFile *countries_;
    std::array<std::vector<Line>, 3> lists_;
    std::array<std::unordered_set<std::string_view>, 3> known_;
    ActionsCheck *actionsCheck_;
    const ActionProfile &actions_;
    std::unordered_map<int64_t, int> used_; // lines per action number
    std::vector<Finding> found_;
    std::vector<Origin> origins_; // by finding
};

} // namespace

struct EntryLocator::Files {
    explicit Files(const Document &document) : files(document.loadedFiles, true) {}
    SourceFiles files;
};

EntryLocator::EntryLocator(const Document &document) {
    if (document.loadedFiles[0].text) files_ = std::make_unique<Files>(document);
}

EntryLocator::~EntryLocator() = default;

std::optional<EntryLocator::Place> EntryLocator::Locate(int kind, std::string_view id,
                                                        std::string_view body, int bodyLine) {
    if (!files_) return std::nullopt;
    const Origin origin = kind == 3 ? Origin{Origin::Place::Trigger, 0, id, 0, {}, -1}
                                    : Origin{Origin::Place::Body, kind, id, 0, body, bodyLine};
    Finding finding;
    files_->files.Locate(origin, finding);
    if (finding.line <= 0) return std::nullopt;
    return Place{std::move(finding.file), finding.line};
}

DroppedOnSave FindDroppedOnSave(const FileSlots &slots) {
    return SourceFiles(slots, false).FindDropped();
}

std::vector<Finding> FindBrokenReferences(const Document &document, const RulesFile *rules,
                                          ActionsCheck *actions) {
    return DocumentChecker(document, rules, actions).Run();
}

std::optional<std::string_view> MemberLineType(std::string_view row) {
    const std::optional<std::string_view> value = NumberedValue(row);
    return value ? MemberType(*value) : std::nullopt;
}

std::u16string ExplainMemberLine(std::u16string_view fieldText, int lineIndex,
                                 const ModNames &names) {
    size_t begin = 0;
    for (int line = 0; line < lineIndex && begin != std::u16string_view::npos; ++line) {
        begin = fieldText.find(u'\n', begin);
        if (begin != std::u16string_view::npos) ++begin;
    }
    if (lineIndex < 0 || begin == std::u16string_view::npos || !names.rules ||
        !names.rules->hasTypeList)
        return {};
    const std::string row = ToNarrow(fieldText.substr(begin, fieldText.find(u'\n', begin) - begin));
    const std::optional<std::string_view> value = NumberedValue(row);
    const std::optional<std::string_view> type = value ? MemberType(*value) : std::nullopt;
    if (!type) return {};
    const std::u16string line = ToWide(std::to_string(lineIndex + 1));
    const std::optional<RulesFile::FoundType> found = names.rules->FindType(*type);
    if (!found) return res::Format("report.unknownMemberType", {line, ToWide(*type)});
    const std::u16string count = ToWide(Trimmed(value->substr(0, value->find(','))));
    const std::u16string name = DisplayName(*found->type, names.strings);
    return res::Format("explain.member",
                       {line, count, ToWide(*type), name.empty() ? u"" : u" — " + name,
                        TypeKindLabel(found->kind)});
}

std::string_view FindingKindName(FindingKind kind) { return kKindTexts[size_t(kind)].name; }
std::u16string FindingKindLabel(FindingKind kind) {
    return res::Str(kKindTexts[size_t(kind)].label);
}
FindingGroup GroupOf(FindingKind kind) { return kKindTexts[size_t(kind)].group; }

std::u16string FindingPlace(const Finding &finding) {
    return finding.line > 0 ? res::Format("report.place", {finding.file, Number(finding.line)})
                            : res::Str("report.inDocument");
}

std::u16string FileReportSummary(const std::u16string &openedPath, const DroppedOnSave &dropped,
                                 const std::vector<Finding> *broken, const RulesFile *rules,
                                 const ActionsCheck *actions) {
    const std::u16string text = FileReportText(openedPath, dropped, broken, rules, actions);
    // The summary ends where the first list of findings (after an empty line) begins.
    const size_t end = text.find(u"\n\n");
    return end == std::u16string::npos ? text : text.substr(0, end + 1);
}

std::u16string FileReportText(const std::u16string &openedPath, const DroppedOnSave &dropped,
                              const std::vector<Finding> *broken, const RulesFile *rules,
                              const ActionsCheck *actions) {
    struct Category {
        FindingGroup group;
        std::u16string title;
        std::vector<const Finding *> findings;
    };
    std::array<Category, 3> categories = {
        {{FindingGroup::Dropped, res::Str("report.group.0"), {}},
         {FindingGroup::Reference, res::Str("report.group.1"), {}},
         {FindingGroup::Value, res::Str("report.group.2"), {}}}};
    std::array<int, kFindingKindCount> counts{};
    auto take = [&](const Finding &finding) {
        ++counts[size_t(finding.kind)];
        categories[size_t(GroupOf(finding.kind))].findings.push_back(&finding);
    };
    std::for_each(dropped.findings.begin(), dropped.findings.end(), take);
    if (broken) std::for_each(broken->begin(), broken->end(), take);

    std::u16string text = res::Format("report.title", {openedPath});
    std::u16string notes = rules ? RulesFileNote(*rules) : std::u16string();
    if (actions) {
        if (!notes.empty()) notes += res::Str("report.notesSeparator");
        notes += res::Format("report.actionTable",
                             {(actions->profile ? *actions->profile : BaseActions()).Label()});
    }
    if (!notes.empty()) text += res::Format("report.rulesNote", {notes});
    if (actions && !actions->hint.empty()) text += res::Format("report.hint", {actions->hint});
    text += u"\n";
    for (const Category &category : categories) {
        if (!broken && category.group != FindingGroup::Dropped) break;
        text += res::Format("report.groupCount",
                            {category.title, Number(int(category.findings.size()))});
        for (size_t kind = 0; kind < counts.size(); ++kind)
            if (kKindTexts[kind].group == category.group && counts[kind] > 0)
                text +=
                    u"  " + res::Str(kKindTexts[kind].label) + u": " + Number(counts[kind]) + u"\n";
        if (category.group == FindingGroup::Dropped && dropped.otherSections > 0)
            text += res::Format("report.otherSections", {Number(dropped.otherSections)});
    }
    for (const Category &category : categories) {
        if (category.findings.empty()) continue;
        text += u"\n" + category.title + u":\n";
        for (const Finding *finding : category.findings) {
            text += u"[" + res::Str(kKindTexts[size_t(finding->kind)].label) + u"] " +
                    ToWide(finding->id) + u" — ";
            text += FindingPlace(*finding);
            text += u": " + finding->what + u"\n";
        }
    }
    if (dropped.findings.empty() && (!broken || broken->empty()))
        text += res::Str("report.noProblems");
    return text;
}

std::u16string RulesFileNote(const RulesFile &rules) {
    if (!rules.hasTypeList && !rules.hasCountryList)
        return res::Format("rules.noLists", {rules.path});
    return res::Format("rules.note", {rules.path, Number(int(rules.TypeCount())),
                                      Number(int(rules.CountryCount()))});
}
