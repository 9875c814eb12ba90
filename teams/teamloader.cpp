#include "teams/teamloader.h"

#include "core/document.h"

void LoadTeamTypes() {
    std::vector<TeamTypes> teams = ReadRegistryRecords("TeamTypes");
    if (!teams.empty()) {
        if (g_autoDetectStart) g_startNumber = teams.front().number;
        g_autoDetectStart = false;
        g_teamListChanged = true;
    }
    AppendRegistryTexts(std::move(teams), {"TeamTypes", g_teamListText, g_teamSectionsText});
}
