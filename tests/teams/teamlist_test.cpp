#include "teams/teamlist.h"

#include "core/document.h"
#include "core/initext.h"
#include "support/generator.h"
#include "support/testsupport.h"
#include "teams/teamloader.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class TeamListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetDocument();
        g_teamListText = "[TeamTypes]\n0=A\n1=B\n2=C\n";
        g_teamSectionsText = "\n[A]\nName=a\n\n[B]\nName=b\nMax=2\n\n[C]\nName=c\n\n";
        g_teamLineCount = 4; // as the team window's fill counts it
    }

    // A template path that no file has.
    std::u16string NoTemplate() const { return testsupport::WidePath(dir_ / "none.txt"); }

    testsupport::TempDir dir_;
};

std::vector<std::string> IdsOf(const std::vector<TeamRow> &rows) {
    std::vector<std::string> ids;
    for (const TeamRow &row : rows)
        ids.push_back(row.number + "=" + row.id + ":" + row.comment);
    return ids;
}

TEST_F(TeamListTest, NewTeamTakesTheTemplateWithItsBlankLinesSqueezed) {
    testsupport::WriteBytes(dir_ / "tpl.txt", "Max=5\r\n\r\n\r\nPriority=3");
    NewTeam("T", testsupport::WidePath(dir_ / "tpl.txt"));
    EXPECT_EQ(g_teamLineCount, 5);
    EXPECT_EQ(g_teamListText, "[TeamTypes]\n0=A\n1=B\n2=C\n5=T\n");
    EXPECT_TRUE(g_teamSectionsText.ends_with("[C]\nName=c\n\n[T]\nMax=5\nPriority=3\n\n"));
    EXPECT_TRUE(g_teamRebuildPending);
    EXPECT_TRUE(g_teamListChanged);
}

TEST_F(TeamListTest, NewTeamWithoutTemplateHasAnEmptySection) {
    g_startNumber = 100;
    NewTeam("T", NoTemplate());
    EXPECT_TRUE(g_teamListText.ends_with("\n105=T\n"));
    EXPECT_TRUE(g_teamSectionsText.ends_with("[C]\nName=c\n\n[T]\n\n"));
}

TEST_F(TeamListTest, RebuildNumbersTheNewTeamLastAndKeepsEverySection) {
    NewTeam("T", NoTemplate());
    const std::vector<TeamRow> rows = RebuildTeamTexts();
    EXPECT_EQ(IdsOf(rows), (std::vector<std::string>{"0=A:a", "1=B:b", "2=C:c", "3=T:None"}));
    EXPECT_EQ(g_teamListText, "[TeamTypes]\n0=A\n1=B\n2=C\n3=T\n\n");
    EXPECT_EQ(g_teamSectionsText, "[A]\nName=a\n\n[B]\nName=b\nMax=2\n\n[C]\nName=c\n\n[T]\n\n");
    EXPECT_FALSE(g_teamRebuildPending);

    // A second rebuild changes nothing.
    const std::string list = g_teamListText, sections = g_teamSectionsText;
    EXPECT_EQ(IdsOf(RebuildTeamTexts()), IdsOf(rows));
    EXPECT_EQ(g_teamListText, list);
    EXPECT_EQ(g_teamSectionsText, sections);
}

TEST_F(TeamListTest, RebuildKeepsTeamsNamedNoneSomethingAndDropsUnlistedSections) {
    g_startNumber = 7;
    g_teamListText = "[TeamTypes]\n\n0=NoneShallPass\nnot a line\n5=Lost\n9=B\n";
    g_teamSectionsText = "[B]\nName=b\n[Orphan]\nName=o\n[NoneShallPass]\nName=n\nFull=yes\n";
    const std::vector<TeamRow> rows = RebuildTeamTexts();
    EXPECT_EQ(IdsOf(rows), (std::vector<std::string>{"7=NoneShallPass:n", "8=Lost:None", "9=B:b"}));
    EXPECT_EQ(g_teamListText, "[TeamTypes]\n7=NoneShallPass\n8=Lost\n9=B\n\n");
    // Lost has no section: an empty line stands in its place.
    EXPECT_EQ(g_teamSectionsText, "[NoneShallPass]\nName=n\nFull=yes\n\n\n[B]\nName=b\n");
}

