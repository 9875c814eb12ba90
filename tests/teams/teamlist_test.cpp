#include "teams/teamlist.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "support/generator.h"
#include "support/testdocument.h"
#include "support/testsupport.h"
#include "teams/teamloader.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

class TeamListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetTestDocument();
        doc.teamListText = "[TeamTypes]\n0=A\n1=B\n2=C\n";
        doc.teamSectionsText = "\n[A]\nName=a\n\n[B]\nName=b\nMax=2\n\n[C]\nName=c\n\n";
        doc.teamLineCount = 4; // as the team window's fill counts it
    }
    testsupport::TempDir dir_;
};

std::vector<std::string> RowsOf(const std::vector<TeamRow> &rows) {
    std::vector<std::string> texts;
    for (const TeamRow &row : rows)
        texts.push_back(row.number + "=" + row.id + ":" + row.comment);
    return texts;
}

TEST_F(TeamListTest, NewTeamTakesTheTemplateIfThereIsOne) {
    testsupport::WriteBytes(dir_ / "tpl.txt", "Max=5\r\n\r\n\r\nPriority=3");
    NewTeam(doc, "T", testsupport::WidePath(dir_ / "tpl.txt"));
    doc.startNumber = 100;
    NewTeam(doc, "U", testsupport::WidePath(dir_ / "missing.txt"));
    EXPECT_EQ(doc.teamListText, "[TeamTypes]\n0=A\n1=B\n2=C\n5=T\n106=U\n");
    EXPECT_TRUE(doc.teamSectionsText.ends_with("[C]\nName=c\n\n[T]\nMax=5\nPriority=3\n\n[U]\n\n"));
    EXPECT_TRUE(g_teamRebuildPending && g_teamListChanged);
}

TEST_F(TeamListTest, RebuildKeepsTeamsNamedNoneSomethingAndDropsUnlistedSections) {
    doc.startNumber = 7;
    doc.teamListText = "[TeamTypes]\n\n0=NoneShallPass\nnot a line\n5=Lost\n9=B\n";
    doc.teamSectionsText = "[B]\nName=b\n[Orphan]\nName=o\n[NoneShallPass]\nName=n\nFull=yes\n";
    g_teamRebuildPending = true;
    EXPECT_EQ(RowsOf(RebuildTeamTexts(doc)),
              (std::vector<std::string>{"7=NoneShallPass:n", "8=Lost:None", "9=B:b"}));
    EXPECT_EQ(doc.teamListText, "[TeamTypes]\n7=NoneShallPass\n8=Lost\n9=B\n\n");
    // Lost has no section: an empty line stands in its place.
    EXPECT_EQ(doc.teamSectionsText, "[NoneShallPass]\nName=n\nFull=yes\n\n\n[B]\nName=b\n");
    EXPECT_FALSE(g_teamRebuildPending);
}

TEST_F(TeamListTest, NumbersNearTheTopOfTheRangeDoNotWrap) {
    doc.startNumber = INT32_MAX - 1;
    NewTeam(doc, "T", testsupport::WidePath(dir_ / "missing.txt"));
    EXPECT_TRUE(doc.teamListText.ends_with("\n2147483651=T\n"));
    EXPECT_EQ(RowsOf(RebuildTeamTexts(doc)).back(), "2147483649=T:None");
    EXPECT_EQ(doc.teamListText, "[TeamTypes]\n2147483646=A\n2147483647=B\n2147483648=C\n"
                                "2147483649=T\n\n");
}

TEST_F(TeamListTest, DeleteRemovesWholeLinesAndKeepsTeamsThatHadNoRow) {
    // The list fill gives no row to a team without a section or without a Name after its
    // header; deleting another team must not lose them. "1=A" also occurs inside "11=AB".
    doc.teamListText = "[TeamTypes]\n0=A\n1=NoSection\n11=AB\n1=A\n3=NoName\n";
    doc.teamSectionsText = "\n[A]\nName=a\n\n[AB]\nName=ab\n\n[NoName]\nMax=1\n\n";
    EXPECT_EQ(RowsOf(DeleteTeams(doc, {{"1", "A", ""}, {"9", "Nowhere", ""}})),
              (std::vector<std::string>{"0=A:a", "1=NoSection:None", "2=AB:ab", "3=NoName:None"}));
    EXPECT_EQ(RowsOf(DeleteTeams(doc, {{"0", "A", ""}})),
              (std::vector<std::string>{"0=NoSection:None", "1=AB:ab", "2=NoName:None"}));
    // Each remaining section as it stands (the last one with its final line breaks) and one LF.
    EXPECT_EQ(doc.teamSectionsText, "\n[AB]\nName=ab\n\n[NoName]\nMax=1\n\n\n\n");
    EXPECT_TRUE(g_teamListChanged);
}

// The rebuild as literally stated: one section search from the text's start per line.
std::vector<TeamRow> LiteralRebuild(std::string &list, std::string &sections) {
    std::string newList = "[TeamTypes]\n", newSections;
    std::vector<TeamRow> rows;
    for (int n = 1; n <= CountLines(list); ++n) {
        const std::string line = *GetLine(list, n);
        if (line.find('=') == std::string::npos) continue;
        TeamRow row{std::to_string(doc.startNumber + int(rows.size())), ValueOfKey(line, "="), ""};
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
    testsupport::FillSlots(doc, {testsupport::GenerateAiFile(1, 11)});
    doc.teamListText.clear();
    doc.teamSectionsText.clear();
    LoadTeamTypes(doc, false);
    // IDs that contain brackets or '=', are prefixes of others, or name no section.
    for (const char *id : {"A]B", "A", "[X", "K=V", "AB", "A]", "Missing", ""}) {
        doc.teamListText += "77=" + std::string(id) + "\n";
        if (std::string(id) != "Missing")
            doc.teamSectionsText += "[" + std::string(id) + "]\nName=" + id + "\n\n";
    }
    doc.teamSectionsText += "[A]\nName=second A\n";

    std::string list = doc.teamListText, sections = doc.teamSectionsText;
    const std::vector<TeamRow> expected = LiteralRebuild(list, sections);
    EXPECT_EQ(RowsOf(RebuildTeamTexts(doc)), RowsOf(expected));
    EXPECT_EQ(doc.teamListText, list);
    EXPECT_EQ(doc.teamSectionsText, sections);
}

} // namespace
