#pragma once
// The entry operations modders do all day: a copy of an entry under a new ID, and a rename that
// carries every reference along. The editor's buttons and `vantaedit-cli rename` share them.
// IDs are the wide text the user typed; the texts get them in the ANSI code page.

#include "core/document.h"
#include "newentry/newentry.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The list text and the sections text of a kind with a registry list; nullopt for triggers,
// which have one text.
struct RegistryTexts {
    std::string Document::*list;
    std::string Document::*sections;
};
std::optional<RegistryTexts> RegistryTextsOf(NewEntryKind kind);

// A free ID for a copy of `id`: for an ID whose part before its last '-' ends in hexadecimal
// digits ("0CE4CA3C-G"), the next number of the same width that no entry of any kind has
// ("0CE4CA3D-G"); otherwise, and when the digits would need another place, `id` with "_2", "_3",
// ... that no entry has.
std::u16string SuggestCopyId(const Document &document, std::u16string_view id);
// The same with `taken` telling which narrow IDs are taken.
std::u16string SuggestCopyId(std::u16string_view id,
                             const std::function<bool(std::string_view)> &taken);

// The kind whose entry `id` is, when exactly one kind has it.
std::optional<NewEntryKind> KindOfEntry(const Document &document, std::string_view id);

// Appends `to`, a copy of entry `from` of `kind` (its section's body, or its trigger line's
// text after the ID), as the new entry dialog appends a new one (AppendNewEntry). False, changing
// nothing, when `from` has no such entry or `to` is refused as a new ID of that kind.
bool DuplicateEntry(Document &document, NewEntryKind kind, std::u16string_view from,
                    std::u16string_view to, int listedRows);

// Why `from` cannot be renamed to `to`, for the user; nullopt when it can. Refused: what the new
// entry dialog refuses of `to`, a `to` that any kind already has, a `from` that no kind has or
// that two kinds have (which one would be meant?).
std::optional<std::u16string> RenameProblem(const Document &document, std::u16string_view from,
                                            std::u16string_view to);

// How many entries refer to `id` of `kind` and a rename would change: teams naming a task force
// or script in their TaskForce= or Script= line, triggers naming a team as either of their two
// teams. A value refers to an ID when it reads the ID but for a ';' note and outer blanks.
int ReferenceCount(const Document &document, NewEntryKind kind, std::string_view id);

// The message that says so: "将更新 5 个队伍中的引用".
std::u16string ReferenceCountText(NewEntryKind kind, int count);

// Renames entry `from` to `to`: the registry lines of its kind that read exactly `from` and its
// section header lines, or its trigger lines; and every reference to it (see ReferenceCount),
// where only the ID in the value changes. Nothing else in any text changes. Returns the number
// of entries whose references changed; nullopt, changing nothing, when RenameProblem refuses.
std::optional<int> RenameEntry(Document &document, std::u16string_view from,
                               std::u16string_view to);

// The new ID of a referenced ID (as ReferenceIn reads it); nullptr for one that stays.
using RenamedId = std::function<const std::string *(std::string_view id)>;

// Team sections with each team's first line that reads `key` ("TaskForce" or "Script"), as the
// team form reads it, naming the new ID where `renamed` gives one for its reference; only the ID
// in the value changes, a ';' note stays. `count` is raised for each team changed.
std::string RenameTeamReferences(std::string_view sections, std::string_view key,
                                 const RenamedId &renamed, int &count);

// Trigger lines with the new ID `ids` gives for a line's own ID, and the new IDs `teams` gives for
// its team (field 1) and second team (field 14), changed as RenameTeamReferences changes a value.
// Either lookup may be empty. `count` is raised for each line whose teams changed.
std::string RenameInTriggers(std::string_view text, const RenamedId &ids, const RenamedId &teams,
                             int &count);
