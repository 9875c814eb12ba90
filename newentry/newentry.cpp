#include "newentry/newentry.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "core/windowsignals.h"
#include "res/text.h"
#include "teams/teamlist.h"
#include "triggers/triggerloader.h"

namespace {

constexpr std::string_view kKindNames[] = {"kind.trigger", "kind.team", "kind.script",
                                           "kind.taskForce"};

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Whether some line of a registry list text reads "number=id".
bool ListNames(std::string_view listText, std::string_view id) {
    for (size_t start = 0; start < listText.size();) {
        const size_t lf = std::min(listText.find('\n', start), listText.size());
        const std::string_view line = listText.substr(start, lf - start);
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos && line.substr(equals + 1) == id) return true;
        start = lf + 1;
    }
    return false;
}

// Appends a script's or task force's section and registry line, and marks its pending row.
void AppendRegistryEntry(std::string &listText, std::string &sectionsText, int startNumber,
                         PendingNewRow &row, std::string_view body, const std::string &id,
                         int listedRows) {
    // Entries still waiting for their rows count as listed: their numbers are taken. Each row
    // shows the number its registry line holds.
    int64_t number = startNumber;
    if (row.pending) {
        number += row.rowIndex + 1 + int64_t(row.laterIds.size());
        row.laterIds.push_back(ToWide(id));
    } else {
        row.rowIndex = listedRows;
        number += row.rowIndex;
        row.newId = ToWide(id);
        row.pending = true;
    }
    sectionsText += '[';
    sectionsText += id;
    sectionsText += "]\n";
    sectionsText += body;
    listText += std::to_string(number);
    listText += '=';
    listText += id;
    listText += '\n';
}

} // namespace

bool KindHasEntry(const Document &document, NewEntryKind kind, std::string_view id) {
    auto registered = [id](const std::string &list, const std::string &sections) {
        return ListNames(list, id) || HeaderLineOf(sections, id) >= 0;
    };
    switch (kind) {
    case NewEntryKind::Trigger:
        return FindTriggerEntry(document.triggerText, id) != "None";
    case NewEntryKind::Team:
        return registered(document.teamListText, document.teamSectionsText);
    case NewEntryKind::Script:
        return registered(document.scriptListText, document.scriptSectionsText);
    case NewEntryKind::TaskForce:
        return registered(document.taskForceListText, document.taskForceSectionsText);
    }
    return false;
}

std::optional<std::u16string> IdTextProblem(NewEntryKind kind, std::u16string_view id) {
    if (id.find_first_of(u"\r\n[]=;,") != std::u16string_view::npos ||
        (!id.empty() && (IsBlank(id.front()) || IsBlank(id.back())))) {
        return res::Str("newEntry.badId");
    }
    // The section of such an ID would be read as the list of that name.
    if (kind != NewEntryKind::Trigger && IsListSectionName(ToNarrow(id)))
        return res::Format("newEntry.reserved", {id});
    return std::nullopt;
}

std::optional<std::u16string> NewEntryIdProblem(const Document &document, NewEntryKind kind,
                                                std::u16string_view id) {
    if (std::optional<std::u16string> problem = IdTextProblem(kind, id)) return problem;
    if (KindHasEntry(document, kind, ToNarrow(id)))
        return res::Format("newEntry.taken", {id, res::Str(kKindNames[int(kind)])});
    return std::nullopt;
}

void AppendNewEntry(Document &document, NewEntryKind kind, std::u16string_view id, int listedRows,
                    std::optional<std::string_view> body) {
    // The windows list the ID as the texts hold it: a character the code page lacks is the
    // code page's default character in both.
    const std::string narrow = ToNarrow(id);
    switch (kind) {
    case NewEntryKind::Trigger:
        AppendTriggerEntry(document.triggerText, narrow, body ? *body : kNewTriggerValue);
        if (g_newTriggerPending) {
            g_newTriggerLaterIds.push_back(ToWide(narrow));
        } else {
            g_newTriggerId = ToWide(narrow);
            g_newTriggerPending = true;
        }
        break;
    case NewEntryKind::Team:
        if (body)
            AppendTeam(document, narrow, *body);
        else
            NewTeam(document, narrow);
        break;
    case NewEntryKind::Script:
        AppendRegistryEntry(document.scriptListText, document.scriptSectionsText,
                            document.startNumber, g_scriptPendingRow,
                            body ? *body : "Name=Drumo\n\n", narrow, listedRows);
        break;
    case NewEntryKind::TaskForce:
        AppendRegistryEntry(document.taskForceListText, document.taskForceSectionsText,
                            document.startNumber, g_taskForcePendingRow,
                            body ? *body : "Name=Drumo\nGroup=-1\n\n", narrow, listedRows);
        g_taskForceListChanged = true;
        break;
    }
}
