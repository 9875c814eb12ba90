#include "newentry/newentry.h"

#include "core/document.h"
#include "core/windowsignals.h"
#include "support/testdocument.h"
#include "support/testsupport.h"
#include "triggers/triggerloader.h"

#include <gtest/gtest.h>

using testsupport::U16;

namespace {

class NewEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetTestDocument();
        doc.openedPath = u"/tmp/ai.ini";
        doc.scriptListText = "[ScriptTypes]\n0=S0\n1=S1\n2=S2\n3=S3\n";
        doc.scriptSectionsText = "[S0]\nName=a\n\n[S1]\nName=b\n\n[S2]\nName=c\n\n[S3]\nName=d\n\n";
        doc.taskForceListText = "[TaskForces]\n0=F0\n";
        doc.taskForceSectionsText = "[F0]\nName=f\nGroup=-1\n0=1,E1\n\n";
        doc.teamListText = "[TeamTypes]\n0=T0\n";
        doc.teamSectionsText = "[T0]\nName=t\n\n";
        doc.triggerText = "[AITriggerTypes]\nA10=x,y\n\n";
    }
};

TEST_F(NewEntryTest, ScriptSectionAndRegistryLine) {
    AppendNewEntry(doc, NewEntryKind::Script, u"S4", 4);
    EXPECT_TRUE(doc.scriptSectionsText.ends_with("[S3]\nName=d\n\n[S4]\nName=Drumo\n\n"));
    EXPECT_TRUE(doc.scriptListText.ends_with("\n3=S3\n4=S4\n"));
    EXPECT_EQ(g_scriptPendingRow.newId, u"S4");
    EXPECT_TRUE(g_scriptPendingRow.pending);
    EXPECT_FALSE(g_scriptListChanged);
}

TEST_F(NewEntryTest, TaskForceNumberIgnoresARowIndexLeftFromAnEarlierNew) {
    // An earlier New in the task force window left rowIndex at 0; the dialog was opened from
    // another window this time. The number must still be new.
    doc.startNumber = 100;
    g_taskForcePendingRow.rowIndex = 0;
    AppendNewEntry(doc, NewEntryKind::TaskForce, u"F1", 1);
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=F0\n101=F1\n");
    EXPECT_TRUE(doc.taskForceSectionsText.ends_with("0=1,E1\n\n[F1]\nName=Drumo\nGroup=-1\n\n"));
    EXPECT_TRUE(g_taskForceListChanged);

    // Those still waiting for their rows count as listed, and keep their places in the queue.
    AppendNewEntry(doc, NewEntryKind::TaskForce, u"F2", 1);
    AppendNewEntry(doc, NewEntryKind::TaskForce, u"F3", 1);
    EXPECT_TRUE(doc.taskForceListText.ends_with("\n101=F1\n102=F2\n103=F3\n"));
    EXPECT_EQ(g_taskForcePendingRow.rowIndex, 1);
    EXPECT_EQ(g_taskForcePendingRow.newId, u"F1");
    EXPECT_EQ(g_taskForcePendingRow.laterIds, (std::vector<std::u16string>{u"F2", u"F3"}));
}

TEST_F(NewEntryTest, TriggerLineStandsLastFollowedByOneLineBreak) {
    AppendNewEntry(doc, NewEntryKind::Trigger, u"T1", 0);
    EXPECT_EQ(doc.triggerText, "[AITriggerTypes]\nA10=x,y\nT1=NoName,NoTeam,<all>,0,1,NoCheck,"
                               "0000000002000000000000000000000000000000000000000000000000000000,"
                               "0.000000,0.000000,0.000000,1,0,0,0,<none>,0,0,0\n");
    EXPECT_TRUE(g_newTriggerPending);
    EXPECT_EQ(g_newTriggerId, u"T1");

    // A second one before the window listed the first waits behind it.
    AppendNewEntry(doc, NewEntryKind::Trigger, u"T2", 0);
    EXPECT_EQ(g_newTriggerId, u"T1");
    EXPECT_EQ(g_newTriggerLaterIds, std::vector<std::u16string>{u"T2"});
}

TEST_F(NewEntryTest, TeamTakesTheTemplateOfTheCurrentDirectory) {
    testsupport::TempDir dir;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    AppendNewEntry(doc, NewEntryKind::Team, u"T", 0); // no template: an empty section, no message
    testsupport::WriteBytes(dir / "LoadTempTeamData.txt", "Max=5\r\n\r\n\r\nPriority=3");
    AppendNewEntry(doc, NewEntryKind::Team, u"U", 0);
    std::filesystem::current_path(before);

    EXPECT_EQ(doc.teamSectionsText, "[T0]\nName=t\n\n[T]\n\n[U]\nMax=5\nPriority=3\n\n");
    EXPECT_TRUE(g_teamRebuildPending);
    EXPECT_TRUE(g_teamListChanged);
}

TEST_F(NewEntryTest, IdsThatWouldCorruptTheFileAreRefused) {
    for (const char16_t *id :
         {u"a\nb", u"a\rb", u"[a", u"a]", u"a=b", u"a;b", u"a,b", u" a", u"a ", u"\ta", u"a\t"}) {
        for (NewEntryKind kind : {NewEntryKind::Trigger, NewEntryKind::Team, NewEntryKind::Script,
                                  NewEntryKind::TaskForce}) {
            EXPECT_TRUE(NewEntryIdProblem(doc, kind, id).has_value())
                << testsupport::U8(id) << " kind " << int(kind);
        }
    }
    for (const char16_t *id : {u"a b", u"中文-名_1", u"Drumo", u"A1"})
        EXPECT_FALSE(NewEntryIdProblem(doc, NewEntryKind::Trigger, id).has_value());
    // The section of a list's name would be read as that list; a trigger has no section.
    for (const char16_t *id :
         {u"TaskForces", u"ScriptTypes", u"TeamTypes", u"AITriggerTypes", u"#include"}) {
        for (NewEntryKind kind :
             {NewEntryKind::Team, NewEntryKind::Script, NewEntryKind::TaskForce})
            EXPECT_EQ(NewEntryIdProblem(doc, kind, id),
                      u"“" + std::u16string(id) + u"”是文件中保留的小节名，不能用作注册名称");
        EXPECT_FALSE(NewEntryIdProblem(doc, NewEntryKind::Trigger, id).has_value());
    }
}

TEST_F(NewEntryTest, AnIdTheKindAlreadyHasIsRefused) {
    EXPECT_EQ(NewEntryIdProblem(doc, NewEntryKind::Script, u"S2"),
              U16("已经有注册名称为“S2”的脚本，请换一个名称"));
    EXPECT_TRUE(NewEntryIdProblem(doc, NewEntryKind::Trigger, u"A10").has_value());
    EXPECT_TRUE(NewEntryIdProblem(doc, NewEntryKind::Team, u"T0").has_value());
    EXPECT_TRUE(NewEntryIdProblem(doc, NewEntryKind::TaskForce, u"F0").has_value());
    // A section without a registry line would still be found first by every lookup.
    doc.taskForceSectionsText += "[Orphan]\nName=o\n\n";
    EXPECT_TRUE(NewEntryIdProblem(doc, NewEntryKind::TaskForce, u"Orphan").has_value());

    // Other kinds and prefixes are no clash.
    EXPECT_FALSE(NewEntryIdProblem(doc, NewEntryKind::Script, u"F0").has_value());
    EXPECT_FALSE(NewEntryIdProblem(doc, NewEntryKind::Trigger, u"A1").has_value());
    EXPECT_FALSE(NewEntryIdProblem(doc, NewEntryKind::Team, u"T").has_value());
}

} // namespace
