#pragma once
// The loader shared by the kinds that keep a registry list ([TaskForces], [ScriptTypes],
// [TeamTypes]): every list block of every loaded slot is read, the entries are sorted by their
// registry number and written back as a list numbered from g_startNumber plus one text holding
// every entry's section.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One registry line of a list, with what was found of its entry's section.
struct RegistryRecord {
    int32_t number = -1; // from the file; only orders the entries
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
};

// Records of every registry line under `listName`, in file order: slots in order, every block of
// the list in a slot in order. A section is looked up first in its list's own slot, then in the
// other slots in slot order; an entry without one gets an empty body. The bodies point into
// g_fileSlots, so the records must be used before the slots change.
std::vector<RegistryRecord> ReadRegistryRecords(std::string_view listName);

// Sorts the records by number (equal numbers keep their file order) and appends the list text
// ("[name]", then "n=ID" numbered from g_startNumber) and the sections text (one LF, then per
// entry its header line, its body with runs of LFs made one, and an LF).
void AppendRegistryTexts(std::vector<RegistryRecord> records, const RegistryKind &kind);

// Both steps for a kind whose loader does nothing else.
void LoadRegistryKind(const RegistryKind &kind);
