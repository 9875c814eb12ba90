#pragma once
// Registry lists ([TaskForces], [ScriptTypes], [TeamTypes]) and the sections they name: the loader
// that every such kind runs at Open, and the list work the task force, script and team windows
// share (walking lines, cutting a section, taking entries out of a list).

#include "core/document.h"
#include "core/headerindex.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Calls `take(line)` for every line of `text`, without its LF: a last line without an LF too,
// but not the empty piece after a final LF.
template <class F> void ForEachLine(std::string_view text, F take) {
    for (size_t begin = 0; begin < text.size();) {
        size_t lf = text.find('\n', begin);
        if (lf == std::string_view::npos) lf = text.size();
        take(text.substr(begin, lf - begin));
        begin = lf + 1;
    }
}

// The part of a loaded slot's text that its length covers: the sentinel of an include file that
// was not read has length 0, so nothing is found in it.
std::string_view SlotText(const FileSlot &slot);

// The ID of a registry line or a "+=" line as the loader takes it: the cleaned value after the
// first '=', without blanks, tabs or CRs at its end.
std::string ListLineId(std::string_view line);

// The ID of every line of a registry list text that holds '=' (the text after its first '='), in
// order. The views point into `listText`.
std::vector<std::string_view> ListIds(std::string_view listText);

// An entry as a list row names it: its registry number and ID, narrow.
struct RegistryEntry {
    std::string number;
    std::string id;
};

// `listText` without the registry lines of `entries`: for each entry, the first line still there
// that reads exactly "number=id", else the first one whose ID (the text after its first '=') is
// `id`. An entry without such a line takes nothing out. One pass over the text, whatever the
// number of entries.
std::string WithoutEntryLines(std::string_view listText, const std::vector<RegistryEntry> &entries);

// The sections that hold the lists and the include lines: "TaskForces", "ScriptTypes",
// "TeamTypes", "AITriggerTypes" and "#include". An entry of such an ID has no section of its own:
// a header for it would be read as that list.
bool IsListSectionName(std::string_view id);

// Where the body of the section whose header "[id]" starts at `header` in `text` begins: after
// the header and the one character that follows it (normally its LF). What is left of the header
// line is the body's first line, unless it starts with '[' and would read as a header of its own;
// the body then begins on the next line.
size_t SectionBodyStart(std::string_view text, int header, std::string_view id);

// One registry line of a list, with what was found of its entry's section.
struct RegistryRecord {
    int32_t number = -1; // from the file; only orders the entries
    // A "+=ID" line has no number of its own: it takes the one of the line before it in its
    // block, and sorts before every numbered line when it is the first of its block.
    bool numbered = true;
    std::string id;
    std::string comment; // the section's Name value; the bracketed ID when there is no section
    // The section after its header line, up to the next section: a view into the slot's text,
    // which the loader does not copy.
    std::string_view body;
};

// The parameters that tell one kind from another.
struct RegistryKind {
    std::string_view listName; // the list's header without its brackets, e.g. "TaskForces"
    std::string &listText;
    std::string &sectionsText;
    int startNumber; // the first registry number
};

using FileSlots = std::array<FileSlot, kFileSlotCount>;

// The section headers of each slot, indexed when first looked up. One Open shares them among its
// kinds, so that each slot is indexed once, not once per kind; they point into the slots' texts.
using SlotIndexes = std::array<std::optional<HeaderIndex>, kFileSlotCount>;

// Records of every registry line and "+=" line under `listName`, in file order: slots in order,
// every block of the list in a slot in order. Commented-out lines are not entries. A section is
// looked up first in its list's own slot, then in the other slots in slot order; an entry without
// one (a list's name included) gets an empty body, and an ID listed again the section of its
// first listing. The bodies point into `slots`, so the records must be used before the
// slots change. `indexes`, when given, are those of these slots, shared with other kinds.
std::vector<RegistryRecord> ReadRegistryRecords(const FileSlots &slots, std::string_view listName,
                                                SlotIndexes *indexes = nullptr);

// Sorts the records as a list is written: lines without a number of their own first, then by
// number; equal keys keep their file order.
void SortRegistryRecords(std::vector<RegistryRecord> &records);

// Sorts the records (SortRegistryRecords) and appends the list text ("[name]", then "n=ID" numbered
// from the kind's start number) and the sections text (one LF, then per entry its header line, its
// body's lines each with one LF, and an LF; runs of LFs are made one, and a body of LFs alone has
// no lines).
void AppendRegistryTexts(std::vector<RegistryRecord> records, const RegistryKind &kind);

// Both steps for a kind whose loader does nothing else.
void LoadRegistryKind(const FileSlots &slots, const RegistryKind &kind,
                      SlotIndexes *indexes = nullptr);
