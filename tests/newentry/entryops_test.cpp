// Copies and renames of entries: the suggested ID, a copy of each kind, a rename of each kind with
// its references and their notes, and what a rename refuses.

#include "newentry/entryops.h"

#include "support/testdocument.h"
#include "support/testsupport.h"
#include "triggers/triggerloader.h"

#include <gtest/gtest.h>

namespace {

class EntryOpsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetTestDocument();
        doc.openedPath = u"/tmp/ai.ini";
        doc.taskForceListText = "[TaskForces]\n0=0CE4CA3C-G\n1=TF\n";
        doc.taskForceSectionsText =
            "\n[0CE4CA3C-G]\nName=tanks\n0=3,TANK\n\n[TF]\nName=tf\n0=1,E1\n\n";
        doc.scriptListText = "[ScriptTypes]\n0=SC\n";
        doc.scriptSectionsText = "\n[SC]\nName=s\n0=0,1\n\n";
        doc.teamListText = "[TeamTypes]\n0=TM\n1=TM2\n";
        doc.teamSectionsText = "\n[TM]\nName=t\nTaskForce= 0CE4CA3C-G ;main\nScript=SC\n"
                               "TaskForce=0CE4CA3C-G\n\n[TM2]\nName=u\nTaskForce=TF\n"
                               "Script=SC;x\n\n";
        doc.triggerText = "[AITriggerTypes]\nTR=a,TM,<all>,0,1,o,b,1,1,1,1,0,0,0,TM,1,1,1\n"
                          "TR2=b,TM2,<all>,0,1,o,b,1,1,1,1,0,0,0, TM ;2nd,1,1,1\n\n";
    }
};

TEST_F(EntryOpsTest, SuggestedCopyIds) {
    doc.taskForceListText += "2=0CE4CA3D-G\n3=TF_2\n";
    doc.teamListText += "2=ab-9\n";
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"0CE4CA3C-G", u"0CE4CA3E-G"}, // the next number that no entry has
        {u"00ff-G1", u"0100-G1"},       // the same width
        {u"ab-9", u"ac-9"},             // letter case kept
        {u"FFFF-G", u"FFFF-G_2"},       // no room for another digit
        {u"TF", u"TF_3"},               // no digits before a suffix
        {u"X-", u"X-_2"},               // no suffix
    };
    for (const auto &[id, suggested] : cases)
        EXPECT_EQ(SuggestCopyId(doc, id), suggested) << testsupport::U8(id);
}

TEST_F(EntryOpsTest, CopiesOfEachKind) {
    ASSERT_TRUE(DuplicateEntry(doc, NewEntryKind::TaskForce, u"0CE4CA3C-G", u"COPY", 2));
    EXPECT_TRUE(doc.taskForceListText.ends_with("1=TF\n2=COPY\n"));
    EXPECT_TRUE(doc.taskForceSectionsText.ends_with("[COPY]\nName=tanks\n0=3,TANK\n\n"));
    ASSERT_TRUE(DuplicateEntry(doc, NewEntryKind::Script, u"SC", u"SC2", 1));
    EXPECT_TRUE(
        doc.scriptSectionsText.ends_with("[SC]\nName=s\n0=0,1\n\n[SC2]\nName=s\n0=0,1\n\n"));
    doc.teamLineCount = 3;
    ASSERT_TRUE(DuplicateEntry(doc, NewEntryKind::Team, u"TM2", u"TM3", 0));
    EXPECT_TRUE(doc.teamListText.ends_with("1=TM2\n4=TM3\n"));
    EXPECT_TRUE(doc.teamSectionsText.ends_with("[TM3]\nName=u\nTaskForce=TF\nScript=SC;x\n\n"));
    EXPECT_TRUE(g_teamRebuildPending);
    ASSERT_TRUE(DuplicateEntry(doc, NewEntryKind::Trigger, u"TR", u"TR3", 0));
    EXPECT_TRUE(doc.triggerText.ends_with("\nTR3=a,TM,<all>,0,1,o,b,1,1,1,1,0,0,0,TM,1,1,1\n"));
    EXPECT_EQ(g_newTriggerId, u"TR3");

    const Document before = doc;
    EXPECT_FALSE(DuplicateEntry(doc, NewEntryKind::Script, u"SC", u"SC2", 2)) << "taken";
    EXPECT_FALSE(DuplicateEntry(doc, NewEntryKind::Script, u"Gone", u"SC9", 2)) << "no entry";
    EXPECT_FALSE(DuplicateEntry(doc, NewEntryKind::Script, u"SC", u"a=b", 2)) << "not an ID";
    EXPECT_EQ(doc.scriptSectionsText, before.scriptSectionsText);
}

