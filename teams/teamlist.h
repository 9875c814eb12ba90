#pragma once
// The team registry text and the team sections text kept in step: a new team appended, the list
// rebuilt and renumbered, teams deleted. The team window shows the rows these return.

#include "core/document.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where a new team's body comes from: a file of this name in the current directory.
inline constexpr char16_t kTeamTemplateFile[] = u"LoadTempTeamData.txt";

// Appends team `id` (narrow) to both team texts with a provisional registry number
// (teamLineCount, raised by one first, plus startNumber) and the template file's content,
// line-break runs made one, as its body; without a readable template the body is empty. Sets
// g_teamRebuildPending, so the team window renumbers and lists it, and raises g_teamListChanged.
void NewTeam(Document &document, std::string_view id,
             const std::u16string &templateFile = kTeamTemplateFile);

// NewTeam with `body` (none: an empty one) in place of the template's content.
void AppendTeam(Document &document, std::string_view id, std::optional<std::string_view> body);

// One row of the team list, narrow.
struct TeamRow {
    std::string number;
    std::string id;
    std::string comment; // the section's Name value; "None" without one
};

// Rebuilds both team texts from the registry lines of the team list text, in their order: every
// line that holds "=" is a team, numbered from the start number, with its section (the first one
// headed
// "[id]", line-break runs made one; an empty line when there is none). Sections of IDs that no
// line names are dropped. The list text ends with an empty line. Clears g_teamRebuildPending.
// Returns the rows, one per team.
std::vector<TeamRow> RebuildTeamTexts(Document &document);

// Removes the registry line of each of `rows` (the first reading exactly "number=id", else the
// first with that ID), then rebuilds as RebuildTeamTexts does but with every remaining section as
// it stands, so the deleted teams' sections go and the others are renumbered. Raises
// g_teamListChanged. Returns the remaining rows.
std::vector<TeamRow> DeleteTeams(Document &document, const std::vector<TeamRow> &rows);
