#include "core/registrylist.h"

#include "core/document.h"
#include "core/headerindex.h"
#include "core/initext.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

namespace {

// The part of a slot's text that its length covers: the sentinel of an unreadable include file
// has length 0, so nothing is found in it.
void ReadListBlock(std::string_view block, std::vector<RegistryRecord> &records) {
    const size_t first = records.size();
    ForEachLine(block, [&](std::string_view line) {
        RegistryRecord record;
        if (IsAppendLine(line)) {
            // Sorts right after the line before it in this block, or first of all.
            if (records.size() > first) {
                record.number = records.back().number;
                record.numbered = records.back().numbered;
            } else {
                record.numbered = false;
            }
        } else if (IsRegistryLine(line)) {
            record.number = NarrowToInt(*SplitKeyValue(line, '=', 0));
        } else {
            return;
        }
        record.id = ListLineId(line);
        records.push_back(std::move(record));
    });
}

// Fills in the body and comment of `record` from the section headed "[id]" at `header`.
void TakeSection(std::string_view text, int header, RegistryRecord &record) {
    const size_t start = SectionBodyStart(text, header, record.id);
    record.body = text.substr(start, size_t(NextHeaderLine(text, int(start))) - start);
    std::string name = ValueOfKey(record.body, "Name=");
    record.comment = name == "None" ? std::string() : std::move(name);
}

} // namespace

std::string_view SlotText(const FileSlot &slot) {
    std::string_view text = *slot.text;
    return text.substr(0, std::min(text.size(), size_t(std::max(slot.length, 0))));
}

size_t SectionBodyStart(std::string_view text, int header, std::string_view id) {
    const size_t start = std::min(size_t(header) + id.size() + 3, text.size());
    // A '[' that starts a line is the next header; one in the header line would read as one.
    if (start == text.size() || text[start] != '[' || text[start - 1] == '\n') return start;
    const size_t lf = text.find('\n', start);
    return lf == std::string_view::npos ? text.size() : lf + 1;
}

bool IsListSectionName(std::string_view id) {
    return id == "TaskForces" || id == "ScriptTypes" || id == "TeamTypes" ||
           id == "AITriggerTypes" || id == "#include";
}

std::string ListLineId(std::string_view line) {
    std::string id = SplitKeyValue(line, '=', 1).value_or("");
    // Hand-edited files often carry blanks after an ID; kept, they would make its header
    // unfindable.
    id.erase(std::min(id.size(), id.find_last_not_of(" \t\r") + 1));
    return id;
}

std::vector<std::string_view> ListIds(std::string_view listText) {
    std::vector<std::string_view> ids;
    ForEachLine(listText, [&ids](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos) ids.push_back(line.substr(equals + 1));
    });
    return ids;
}

std::string WithoutEntryLines(std::string_view listText,
                              const std::vector<RegistryEntry> &entries) {
    // The lines that hold '=', by their whole text and by their ID, each in file order; a queue
    // is taken from the front, past the lines an earlier entry took already.
    struct Queue {
        std::vector<size_t> lines;
        size_t next = 0;
    };
    std::vector<std::string_view> lines;
    std::unordered_map<std::string_view, Queue> byLine, byId;
    ForEachLine(listText, [&](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            byLine[line].lines.push_back(lines.size());
            byId[line.substr(equals + 1)].lines.push_back(lines.size());
        }
        lines.push_back(line);
    });
    std::vector<bool> taken(lines.size());
    auto take = [&taken](std::unordered_map<std::string_view, Queue> &index, std::string_view key) {
        auto it = index.find(key);
        if (it == index.end()) return false;
        Queue &queue = it->second;
        while (queue.next < queue.lines.size() && taken[queue.lines[queue.next]])
            ++queue.next;
        if (queue.next == queue.lines.size()) return false;
        taken[queue.lines[queue.next]] = true;
        return true;
    };
    for (const RegistryEntry &entry : entries) {
        if (!take(byLine, entry.number + "=" + entry.id)) take(byId, entry.id);
    }

    std::string out;
    out.reserve(listText.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        if (taken[i]) continue;
        out.append(lines[i]);
        // A last line without an LF stays without one.
        if (lines[i].end() != listText.end()) out += '\n';
    }
    return out;
}

