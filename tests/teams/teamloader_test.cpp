#include "teams/teamloader.h"

#include "core/document.h"
#include "core/initext.h"
#include "scripts/scriptloader.h"
#include "support/generator.h"
#include "taskforces/taskforceloader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using testsupport::FillSlots;

namespace {

class TeamLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ResetDocument(); }
};

TEST_F(TeamLoaderTest, SortsRenumbersAndRaisesTheListSignal) {
    FillSlots({"[TeamTypes]\n5=B\n2=A\n3=  My  Team ;note\n"
               "[A]\nName=x\n\n\nFull=yes\n\n[B]\nName=b\n[My Team]\nName=m\n"});
    LoadTeamTypes();
    EXPECT_EQ(g_teamListText, "[TeamTypes]\n0=A\n1=My Team\n2=B\n");
    EXPECT_EQ(g_teamSectionsText,
              "\n[A]\nName=x\nFull=yes\n\n[My Team]\nName=m\n\n[B]\nName=b\n\n");
    EXPECT_TRUE(g_teamListChanged);
}

TEST_F(TeamLoaderTest, NoTeamsLeavesTheSignalDown) {
    FillSlots({"[TeamTypes]\n; nothing here\n[X]\nName=x\n"});
    g_autoDetectStart = true;
    LoadTeamTypes();
    EXPECT_EQ(g_teamListText, "[TeamTypes]\n");
    EXPECT_EQ(g_teamSectionsText, "\n");
    EXPECT_FALSE(g_teamListChanged);
    EXPECT_TRUE(g_autoDetectStart) << "only a registry line uses up the detection";
}

TEST_F(TeamLoaderTest, DetectedStartNumbersEveryList) {
    // The first team registry line met is in slot 1, after slot 0's empty list.
    FillSlots({"[TeamTypes]\n[ScriptTypes]\n3=S_B\n1=S_A\n",
               "[TeamTypes]\n100=T_B\n12=T_A\n[TaskForces]\n0=TF\n"});
    g_autoDetectStart = true;
    LoadTeamTypes();
    LoadScripts();
    LoadTaskForces();
    EXPECT_EQ(g_startNumber, 100);
    EXPECT_FALSE(g_autoDetectStart);
    EXPECT_EQ(g_teamListText, "[TeamTypes]\n100=T_A\n101=T_B\n");
    EXPECT_EQ(g_scriptListText, "[ScriptTypes]\n100=S_A\n101=S_B\n");
    EXPECT_EQ(g_taskForceListText, "[TaskForces]\n100=TF\n");
}

TEST_F(TeamLoaderTest, WithoutDetectionTheStartNumberStays) {
    FillSlots({"[TeamTypes]\n12=X\n"});
    g_startNumber = 5;
    LoadTeamTypes();
    EXPECT_EQ(g_startNumber, 5);
    EXPECT_EQ(g_teamListText, "[TeamTypes]\n5=X\n");
}

TEST_F(TeamLoaderTest, GeneratedTeamsNameLoadedTaskForcesAndScripts) {
    FillSlots({testsupport::GenerateAiFile(1, 3)});
    LoadTeamTypes();
    LoadScripts();
    LoadTaskForces();
    auto idsOf = [](const std::string &list) {
        std::set<std::string> ids;
        for (int line = 2; line < CountLines(list); ++line)
            ids.insert(*SplitKeyValue(*GetLine(list, line), '=', 1));
        return ids;
    };
    const std::set<std::string> teams = idsOf(g_teamListText);
    const std::set<std::string> scripts = idsOf(g_scriptListText);
    const std::set<std::string> taskForces = idsOf(g_taskForceListText);
    ASSERT_EQ(teams.size(), 1000u);
    ASSERT_EQ(scripts.size(), 1000u);
    ASSERT_EQ(taskForces.size(), 1000u);
    for (const std::string &team : teams) {
        std::string section = EntrySectionOf(g_teamSectionsText, team);
        EXPECT_EQ(std::count(section.begin(), section.end(), '='), 31) << section;
        EXPECT_TRUE(scripts.count(ValueOfKey(section, "Script="))) << section;
        EXPECT_TRUE(taskForces.count(ValueOfKey(section, "TaskForce="))) << section;
    }
}

} // namespace
