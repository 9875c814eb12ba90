// Where each entry is used: references compared as the game reads them, teams read as the team
// form reads them, a trigger's two teams.

#include "core/usageindex.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Ids(const UsageIndex &index, UsedKind kind, std::string_view id) {
    std::vector<std::string> ids;
    for (const EntryUse &use : index.UsersOf(kind, id))
        ids.push_back(use.id);
    return ids;
}

} // namespace

TEST(UsageIndex, FindsUsersAsTheReportComparesReferences) {
    Document document;
    document.teamListText = "[TeamTypes]\n0=A\n1=B\n2=C\n3=A\n4=NoSection\n";
    document.teamSectionsText = "\n[A]\nName=Team A\nTaskForce= TF1 ;note\nScript=S1\n"
                                "[B]\nName=Team B\nTaskForce=TF1\nTaskForce=TF2\nScript=\n"
                                "[C]\nName=Team C\nTaskForce=tf1\nScript=S1\t\n";
    const std::string rest = ",<all>,0,1,NoCheck,0,50,0,100,1,0,0,1,";
    document.triggerText = "[AITriggerTypes]\nT1=One,A" + rest + "A,1,1,1\nT2=Two, B " + rest +
                           "A;x,1,1,1\nT3=Three,A\n;T4=Four,,x\n";
    const UsageIndex index(document);

    const struct {
        UsedKind kind;
        const char *id;
        std::vector<std::string> users;
    } cases[] = {
        {UsedKind::TaskForce, "TF1", {"A", "B"}}, // a note and blanks; a team listed twice once
        {UsedKind::TaskForce, "TF2", {}},         // only the first TaskForce= counts
        {UsedKind::TaskForce, "tf1", {"C"}},      // IDs are case-sensitive
        {UsedKind::Script, "S1", {"A", "C"}},     // an empty Script= names nothing
        {UsedKind::Script, "", {}},
        {UsedKind::Team, "A", {"T1", "T2", "T3"}}, // both teams, T1 once for two
        {UsedKind::Team, "B", {"T2"}},
        {UsedKind::Team, "NoSection", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Ids(index, c.kind, c.id), c.users) << c.id;
    EXPECT_EQ(index.UsersOf(UsedKind::TaskForce, "TF1")[0].name, "Team A");
    EXPECT_EQ(index.UsersOf(UsedKind::Team, "A")[1].name, "Two");
}