TEST_F(EntryOpsTest, RenamesCarryEveryReferenceAndNothingElse) {
    // A task force: its list line, its header, and the first TaskForce= line of each team that
    // names it (notes and blanks kept); a second line of the key is no reference.
    EXPECT_EQ(ReferenceCount(doc, NewEntryKind::TaskForce, "0CE4CA3C-G"), 1);
    EXPECT_EQ(ReferenceCountText(NewEntryKind::TaskForce, 1), u"将更新 1 个队伍中的引用");
    Document expected = doc;
    expected.taskForceListText = "[TaskForces]\n0=TANKS-G\n1=TF\n";
    expected.taskForceSectionsText =
        "\n[TANKS-G]\nName=tanks\n0=3,TANK\n\n[TF]\nName=tf\n0=1,E1\n\n";
    expected.teamSectionsText = "\n[TM]\nName=t\nTaskForce= TANKS-G ;main\nScript=SC\n"
                                "TaskForce=0CE4CA3C-G\n\n[TM2]\nName=u\nTaskForce=TF\n"
                                "Script=SC;x\n\n";
    EXPECT_EQ(RenameEntry(doc, u"0CE4CA3C-G", u"TANKS-G"), 1);
    for (size_t i = 0; i < doc.Texts().size(); ++i)
        EXPECT_EQ(*doc.Texts()[i], *expected.Texts()[i]) << i;

    // A script, named by both teams.
    EXPECT_EQ(RenameEntry(doc, u"SC", u"Attack"), 2);
    EXPECT_NE(doc.teamSectionsText.find("\nScript=Attack\n"), std::string::npos);
    EXPECT_NE(doc.teamSectionsText.find("\nScript=Attack;x\n"), std::string::npos);

    // A team: the triggers naming it as their team or second team.
    EXPECT_EQ(ReferenceCountText(NewEntryKind::Team, 2), u"将更新 2 个触发中的引用");
    EXPECT_EQ(RenameEntry(doc, u"TM", u"Rush"), 2);
    EXPECT_EQ(doc.teamListText, "[TeamTypes]\n0=Rush\n1=TM2\n");
    EXPECT_EQ(doc.triggerText,
              "[AITriggerTypes]\nTR=a,Rush,<all>,0,1,o,b,1,1,1,1,0,0,0,Rush,1,1,1\n"
              "TR2=b,TM2,<all>,0,1,o,b,1,1,1,1,0,0,0, Rush ;2nd,1,1,1\n\n");

    // A trigger: its own line only.
    EXPECT_EQ(RenameEntry(doc, u"TR2", u"Late"), 0);
    EXPECT_TRUE(doc.triggerText.find("\nLate=b,TM2,") != std::string::npos);
}

TEST_F(EntryOpsTest, RenameRefusals) {
    doc.scriptListText += "1=TF\n"; // TF is a task force and a script
    const Document before = doc;
    const std::pair<std::u16string, std::u16string> refused[] = {
        {u"Gone", u"X"}, {u"TF", u"X"},  {u"TM", u"TR"}, {u"TM", u"SC"},
        {u"TM", u"a,b"}, {u"TM", u" X"}, {u"TM", u"TM"}, {u"TM", u""},
    };
    for (const auto &[from, to] : refused) {
        EXPECT_TRUE(RenameProblem(doc, from, to).has_value()) << testsupport::U8(from + u"→" + to);
        EXPECT_FALSE(RenameEntry(doc, from, to).has_value());
    }
    EXPECT_EQ(RenameProblem(doc, u"TF", u"X").value_or(u""),
              u"“TF”同时是两类条目的注册名称，改名会不明确");
    for (size_t i = 0; i < doc.Texts().size(); ++i)
        EXPECT_EQ(*doc.Texts()[i], *before.Texts()[i]) << i;
}

} // namespace