TEST_F(TeamListTest, DeletingTheMiddleTeamRenumbersAndDropsItsSection) {
    const std::vector<TeamRow> rows = DeleteTeams({{"1", "B", ""}});
    EXPECT_EQ(IdsOf(rows), (std::vector<std::string>{"0=A:a", "1=C:c"}));
    EXPECT_EQ(g_teamListText, "[TeamTypes]\n0=A\n1=C\n\n");
    EXPECT_EQ(g_teamSectionsText, "[A]\nName=a\n\n[C]\nName=c\n\n");
    EXPECT_TRUE(g_teamListChanged);
}

TEST_F(TeamListTest, DeleteMatchesWholeLinesOnly) {
    g_teamListText = "[TeamTypes]\n0=X\n11=AB\n1=A\n2=A\n";
    // "1=A" occurs inside "11=AB" too; and of two lines only the one named goes.
    const std::vector<TeamRow> rows = DeleteTeams({{"1", "A", ""}, {"9", "Nowhere", ""}});
    EXPECT_EQ(IdsOf(rows), (std::vector<std::string>{"0=X:None", "1=AB:None", "2=A:a"}));
}

TEST_F(TeamListTest, DeleteKeepsTeamsThatHadNoRow) {
    // The list fill gives no row to a team without section or without a Name after its header;
    // deleting another team must not lose them.
    g_teamListText = "[TeamTypes]\n0=A\n1=NoSection\n2=B\n3=NoName\n";
    g_teamSectionsText = "\n[A]\nName=a\n\n[B]\nName=b\n\n[NoName]\nMax=1\n\n";
    const std::vector<TeamRow> rows = DeleteTeams({{"0", "A", ""}});
    EXPECT_EQ(IdsOf(rows),
              (std::vector<std::string>{"0=NoSection:None", "1=B:b", "2=NoName:None"}));
    EXPECT_EQ(g_teamSectionsText, "\n[B]\nName=b\n\n[NoName]\nMax=1\n\n");
}

// The rebuild as literally stated: one section search from the text's start per line.
std::vector<TeamRow> LiteralRebuild(std::string &list, std::string &sections) {
    std::string newList = "[TeamTypes]\n", newSections;
    std::vector<TeamRow> rows;
    for (int n = 1; n <= CountLines(list); ++n) {
        const std::string line = *GetLine(list, n);
        if (line.find('=') == std::string::npos) continue;
        TeamRow row{std::to_string(g_startNumber + int(rows.size())), ValueOfKey(line, "="), ""};
        std::string section = EntrySectionOf(sections, row.id);
        if (section == "None") section.clear();
        row.comment = ValueOfKey(section, "Name=");
        newList += row.number + "=" + row.id + "\n";
        newSections += SqueezeLineBreaks(section) + "\n";
        rows.push_back(row);
    }
    list = newList + "\n";
    sections = newSections;
    return rows;
}

TEST_F(TeamListTest, RebuildMatchesTheLiteralSearchOnGeneratedAndAwkwardIds) {
    testsupport::FillSlots({testsupport::GenerateAiFile(1, 11)});
    g_teamListText.clear();
    g_teamSectionsText.clear();
    LoadTeamTypes();
    // IDs that contain brackets or '=', are prefixes of others, or name no section.
    std::mt19937 random(5);
    const char *awkward[] = {"A]B", "A", "[X", "K=V", "AB", "A]", "Missing", ""};
    for (const char *id : awkward) {
        g_teamListText += "77=" + std::string(id) + "\n";
        if (random() % 2) g_teamSectionsText += "[" + std::string(id) + "]\nName=" + id + "\n\n";
    }
    g_teamSectionsText += "[A]\nName=second A\n";

    std::string list = g_teamListText, sections = g_teamSectionsText;
    const std::vector<TeamRow> expected = LiteralRebuild(list, sections);
    EXPECT_EQ(IdsOf(RebuildTeamTexts()), IdsOf(expected));
    EXPECT_EQ(g_teamListText, list);
    EXPECT_EQ(g_teamSectionsText, sections);
}

} // namespace
