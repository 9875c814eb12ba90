#include "teams/teamform.h"

#include "core/initext.h"

#include <gtest/gtest.h>

namespace {

TEST(TeamFormTest, ReplacesOnlyTheNamedBodyAndKeepsTheBlankLines) {
    std::string sections = "\n[A]\nName=a\n\n[AB]\nName=ab\nHouse=x\n\n[C]\nName=c\n\n";
    ASSERT_TRUE(ReplaceTeamBody(sections, "AB", "NEW\n"));
    ASSERT_TRUE(ReplaceTeamBody(sections, "AB", "TWO\n")); // again, now that it is shorter
    ASSERT_TRUE(ReplaceTeamBody(sections, "C", "LAST\n")); // the last runs to the end
    EXPECT_EQ(sections, "\n[A]\nName=a\n\n[AB]\nTWO\n\n[C]\nLAST\n");

    sections = "[A]\n[B]\nName=b\n\n[Z]";
    ASSERT_TRUE(ReplaceTeamBody(sections, "A", "X\n")); // an empty body
    ASSERT_TRUE(ReplaceTeamBody(sections, "Z", "Y\n")); // a header without its line break
    EXPECT_EQ(sections, "[A]\nX\n[B]\nName=b\n\n[Z]\nY\n");
}

TEST(TeamFormTest, NoSectionNoChange) {
    const std::string before = "[A]\nName=a\n; [Gone]\n";
    std::string sections = before;
    EXPECT_FALSE(ReplaceTeamBody(sections, "Gone", "X\n")) << "a '[' inside a line is no header";
    EXPECT_FALSE(ReplaceTeamBody(sections, "", "X\n"));
    EXPECT_EQ(sections, before);
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

TEST(TeamFormTest, FlagsAreSetOnlyByLowerCaseYes) {
    const TeamForm form = ReadTeamForm("[T]\nFull=yes\nAnnoyance=Yes\nGuardSlower=yes\r\n"
                                       "Recruiter=true\n");
    EXPECT_TRUE(form.flags[0]);
    EXPECT_FALSE(form.flags[1]);
    EXPECT_TRUE(form.flags[2]);
    EXPECT_FALSE(form.flags[3]);
    EXPECT_EQ(form.max, "None");
}

} // namespace
