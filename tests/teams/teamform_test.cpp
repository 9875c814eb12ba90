#include "teams/teamform.h"

#include "core/initext.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kFullBody = "Name=Rush\nPriority=5\nMax=3\n"
                              "VeteranLevel=1\nMindControlDecision=2\nHouse=<none>\nLoadable=no\n"
                              "TechLevel=0\nGroup=-1\nOnTransOnly=no\n"
                              "Full=yes\nAnnoyance=no\nGuardSlower=no\nRecruiter=no\n"
                              "Autocreate=no\nPrebuild=no\nReinforce=no\nDroppod=no\n"
                              "UseTransportOrigin=no\nWhiner=no\nLooseRecruit=no\nAggressive=no\n"
                              "Suicide=no\nAvoidThreats=no\nIonImmune=no\n"
                              "TransportsReturnOnUnload=no\nAreTeamMembersRecruitable=no\n"
                              "IsBaseDefense=no\nOnlyTargetHouseEnemy=yes\n"
                              "Script=S1\nTaskForce=TF1\n";

TEST(TeamFormTest, ReadsValuesAsTheyStandAndFlagsOnlyFromLowerCaseYes) {
    const TeamForm form = ReadTeamForm("[T]\nName= spaced \nPriority=7\nFull=yes\nAnnoyance=Yes\n"
                                       "GuardSlower=yes \nRecruiter=true\nAutocreate=yes\r\n"
                                       "Script=S\nTaskForce=\n");
    EXPECT_EQ(form.comment, " spaced ");
    EXPECT_EQ(form.priority, "7");
    EXPECT_EQ(form.max, "None") << "an absent key shows None";
    EXPECT_EQ(form.script, "S");
    EXPECT_EQ(form.taskForce, "");
    EXPECT_TRUE(form.flags[0]);  // Full=yes
    EXPECT_FALSE(form.flags[1]); // Annoyance=Yes
    EXPECT_TRUE(form.flags[2]);  // yes and a blank
    EXPECT_FALSE(form.flags[3]); // true
    EXPECT_TRUE(form.flags[4]);  // yes and a CR
    EXPECT_EQ(std::count(form.flags.begin(), form.flags.end(), true), 3);
}

TEST(TeamFormTest, ComposesTheThirtyOneLinesWithDefaultsForEmptyFields) {
    TeamForm form;
    form.comment = "Rush";
    form.priority = "5";
    form.max = "3";
    form.script = "S1";
    form.taskForce = "TF1";
    form.flags.front() = form.flags.back() = true;
    EXPECT_EQ(ComposeTeamBody(form), kFullBody);

    const std::string empty = ComposeTeamBody(TeamForm{});
    EXPECT_EQ(CountLines(empty) - 1, 31);
    EXPECT_TRUE(StartsWith(empty, "Name=<None>\nPriority=1\nMax=1\n"));
    EXPECT_TRUE(empty.ends_with("Script=\nTaskForce=\n"));
    EXPECT_EQ(empty.find("=yes"), std::string::npos);
}

TEST(TeamFormTest, LineBreaksInAFieldCannotStartLinesOfTheirOwn) {
    TeamForm form;
    form.comment = "pasted\n[Other]\nMax=9";
    form.script = "S\n";
    const std::string body = ComposeTeamBody(form);
    EXPECT_EQ(CountLines(body) - 1, 31);
    EXPECT_TRUE(StartsWith(body, "Name=pasted [Other] Max=9\nPriority=1\nMax=1\n"));
    EXPECT_NE(body.find("\nScript=S \n"), std::string::npos);
}

TEST(TeamFormTest, ReadingAComposedBodyGivesTheFormBack) {
    TeamForm form;
    form.comment = "中";
    form.priority = "None";
    form.max = "None";
    form.script = "None";
    form.taskForce = "x y";
    for (size_t i = 0; i < form.flags.size(); i += 3)
        form.flags[i] = true;
    const TeamForm back = ReadTeamForm("[T]\n" + ComposeTeamBody(form));
    EXPECT_EQ(back.comment, form.comment);
    EXPECT_EQ(back.priority, form.priority);
    EXPECT_EQ(back.max, form.max);
    EXPECT_EQ(back.script, form.script);
    EXPECT_EQ(back.taskForce, form.taskForce);
    EXPECT_EQ(back.flags, form.flags);
}

TEST(TeamFormTest, ReplacesOnlyTheNamedBodyAndKeepsTheBlankLines) {
    std::string sections = "\n[A]\nName=a\n\n[AB]\nName=ab\nHouse=x\nOdd=1\n\n[C]\nName=c\n\n";
    ASSERT_TRUE(ReplaceTeamBody(sections, "AB", "NEW\n"));
    EXPECT_EQ(sections, "\n[A]\nName=a\n\n[AB]\nNEW\n\n[C]\nName=c\n\n");
    // Again, now that the body is shorter; and the last section, which runs to the end.
    ASSERT_TRUE(ReplaceTeamBody(sections, "AB", "TWO\n"));
    ASSERT_TRUE(ReplaceTeamBody(sections, "C", "LAST\n"));
    EXPECT_EQ(sections, "\n[A]\nName=a\n\n[AB]\nTWO\n\n[C]\nLAST\n");
}

TEST(TeamFormTest, ReplacingAnEmptyOrMissingSection) {
    std::string sections = "[A]\n[B]\nName=b\n";
    ASSERT_TRUE(ReplaceTeamBody(sections, "A", "X\n"));
    EXPECT_EQ(sections, "[A]\nX\n[B]\nName=b\n");
    // A header at the very end, without its line break.
    sections = "[A]\nName=a\n\n[Z]";
    ASSERT_TRUE(ReplaceTeamBody(sections, "Z", "X\n"));
    EXPECT_EQ(sections, "[A]\nName=a\n\n[Z]\nX\n");

    const std::string before = "[A]\nName=a\n; [Gone]\n";
    sections = before;
    EXPECT_FALSE(ReplaceTeamBody(sections, "Gone", "X\n")) << "a '[' inside a line is no header";
    EXPECT_FALSE(ReplaceTeamBody(sections, "", "X\n"));
    EXPECT_EQ(sections, before);
}

} // namespace