std::vector<RegistryRecord> ReadRegistryRecords(const FileSlots &slots, std::string_view listName,
                                                SlotIndexes *shared) {
    std::array<std::optional<std::string_view>, kFileSlotCount> texts;
    for (int slot = 0; slot < kFileSlotCount; ++slot) {
        if (slots[size_t(slot)].text) texts[size_t(slot)] = SlotText(slots[size_t(slot)]);
    }

    std::vector<RegistryRecord> records;
    std::vector<int> listSlot; // the slot each record's registry line came from
    for (int slot = 0; slot < kFileSlotCount; ++slot) {
        if (!texts[size_t(slot)]) continue;
        std::string_view text = *texts[size_t(slot)];
        // A block starts after its header and the one character after it, and ends before the
        // next line that starts with '['; a second block further down is read as well.
        for (int header = HeaderLineOf(text, listName); header >= 0;) {
            size_t start = size_t(header) + listName.size() + 3;
            if (start >= text.size()) break;
            int end = NextHeaderLine(text, int(start));
            ReadListBlock(text.substr(start, size_t(end) - start), records);
            listSlot.resize(records.size(), slot);
            header = HeaderLineOf(text, listName, end);
        }
    }

    // One index per slot, built on first use, so that no lookup rescans a text from its start.
    SlotIndexes own;
    SlotIndexes &indexes = shared ? *shared : own;
    auto findIn = [&](int slot, std::string_view id) {
        if (!texts[size_t(slot)]) return -1;
        if (!indexes[size_t(slot)]) indexes[size_t(slot)].emplace(*texts[size_t(slot)]);
        return indexes[size_t(slot)]->Find(id);
    };
    // An ID listed again gets the section of its first listing, the one every lookup by ID
    // finds: what a save writes of it reads back the same.
    std::unordered_map<std::string_view, size_t> firstListing;
    for (size_t i = 0; i < records.size(); ++i) {
        RegistryRecord &record = records[i];
        if (auto [first, isNew] = firstListing.emplace(record.id, i); !isNew) {
            record.body = records[first->second].body;
            record.comment = records[first->second].comment;
            continue;
        }
        int slot = listSlot[i];
        int header = -1;
        // The header of a list's name is that list's.
        if (!IsListSectionName(record.id)) {
            header = findIn(slot, record.id);
            for (int other = 0; header < 0 && other < kFileSlotCount; ++other) {
                if (other == listSlot[i]) continue;
                slot = other;
                header = findIn(other, record.id);
            }
        }
        if (header >= 0)
            TakeSection(*texts[size_t(slot)], header, record);
        else
            record.comment = "[" + record.id + "]";
    }
    return records;
}

void SortRegistryRecords(std::vector<RegistryRecord> &records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const RegistryRecord &a, const RegistryRecord &b) {
                         return std::pair(a.numbered, a.number) < std::pair(b.numbered, b.number);
                     });
}

void AppendRegistryTexts(std::vector<RegistryRecord> records, const RegistryKind &kind) {
    SortRegistryRecords(records);
    size_t listSize = kind.listName.size() + 3, sectionsSize = 1;
    for (const RegistryRecord &record : records) {
        listSize += record.id.size() + 13; // up to 11 digits and a sign, "=", LF
        sectionsSize += record.id.size() + record.body.size() + 4;
    }
    kind.listText.reserve(kind.listText.size() + listSize);
    kind.sectionsText.reserve(kind.sectionsText.size() + sectionsSize);

    kind.listText += '[';
    kind.listText += kind.listName;
    kind.listText += "]\n";
    kind.sectionsText += '\n';
    // 64-bit, so that a start number near the top of the range cannot overflow.
    int64_t number = kind.startNumber;
    for (const RegistryRecord &record : records) {
        kind.listText += std::to_string(number++);
        kind.listText += '=';
        kind.listText += record.id;
        kind.listText += '\n';
        kind.sectionsText += '[';
        kind.sectionsText += record.id;
        kind.sectionsText += "]\n";
        // Each line of the body ends with an LF, and one more ends the section: what a save
        // writes reads back the same. Line breaks alone are no line of the entry, and the last
        // line of a file may lack its LF.
        if (record.body.find_first_not_of('\n') != std::string_view::npos) {
            AppendSqueezed(kind.sectionsText, record.body);
            if (kind.sectionsText.back() != '\n') kind.sectionsText += '\n';
        }
        kind.sectionsText += '\n';
    }
}

void LoadRegistryKind(const FileSlots &slots, const RegistryKind &kind, SlotIndexes *indexes) {
    AppendRegistryTexts(ReadRegistryRecords(slots, kind.listName, indexes), kind);
}
