#include "teams/teamlist.h"

#include "core/document.h"
#include "core/headerindex.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "platform/textfile.h"

#include <cstdint>

namespace {

// Rebuilds both team texts from the lines of g_teamListText that hold '='. A delete writes each
// section as it stands; the rebuild after a new team makes its line-break runs one.
std::vector<TeamRow> RebuildFromLines(bool squeezeSections) {
    const HeaderIndex index(g_teamSectionsText);
    std::string list = "[TeamTypes]\n";
    std::string sections;
    sections.reserve(g_teamSectionsText.size());
    std::vector<TeamRow> rows;
    ForEachLine(g_teamListText, [&](std::string_view line) {
        if (line.find('=') == std::string_view::npos) return;
        TeamRow row;
        row.id = ValueOfKey(line, "=");
        // 64-bit, so that a start number near the top of the range cannot overflow.
        row.number = std::to_string(int64_t(g_startNumber) + int64_t(rows.size()));
        const int header = index.Find(row.id);
        const std::string_view section =
            header < 0 ? std::string_view() : SectionAt(g_teamSectionsText, header);
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
    g_teamListText = std::move(list);
    g_teamSectionsText = std::move(sections);
    g_teamRebuildPending = false;
    return rows;
}

} // namespace

void NewTeam(std::string_view id, const std::u16string &templateFile) {
    ++g_teamLineCount;
    g_teamListText += std::to_string(int64_t(g_teamLineCount) + g_startNumber) + "=";
    g_teamListText += id;
    g_teamListText += '\n';

    g_teamSectionsText += '[';
    g_teamSectionsText += id;
    g_teamSectionsText += "]\n";
    platform::ReadResult body = platform::ReadTextFile(templateFile);
    if (body.status == platform::ReadResult::Status::Ok) {
        g_teamSectionsText += SqueezeLineBreaks(body.text);
        g_teamSectionsText += "\n\n";
    } else {
        g_teamSectionsText += '\n';
    }

    g_teamRebuildPending = true;
    g_teamListChanged = true;
}

std::vector<TeamRow> RebuildTeamTexts() { return RebuildFromLines(true); }

std::vector<TeamRow> DeleteTeams(const std::vector<TeamRow> &rows) {
    std::vector<RegistryEntry> doomed;
    doomed.reserve(rows.size());
    for (const TeamRow &row : rows)
        doomed.push_back({row.number, row.id});
    g_teamListText = WithoutEntryLines(g_teamListText, doomed);
    std::vector<TeamRow> remaining = RebuildFromLines(false);
    g_teamListChanged = true;
    return remaining;
}
