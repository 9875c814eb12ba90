// The text work behind Save, Tidy and Delete of the task force and script windows.

#include "core/entrytext.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "support/generator.h"
#include "support/testdocument.h"
#include "taskforces/taskforceloader.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const std::string kSections = "\n[A]\nName=Alpha\nGroup=-1\n0=2,E1\n\n"
                              "[B]\nName=Beta\nRef=[A]\n\n"
                              "[C]\nName=Gamma\n\n";

TEST(SaveEntrySection, ReplacesExactlyTheSection) {
    std::string text = kSections;
    SaveResult result = SaveEntrySection(text, "B", "[B]\r\nName=Bee\r\n\r\n\r\n0=1,E3");
    EXPECT_EQ(result.outcome, SaveOutcome::Saved);
    EXPECT_EQ(result.comment, "Bee");
    EXPECT_EQ(text, "\n[A]\nName=Alpha\nGroup=-1\n0=2,E1\n\n"
                    "[B]\nName=Bee\n0=1,E3\n\n"
                    "[C]\nName=Gamma\n\n");

    // The last section runs to the end of the text.
    result = SaveEntrySection(text, "C", "[C]\n0=1,E1\n");
    EXPECT_EQ(result.comment, "None");
    EXPECT_TRUE(text.ends_with("[B]\nName=Bee\n0=1,E3\n\n[C]\n0=1,E1\n"));
}

TEST(SaveEntrySection, RemovesOnlyThatSection) {
    std::string text = kSections;
    EXPECT_EQ(SaveEntrySection(text, "B", "").outcome, SaveOutcome::Saved);
    EXPECT_EQ(text, "\n[A]\nName=Alpha\nGroup=-1\n0=2,E1\n\n\n[C]\nName=Gamma\n\n");
    EXPECT_EQ(EntrySectionOf(text, "B"), "None");
}

TEST(SaveEntrySection, RefusesWhatWouldCorruptTheText) {
    std::string text = kSections;
    // No section for the ID (the title's template text, a deleted or renamed entry).
    EXPECT_EQ(SaveEntrySection(text, "我是标题!!!", "[X]\nName=x\n").outcome,
              SaveOutcome::NoSection);
    EXPECT_EQ(SaveEntrySection(text, "Ref=[A", "[A]\n").outcome, SaveOutcome::NoSection);
    // A first line that is not a header would join the lines to the section before it.
    EXPECT_EQ(SaveEntrySection(text, "B", "Name=Beta\n0=1,E1\n").outcome, SaveOutcome::NotASection);
    EXPECT_EQ(SaveEntrySection(text, "B", "\n[B]\nName=Beta\n").outcome, SaveOutcome::NotASection);
    // A renamed header would leave the list naming a section that no longer exists.
    EXPECT_EQ(SaveEntrySection(text, "A", "[A2]\nName=Alpha\n").outcome, SaveOutcome::OtherId);
    EXPECT_EQ(SaveEntrySection(text, "A", "[AB]\n[A]\n").outcome, SaveOutcome::OtherId);
    EXPECT_EQ(text, kSections);
}

TEST(TidyEntryText, TaskForceMembersAreRenumberedInOrder) {
    EXPECT_EQ(TidyEntryText("TF", "[TF]\nName=A\nGroup=-1\n0=2,E1\n3=1,E2\n", kTaskForceTextKind),
              "[TF]\nName=A\nGroup=-1\n0=2,E1\n1=1,E2\n");
    EXPECT_EQ(TidyEntryText("TF", "[TF]\n0=1,A\n\n\n2=1,B\nName=N\n5=3,C", kTaskForceTextKind),
              "[TF]\nName=N\nGroup=None\n0=1,A\n1=1,B\n2=3,C\n");
    // A commented-out member, a bare value and a note after a value; the header comes from
    // the title, not the field, and lines without a comma go.
    EXPECT_EQ(TidyEntryText("New", "[Old]\nName=A\nGroup=2\nMax=5\n;3=1,E2\n2,E1\n0=4,E3 ;x\n",
                            kTaskForceTextKind),
              "[New]\nName=A\nGroup=2\n0=1,E2\n1=2,E1\n2=4,E3 ;x\n");
    // "Name" anywhere on a line keeps it out, even with a comma.
    EXPECT_EQ(TidyEntryText("T", "0=1,Name\n1=2,E\n", kTaskForceTextKind),
              "[T]\nName=None\nGroup=None\n0=2,E\n");
}

