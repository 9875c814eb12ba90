#include "app/filereport.h"

#include "core/document.h"
#include "core/headerindex.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "triggers/triggerformat.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace {

// The three lists whose entries have sections, and what the user calls their entries.
constexpr std::array<std::string_view, 3> kListNames = {"TaskForces", "ScriptTypes", "TeamTypes"};
constexpr std::array<std::u16string_view, 3> kKindLabels = {u"人员", u"脚本", u"队伍"};

struct KindText {
    std::u16string_view label;
    bool dropped;
};
// Indexed by FindingKind.
constexpr KindText kKindTexts[] = {
    {u"未列出的小节", true},      {u"重复的小节", true},         {u"两类共用的 ID", true},
    {u"注释掉的列表行", true},    {u"无法读取的包含文件", true}, {u"触发的队伍不存在", false},
    {u"队伍的人员不存在", false}, {u"队伍的脚本不存在", false},  {u"列表中重复的 ID", false},
    {u"没有小节的条目", false},
};
constexpr size_t kKindCount = std::size(kKindTexts);
static_assert(kKindCount == size_t(FindingKind::EmptySection) + 1);

std::u16string Number(int n) {
    std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

// A reference as the game reads it: up to a ';', without blanks at either end.
std::string_view Cleaned(std::string_view value) {
    value = Unindented(value.substr(0, value.find(';')));
    return value.substr(0, value.find_last_not_of(" \t") + 1);
}

// Lines that make a section look like an entry rather than a setting such as [General].
bool IsEntryLikeLine(std::string_view line) {
    line = Unindented(line);
    if (StartsWith(line, "Name=") || StartsWith(line, "TaskForce=") || StartsWith(line, "Script="))
        return true;
    size_t digits = line.find_first_not_of("0123456789");
    return digits > 0 && digits != std::string_view::npos && line[digits] == '=';
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

struct Scan {
    std::vector<Header> headers;
    std::vector<ListLine> listed;
    std::vector<ListLine> commented;
    int includeLine = 0; // the [#include] header of the opened file
};

// One pass over the lines of one slot.
void ScanSlot(int slot, std::string_view text, Scan &scan) {
    std::optional<size_t> section; // the entry-like test stops at the first line that passes
    int list = -1;
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
        }
    }
}

class DroppedFinder {
public:
    DroppedFinder() {
        const std::u16string &opened = g_fileSlots[0].path;
        const std::u16string folder = opened.substr(0, opened.find_last_of(u"\\/") + 1);
        for (int slot = 0; slot < kFileSlotCount; ++slot) {
            const FileSlot &file = g_fileSlots[size_t(slot)];
            // Include files are named as their include lines name them.
            const bool inFolder = file.path.compare(0, folder.size(), folder) == 0;
            names_[size_t(slot)] = inFolder ? file.path.substr(folder.size()) : file.path;
            if (!file.text) continue;
            texts_[size_t(slot)] = SlotText(file);
            ScanSlot(slot, *texts_[size_t(slot)], scan_);
        }
        for (size_t i = 0; i < scan_.headers.size(); ++i) {
            const Header &header = scan_.headers[i];
            firstHeader_[size_t(header.slot)].emplace(header.key, int(i));
        }
        used_.resize(scan_.headers.size());
        ids_.reserve(scan_.listed.size());
    }

