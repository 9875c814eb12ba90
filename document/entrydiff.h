#pragma once
// Two versions of an AI file compared by entry, not by line: the entries added, removed and
// changed. An entry is its kind, its ID and its body as Save writes it; its registry number and
// its place in the list are no part of it, so a list that was only renumbered compares equal.

#include "core/document.h"
#include "document/entrykind.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One entry of a document's texts. `body` is, for a task force, script or team, its section
// after the header line as Save writes it (each line with its LF, runs of LFs made one, without
// the blank line that ends the section); for a trigger its line after "ID=". An ID listed twice is
// two entries: `occurrence` counts the earlier entries of the same kind and ID.
struct Entry {
    EntryKind kind;
    std::string_view id;
    std::string_view body;
    int occurrence = 0;
};

// Every entry of the document's seven texts as the loaders leave them (and Save writes them), in
// Save's order: task forces, scripts, teams, triggers, each kind in list order. The views point
// into `document`.
std::vector<Entry> EntriesOf(const Document &document);

// A team body's lines by key: the first line of each key (KeyOfLine), in body order.
struct KeyLine {
    std::string_view key;
    std::string_view line; // the whole line, without its LF
};
struct KeyLines {
    std::vector<KeyLine> keys;
    // True when every line of the body reads a key and no key has two lines: the body is then
    // exactly its keys, and can be merged key by key.
    bool onlyKeys = true;
};
KeyLines KeyLinesOf(std::string_view body);

// The body's lines, without their LFs.
std::vector<std::string_view> LinesOf(std::string_view body);

// The name of a trigger line's field `index` (from 0, counted after "ID="): "name", "team",
// "house", ..., "hard"; "field18" and so on past the eighteenth.
std::string TriggerFieldName(int index);

struct FieldChange {
    std::string name;                         // a team's key or a trigger field's name
    std::optional<std::string> before, after; // nullopt where the key or field is absent
};

struct EntryChange {
    enum class What { Added, Removed, Changed };
    What what;
    EntryKind kind;
    std::string id;
    int occurrence = 0;
    // Changed, a trigger: the fields that differ. A team: the keys whose value differs, in the
    // old body's order, then the keys only the new body has.
    std::vector<FieldChange> fields;
    // Changed, a task force or script, or a team whose keys are equal but whose lines are not
    // (a comment, the order of its lines): the lines from the first that differs to the last,
    // as the old and the new body have them.
    std::vector<std::string> removedLines, addedLines;
};

// What changed from `before` to `after`: per kind in Save's order, the entries removed or
// changed in the old order, then the entries added in the new order. Linear in the entries and
// their lines.
std::vector<EntryChange> DiffEntries(const std::vector<Entry> &before,
                                     const std::vector<Entry> &after);
