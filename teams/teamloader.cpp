#include "teams/teamloader.h"

#include "core/document.h"

#include <algorithm>

void LoadTeamTypes() {
    std::vector<TeamTypes> teams = ReadRegistryRecords("TeamTypes");
    if (!teams.empty()) {
        // A "+=" line carries no number to start from.
        auto first = std::find_if(teams.begin(), teams.end(),
                                  [](const TeamTypes &team) { return team.numbered; });
        if (g_autoDetectStart && first != teams.end()) g_startNumber = first->number;
        g_autoDetectStart = false;
        g_teamListChanged = true;
    }
    AppendRegistryTexts(std::move(teams), {"TeamTypes", g_teamListText, g_teamSectionsText});
}
