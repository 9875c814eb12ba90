#include "teams/teamlist.h"

#include "core/document.h"
#include "core/headerindex.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "core/windowsignals.h"
#include "platform/textfile.h"

#include <cstdint>

namespace {

// Rebuilds both team texts from the lines of the team list text that hold '='. A delete writes
// each section as it stands; the rebuild after a new team makes its line-break runs one.
std::vector<TeamRow> RebuildFromLines(Document &document, bool squeezeSections) {
    const HeaderIndex index(document.teamSectionsText);
    std::string list = "[TeamTypes]\n";
    std::string sections;
    sections.reserve(document.teamSectionsText.size());
    std::vector<TeamRow> rows;
    ForEachLine(document.teamListText, [&](std::string_view line) {
        if (line.find('=') == std::string_view::npos) return;
        TeamRow row;
        row.id = ValueOfKey(line, "=");
        // 64-bit, so that a start number near the top of the range cannot overflow.
        row.number = std::to_string(int64_t(document.startNumber) + int64_t(rows.size()));
        const int header = index.Find(row.id);
        const std::string_view section =
            header < 0 ? std::string_view() : SectionAt(document.teamSectionsText, header);
        row.comment = ValueOfKey(section, "Name=");
        list += row.number + "=" + row.id + "\n";
        if (squeezeSections)
            sections += SqueezeLineBreaks(section);
        else
            sections += section;
        sections += '\n';
        rows.push_back(std::move(row));
    });
    list += '\n';
    document.teamListText = std::move(list);
    document.teamSectionsText = std::move(sections);
    g_teamRebuildPending = false;
    return rows;
}

} // namespace

void NewTeam(Document &document, std::string_view id, const std::u16string &templateFile) {
    platform::ReadResult body = platform::ReadTextFile(templateFile);
    AppendTeam(document, id,
               body.status == platform::ReadResult::Status::Ok
                   ? std::optional<std::string_view>(body.text)
                   : std::nullopt);
}

void AppendTeam(Document &document, std::string_view id, std::optional<std::string_view> body) {
    ++document.teamLineCount;
    document.teamListText +=
        std::to_string(int64_t(document.teamLineCount) + document.startNumber) + "=";
    document.teamListText += id;
    document.teamListText += '\n';

    document.teamSectionsText += '[';
    document.teamSectionsText += id;
    document.teamSectionsText += "]\n";
    if (body) {
        document.teamSectionsText += SqueezeLineBreaks(*body);
        document.teamSectionsText += "\n\n";
    } else {
        document.teamSectionsText += '\n';
    }

    g_teamRebuildPending = true;
    g_teamListChanged = true;
}

std::vector<TeamRow> RebuildTeamTexts(Document &document) {
    return RebuildFromLines(document, true);
}

std::vector<TeamRow> DeleteTeams(Document &document, const std::vector<TeamRow> &rows) {
    std::vector<RegistryEntry> doomed;
    doomed.reserve(rows.size());
    for (const TeamRow &row : rows)
        doomed.push_back({row.number, row.id});
    document.teamListText = WithoutEntryLines(document.teamListText, doomed);
    std::vector<TeamRow> remaining = RebuildFromLines(document, false);
    g_teamListChanged = true;
    return remaining;
}