std::vector<std::string> Ids(std::initializer_list<const char *> ids) {
    return {ids.begin(), ids.end()};
}

TEST(RebuildEntryTexts, KeepsTheRowsInRowOrder) {
    const std::string sections = "\n[A]\nName=a\n\n[B]\nName=b\n\n[C]\nName=c\n";
    EntryTexts texts = RebuildEntryTexts(Ids({"C", "Gone", "A"}), sections, 5, kTaskForceTextKind);
    EXPECT_EQ(texts.listText, "[TaskForces]\n5=C\n6=Gone\n7=A\n");
    EXPECT_EQ(texts.sectionsText, "[C]\nName=c\n\n\n[A]\nName=a\n\n\n");

    texts = RebuildEntryTexts(Ids({"C", "A"}), sections, 0, kScriptTextKind);
    EXPECT_EQ(texts.listText, "[ScriptTypes]\n0=C\n1=A\n\n");
    EXPECT_EQ(texts.sectionsText, "[C]\nName=c\n\n[A]\nName=a\n\n");

    texts = RebuildEntryTexts({}, sections, 0, kTaskForceTextKind);
    EXPECT_EQ(texts.listText, "[TaskForces]\n");
    EXPECT_EQ(texts.sectionsText, "\n");
}

TEST(DeleteEntryTexts, TakesOutExactlyTheDoomedEntries) {
    // NoRow never got a row; the bytes 0x80 0xFF do not survive the code page round trip.
    const std::string list = "[TaskForces]\n0=A\n1=NoRow\n2=\x80\xFF\n3=B\n4=A\n";
    const std::string sections = "\n[A]\nName=a\n\n[NoRow]\n0=1,X\n\n[\x80\xFF]\nName=c\n\n"
                                 "[B]\nName=b\n\n";
    // "4=A" goes, not the first A; B is found by its ID alone; Nowhere takes nothing out.
    const EntryTexts texts = DeleteEntryTexts(
        list, sections, {{"4", "A"}, {"9", "B"}, {"1", "Nowhere"}}, 10, kTaskForceTextKind);
    EXPECT_EQ(texts.listText, "[TaskForces]\n10=A\n11=NoRow\n12=\x80\xFF\n");
    EXPECT_EQ(texts.sectionsText, "[A]\nName=a\n\n[NoRow]\n0=1,X\n\n[\x80\xFF]\nName=c\n\n\n");
}

TEST(RebuildEntryTexts, TakesTheSectionsThatEntrySectionOfGives) {
    // Generated task forces, in a shuffled order, some dropped, with awkward IDs mixed in.
    testsupport::FillSlots(doc, {testsupport::GenerateAiFile(1, 7)});
    LoadTaskForces(doc);
    std::string sections = doc.taskForceSectionsText +
                           "[A]B]\nName=x\n[A]\nName=a\n\n[A]\nName=second\nRef=[B]\n[A=B]\n";
    std::vector<std::string> ids;
    for (size_t pos = doc.taskForceListText.find('='); pos != std::string::npos;
         pos = doc.taskForceListText.find('=', pos + 1)) {
        const size_t lf = doc.taskForceListText.find('\n', pos);
        ids.push_back(doc.taskForceListText.substr(pos + 1, lf - pos - 1));
    }
    ASSERT_GT(ids.size(), 900u);
    for (const char *id : {"A", "A]B", "B", "A=B", "[A", "", "Name=x"})
        ids.push_back(id);
    std::mt19937 engine(11);
    std::shuffle(ids.begin(), ids.end(), engine);
    ids.resize(ids.size() * 3 / 4);

    std::string list = "[TaskForces]\n";
    std::string expected;
    for (size_t i = 0; i < ids.size(); ++i) {
        list += std::to_string(i) + "=" + ids[i] + "\n";
        const std::string section = EntrySectionOf(sections, ids[i]);
        expected += (section == "None" ? "" : section) + "\n";
    }
    const EntryTexts texts = RebuildEntryTexts(ids, sections, 0, kTaskForceTextKind);
    EXPECT_EQ(texts.listText, list);
    EXPECT_EQ(texts.sectionsText, expected + "\n");
}

} // namespace