    DroppedOnSave Find() {
        FindUnreadIncludes();
        ResolveListedEntries();
        FindCommentedOutEntries();
        FindUnusedSections();
        std::stable_sort(result_.findings.begin(), result_.findings.end(),
                         [](const Finding &a, const Finding &b) { return a.kind < b.kind; });
        return std::move(result_);
    }

private:
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
        return names_[size_t(slot)] + u" 第 " + Number(line) + u" 行";
    }

    std::u16string SectionText(int section) const {
        if (section < 0) return u"空的一节（没有这一节）";
        const Header &header = scan_.headers[size_t(section)];
        return u" " + Where(header.slot, header.line) + u"的小节";
    }

    void FindUnreadIncludes() {
        for (int slot = 1; slot < kFileSlotCount; ++slot) {
            const FileSlot &file = g_fileSlots[size_t(slot)];
            // The sentinel of an include file that could not be read.
            if (!file.text || file.length != 0 || *file.text != "None") continue;
            Add(FindingKind::UnreadInclude, ToNarrow(names_[size_t(slot)]), 0, scan_.includeLine,
                u"[#include] 列出的这个文件无法读取，其中的内容不会保存。");
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
            const int section = SectionOf(entry);
            if (section >= 0) used_[size_t(section)] = true;
            IdInfo &info = ids_[entry.id];
            const size_t kind = size_t(entry.kind);
            if (info.firstListing[kind] >= 0) continue;
            info.firstListing[kind] = int(i);
            info.section[kind] = section;
            for (size_t other = 0; other < 3; ++other) {
                if (other == kind || info.firstListing[other] < 0) continue;
                const ListLine &first = scan_.listed[size_t(info.firstListing[other])];
                std::u16string what = u"同时列为" + std::u16string(kKindLabels[other]) + u"（" +
                                      Where(first.slot, first.line) + u"）和" +
                                      std::u16string(kKindLabels[kind]) + u"：";
                if (info.section[other] == section) {
                    what += u"两者都得到" + SectionText(section) + u"。";
                } else {
                    what += std::u16string(kKindLabels[other]) + u"得到" +
                            SectionText(info.section[other]) + u"，" +
                            std::u16string(kKindLabels[kind]) + u"得到" + SectionText(section) +
                            u"。";
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
                u"列表行已注释掉，保存时 " + Where(header.slot, header.line) + u"的小节被丢弃。");
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
                    u"保存时只保留" + SectionText(info.section[first]) + u"，这一节被丢弃。");
            } else if (commentedIds_.count(header.key)) {
                continue;
            } else if (header.entryLike) {
                Add(FindingKind::UnlistedSection, header.key, header.slot, header.line,
                    u"没有列表提到这个 ID，保存时这一节被丢弃。");
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

void AddInDocument(std::vector<Finding> &found, FindingKind kind, std::string_view id,
                   std::u16string what) {
    found.push_back({kind, std::string(id), {}, 0, std::move(what)});
}

void FindListedTwice(const std::vector<Line> &lines, std::u16string_view label,
                     std::vector<Finding> &found) {
    std::unordered_map<std::string_view, int> seen;
    for (const Line &line : lines)
        if (++seen[line.id] == 2)
            AddInDocument(found, FindingKind::ListedTwice, line.id,
                          u"这个 ID 在" + std::u16string(label) + u"列表中出现了不止一次。");
}

} // namespace

DroppedOnSave FindDroppedOnSave() { return DroppedFinder().Find(); }

std::vector<Finding> FindBrokenReferences() {
    std::vector<Finding> found;
    const std::array<const std::string *, 3> listTexts = {&g_taskForceListText, &g_scriptListText,
                                                          &g_teamListText};
    const std::array<const std::string *, 3> sectionTexts = {
        &g_taskForceSectionsText, &g_scriptSectionsText, &g_teamSectionsText};
    std::array<std::vector<Line>, 3> lists;
    std::array<std::unordered_set<std::string_view>, 3> known;
    for (size_t kind = 0; kind < 3; ++kind) {
        lists[kind] = LinesOf(*listTexts[kind], true);
        for (const Line &line : lists[kind])
            known[kind].insert(line.id);
    }
    const std::vector<Line> triggers = LinesOf(g_triggerText, false);

    for (const Line &trigger : triggers) {
        const std::string team = TriggerField(trigger.rest, 1);
        if (!known[2].count(Cleaned(team)))
            AddInDocument(found, FindingKind::MissingTeam, trigger.id,
                          u"触发使用的队伍“" + ToWide(team) + u"”不在队伍列表中。");
    }

    for (size_t kind = 0; kind < 3; ++kind) {
        const std::string_view sections = *sectionTexts[kind];
        const HeaderIndex index(sections);
        std::unordered_set<std::string_view> checked;
        for (const Line &entry : lists[kind]) {
            if (!checked.insert(entry.id).second) continue;
            const int header = index.Find(entry.id);
            std::string_view body;
            if (header >= 0) {
                const size_t start = std::min(sections.find('\n', size_t(header)), sections.size());
                body = sections.substr(start, size_t(NextHeaderLine(sections, int(start))) - start);
            }
            if (body.find_first_not_of(" \t\n") == std::string_view::npos) {
                AddInDocument(found, FindingKind::EmptySection, entry.id,
                              u"这个条目没有小节，保存时写成空的一节。");
                continue;
            }
            if (kind != 2) continue;
            const std::string taskForce = ValueOfKey(body, "TaskForce=");
            if (!known[0].count(Cleaned(taskForce)))
                AddInDocument(found, FindingKind::MissingTaskForce, entry.id,
                              u"队伍使用的人员“" + ToWide(taskForce) + u"”不在人员列表中。");
            const std::string script = ValueOfKey(body, "Script=");
            if (!known[1].count(Cleaned(script)))
                AddInDocument(found, FindingKind::MissingScript, entry.id,
                              u"队伍使用的脚本“" + ToWide(script) + u"”不在脚本列表中。");
        }
        FindListedTwice(lists[kind], kKindLabels[kind], found);
    }
    FindListedTwice(triggers, u"触发", found);
    std::stable_sort(found.begin(), found.end(),
                     [](const Finding &a, const Finding &b) { return a.kind < b.kind; });
    return found;
}

std::u16string FileReportText(const DroppedOnSave &dropped, const std::vector<Finding> *broken) {
    std::array<int, kKindCount> counts{};
    for (const Finding &finding : dropped.findings)
        ++counts[size_t(finding.kind)];
    if (broken)
        for (const Finding &finding : *broken)
            ++counts[size_t(finding.kind)];

    std::u16string text = u"检查文件: " + g_openedPath + u"\n";
    auto category = [&](bool droppedPart, std::u16string_view title,
                        const std::vector<Finding> &findings) {
        text += std::u16string(title) + u": " + Number(int(findings.size())) + u" 项\n";
        for (size_t kind = 0; kind < kKindCount; ++kind)
            if (kKindTexts[kind].dropped == droppedPart && counts[kind] > 0)
                text += u"  " + std::u16string(kKindTexts[kind].label) + u": " +
                        Number(counts[kind]) + u"\n";
    };
    category(true, u"保存时丢弃", dropped.findings);
    if (dropped.otherSections > 0)
        text += u"  另有 " + Number(dropped.otherSections) +
                u" 个其他小节（如 [General]）按设计不保存，不逐一列出。\n";
    if (broken) category(false, u"引用错误", *broken);

    auto list = [&](std::u16string_view title, const std::vector<Finding> &findings) {
        if (findings.empty()) return;
        text += u"\n" + std::u16string(title) + u":\n";
        for (const Finding &finding : findings) {
            text += u"[" + std::u16string(kKindTexts[size_t(finding.kind)].label) + u"] " +
                    ToWide(finding.id) + u" — ";
            text += finding.line > 0 ? finding.file + u" 第 " + Number(finding.line) + u" 行"
                                     : std::u16string(u"文档中");
            text += u": " + finding.what + u"\n";
        }
    };
    list(u"保存时丢弃", dropped.findings);
    if (broken) list(u"引用错误", *broken);
    if (dropped.findings.empty() && (!broken || broken->empty())) text += u"\n没有发现问题。\n";
    return text;
}
