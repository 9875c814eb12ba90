#include "teams/teamlist.h"

#include "core/document.h"
#include "core/headerindex.h"
#include "core/initext.h"
#include "platform/textfile.h"

#include <unordered_set>

namespace {

// The section that starts at `header`: its header line and the lines up to, not including, the
// line break before the next section; up to the end of the text when it is the last.
std::string_view SectionAt(std::string_view text, int header) {
    size_t end = size_t(NextHeaderLine(text, header + 1));
    if (end < text.size()) --end;
    return text.substr(size_t(header), end - size_t(header));
}

// Calls `take(line)` for every line of `text` that holds '=', in order.
template <class F> void ForEachRegistryLine(std::string_view text, F take) {
    for (size_t begin = 0; begin < text.size();) {
        size_t lf = text.find('\n', begin);
        if (lf == std::string_view::npos) lf = text.size();
        std::string_view line = text.substr(begin, lf - begin);
        begin = lf + 1;
        if (line.find('=') != std::string_view::npos) take(line);
    }
}

std::vector<TeamRow> RebuildFromLines(std::unordered_multiset<std::string> *skip) {
    const HeaderIndex index(g_teamSectionsText);
    std::string list = "[TeamTypes]\n";
    std::string sections;
    sections.reserve(g_teamSectionsText.size());
    std::vector<TeamRow> rows;
    ForEachRegistryLine(g_teamListText, [&](std::string_view line) {
        if (skip) {
            auto it = skip->find(std::string(line));
            if (it != skip->end()) {
                skip->erase(it);
                return;
            }
        }
        TeamRow row;
        row.id = ValueOfKey(line, "=");
        row.number = std::to_string(g_startNumber + int(rows.size()));
        const int header = index.Find(row.id);
        const std::string_view section =
            header < 0 ? std::string_view() : SectionAt(g_teamSectionsText, header);
        row.comment = ValueOfKey(section, "Name=");
        list += row.number + "=" + row.id + "\n";
        sections += SqueezeLineBreaks(section);
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
    g_teamListText += std::to_string(g_teamLineCount + g_startNumber) + "=";
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

std::vector<TeamRow> RebuildTeamTexts() { return RebuildFromLines(nullptr); }

std::vector<TeamRow> DeleteTeams(const std::vector<TeamRow> &rows) {
    std::unordered_multiset<std::string> lines;
    for (const TeamRow &row : rows)
        lines.insert(row.number + "=" + row.id);
    std::vector<TeamRow> remaining = RebuildFromLines(&lines);
    g_teamListChanged = true;
    return remaining;
}
