#pragma once
// Entries brought from another AI file with everything they use: a trigger its teams, a team its
// task force and script, a script the scripts and teams its actions name by index. The editor's
// 导入条目... and `vantaedit-cli import` run the same work. IDs are narrow, as the texts hold them.

#include "core/document.h"
#include "newentry/newentry.h"

#include <string>
#include <string_view>
#include <vector>

struct EntryRef {
    NewEntryKind kind;
    std::string id;
    bool operator==(const EntryRef &) const = default;
};

// The entries of `from` with each of `ids`: one, or one per kind that shares the ID. `missing`
// gets the IDs that no entry of `from` has.
std::vector<EntryRef> EntriesWithIds(const Document &from, const std::vector<std::string> &ids,
                                     std::vector<std::string> &missing);

// Whether this file has an entry of the other file's kind and ID, and with which body.
enum class Presence { Absent, SameBody, OtherBody };

struct ImportableEntry {
    NewEntryKind kind;
    std::string id;
    std::string name;
    Presence presence;
};

// Every entry of `from`, triggers, teams, scripts, then task forces, each kind in list order,
// with how `into` holds its ID. Bodies compare as text, line-break runs made one: an entry whose
// body is the same may still be imported under a new ID when what it uses differs.
std::vector<ImportableEntry> ImportableEntries(const Document &into, const Document &from);

struct ImportedEntry {
    NewEntryKind kind;
    std::string id;    // in the other file
    std::string newId; // in this one: `id`, or a new ID when this file has `id` otherwise
    bool kept;         // this file has the entry already, equal: nothing was added
};

// Imports the `picked` entries of `from` into `into` with everything they use, taken in turn
// (picked entries first, then what each uses). An entry of an ID that `into` has for the same
// kind with the same body, once its references are read as the import will write them, is kept
// (not copied again); one whose ID `into` has otherwise (another body, or another kind) is
// imported under the ID SuggestCopyId gives, and the imported entries refer to it there. Script
// actions that name a script or team by index get the index of that entry in `into`'s list after
// the import. New scripts and task forces are numbered as 新增 numbers them, after the entries
// listed; new teams go to the end of the team list, which is renumbered; new trigger lines go
// last. Nothing already in `into` changes. Entries `picked` names that `from` lacks are skipped.
// Returns every entry of the import, in the order taken.
std::vector<ImportedEntry> ImportEntries(Document &into, const Document &from,
                                         const std::vector<EntryRef> &picked);

// The kind as `vantaedit-cli` prints it: "trigger", "team", "script", "task-force".
std::string_view KindWord(NewEntryKind kind);
// The kind as the editor names it: 触发, 队伍, 脚本, 人员.
std::u16string KindName(NewEntryKind kind);

// For the user: what the import did, naming the entries imported under a new ID
// ("导入了 5 个条目，1 个已有相同的条目。\n以下条目改用了新的注册名称:\n队伍 A → A_2").
std::u16string ImportSummary(const std::vector<ImportedEntry> &entries);
