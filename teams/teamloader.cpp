#include "teams/teamloader.h"

#include "core/windowsignals.h"

#include <algorithm>

void LoadTeamTypes(Document &document, bool autoDetectStart, SlotIndexes *indexes) {
    std::vector<TeamTypes> teams = ReadRegistryRecords(document.fileSlots, "TeamTypes", indexes);
    if (!teams.empty()) {
        // A "+=" line carries no number to start from.
        auto first = std::find_if(teams.begin(), teams.end(),
                                  [](const TeamTypes &team) { return team.numbered; });
        if (autoDetectStart && first != teams.end()) document.startNumber = first->number;
        g_teamListChanged = true;
    }
    AppendRegistryTexts(std::move(teams), {"TeamTypes", document.teamListText,
                                           document.teamSectionsText, document.startNumber});
}
