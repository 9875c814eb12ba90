#include "teams/teamloader.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "scripts/scriptloader.h"
#include "support/generator.h"
#include "support/testdocument.h"
#include "taskforces/taskforceloader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using testsupport::FillSlots;

namespace {

class TeamLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ResetTestDocument(); }
};

TEST_F(TeamLoaderTest, SortsRenumbersAndRaisesTheListSignal) {
    FillSlots(doc, {"[TeamTypes]\n5=B\n2=A\n3=  My  Team ;note\n"
                    "[A]\nName=x\n\n\nFull=yes\n\n[B]\nName=b\n[My Team]\nName=m\n"});
    LoadTeamTypes(doc, false);
    EXPECT_EQ(doc.teamListText, "[TeamTypes]\n0=A\n1=My Team\n2=B\n");
    EXPECT_EQ(doc.teamSectionsText,
              "\n[A]\nName=x\nFull=yes\n\n[My Team]\nName=m\n\n[B]\nName=b\n\n");
    EXPECT_TRUE(g_teamListChanged);
}

TEST_F(TeamLoaderTest, NoTeamsLeavesTheSignalDown) {
    FillSlots(doc, {"[TeamTypes]\n; nothing here\n[X]\nName=x\n"});
    LoadTeamTypes(doc, true);
    EXPECT_EQ(doc.teamListText, "[TeamTypes]\n");
    EXPECT_EQ(doc.teamSectionsText, "\n");
    EXPECT_FALSE(g_teamListChanged);
    EXPECT_EQ(doc.startNumber, 0);
}

TEST_F(TeamLoaderTest, DetectedStartNumbersEveryList) {
    // The first team registry line met is in slot 1, after slot 0's empty list.
    FillSlots(doc, {"[TeamTypes]\n[ScriptTypes]\n3=S_B\n1=S_A\n",
                    "[TeamTypes]\n100=T_B\n12=T_A\n[TaskForces]\n0=TF\n"});
    LoadTeamTypes(doc, true);
    LoadScripts(doc);
    LoadTaskForces(doc);
    EXPECT_EQ(doc.startNumber, 100);
    EXPECT_EQ(doc.teamListText, "[TeamTypes]\n100=T_A\n101=T_B\n");
    EXPECT_EQ(doc.scriptListText, "[ScriptTypes]\n100=S_A\n101=S_B\n");
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n100=TF\n");
}

TEST_F(TeamLoaderTest, WithoutDetectionTheStartNumberStays) {
    FillSlots(doc, {"[TeamTypes]\n12=X\n"});
    doc.startNumber = 5;
    LoadTeamTypes(doc, false);
    EXPECT_EQ(doc.startNumber, 5);
    EXPECT_EQ(doc.teamListText, "[TeamTypes]\n5=X\n");
}

TEST_F(TeamLoaderTest, GeneratedTeamsNameLoadedTaskForcesAndScripts) {
    FillSlots(doc, {testsupport::GenerateAiFile(1, 3)});
    LoadTeamTypes(doc, false);
    LoadScripts(doc);
    LoadTaskForces(doc);
    auto idsOf = [](const std::string &list) {
        std::set<std::string> ids;
        for (int line = 2; line < CountLines(list); ++line)
            ids.insert(*SplitKeyValue(*GetLine(list, line), '=', 1));
        return ids;
    };
    const std::set<std::string> teams = idsOf(doc.teamListText);
    const std::set<std::string> scripts = idsOf(doc.scriptListText);
    const std::set<std::string> taskForces = idsOf(doc.taskForceListText);
    ASSERT_EQ(teams.size(), 1000u);
    ASSERT_EQ(scripts.size(), 1000u);
    ASSERT_EQ(taskForces.size(), 1000u);
    for (const std::string &team : teams) {
        std::string section = EntrySectionOf(doc.teamSectionsText, team);
        EXPECT_EQ(std::count(section.begin(), section.end(), '='), 31) << section;
        EXPECT_TRUE(scripts.count(ValueOfKey(section, "Script="))) << section;
        EXPECT_TRUE(taskForces.count(ValueOfKey(section, "TaskForce="))) << section;
    }
}

} // namespace
