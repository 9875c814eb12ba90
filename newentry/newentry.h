#pragma once
// The document work of the new entry dialog: which IDs may be created, and appending an entry of
// each kind with its default content and the signal its window acts on. IDs are the wide text the
// user typed; the texts get it in the ANSI code page.

#include "core/document.h"

#include <optional>
#include <string>
#include <string_view>

// The kinds by the index of their choice in the dialog; the editor windows preselect them.
enum class NewEntryKind { Trigger = 0, Team = 1, Script = 2, TaskForce = 3 };

// Whether an entry of `kind` has the narrow `id`: in its registry list or as a section header (a
// trigger line for triggers).
bool KindHasEntry(const Document &document, NewEntryKind kind, std::string_view id);

// Why `id` cannot become a new entry of `kind`, as a message for the user; nullopt when it can.
// Refused: a line break, '[', ']', '=', ';' or ',' (each would split or end a line, a header or a
// field in the file), a blank or tab at either end (the loaders drop them, so the entry would
// not be found again), the name of a list or of the include section for an entry with a section
// ("TeamTypes": its header would be read as that list), and an ID that an entry of the same kind
// already has in its registry list or as a section header (or as a trigger line). An empty ID is
// the caller's business.
// What NewEntryIdProblem refuses of the ID's text itself, whatever the document holds.
std::optional<std::u16string> IdTextProblem(NewEntryKind kind, std::u16string_view id);

std::optional<std::u16string> NewEntryIdProblem(const Document &document, NewEntryKind kind,
                                                std::u16string_view id);

// Appends the entry and marks it for its window:
// - a trigger: its line with the new-trigger value, as the last line; g_newTriggerPending and
//   g_newTriggerId, or g_newTriggerLaterIds while an earlier one still waits for its row;
// - a team: NewTeam (teams/teamlist.h);
// - a script: the section "[id]\nName=Drumo\n\n" and the registry line "n=id";
// - a task force: the section "[id]\nName=Drumo\nGroup=-1\n\n", the registry line "n=id", and
//   g_taskForceListChanged.
// For scripts and task forces `listedRows` is the number of rows the kind's window lists. The
// new entry is numbered after them, startNumber + listedRows (+ 1 when an earlier new entry
// still waits for its row), and its pending row goes after them too; so the number is new
// whichever window opened the dialog.
// With `body`, the entry gets it instead of the default content: a section's body after its
// header line, or a trigger line's text after the ID (beginning with '=').
void AppendNewEntry(Document &document, NewEntryKind kind, std::u16string_view id, int listedRows,
                    std::optional<std::string_view> body = std::nullopt);
