#pragma once
// The entries of a document by kind and ID, indexed once, so that work across documents asks
// "has it?" and "what is its body?" without scanning a text per entry.

#include "core/document.h"
#include "core/headerindex.h"
#include "newentry/newentry.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class EntryTable {
public:
    // `document` must outlive the table and keep its texts unchanged.
    explicit EntryTable(const Document &document);

    // Whether an entry of `kind` has `id`, as KindHasEntry tells it.
    bool Has(NewEntryKind kind, std::string_view id) const;
    bool AnyHas(std::string_view id) const;

    // A registry entry's section after its header line, without the line breaks that end it; a
    // trigger's line after its ID (beginning with '='). Empty for an entry without a section;
    // nullopt when the kind has no entry of `id`.
    std::optional<std::string_view> Body(NewEntryKind kind, std::string_view id) const;

    // The IDs of a kind in list order: the registry list's lines, or the trigger lines (each
    // trigger ID once). Script and team actions count indexes in these.
    const std::vector<std::string_view> &Ids(NewEntryKind kind) const { return ids_[int(kind)]; }

    // The index of `id` in Ids(kind), its first line; nullopt when it has none.
    std::optional<size_t> IndexOf(NewEntryKind kind, std::string_view id) const;

    // The entry's name: a section's first "Name=" value, a trigger's field 0.
    std::string Name(NewEntryKind kind, std::string_view id) const;

private:
    const Document &document_;
    std::array<std::vector<std::string_view>, 4> ids_;
    std::array<std::unordered_map<std::string_view, size_t>, 4> indexes_;
    // Section headers of the three registry kinds (unused for triggers).
    std::array<std::optional<HeaderIndex>, 4> headers_;
    std::unordered_map<std::string_view, std::string_view> triggerRests_;
};

// An entry to append: its kind, ID and body (as EntryTable::Body gives one).
struct AddedEntry {
    NewEntryKind kind;
    std::string id;
    std::string body;
};

// Appends the entries in order, as 新增 and 复制 append one: scripts and task forces numbered
// after the entries listed, teams at the end of the team list, which is then renumbered, trigger
// lines last. One pass over each text, however many entries.
void AppendEntries(Document &document, const std::vector<AddedEntry> &entries);
