// The registry-list loader, through the task force kind; scripts and teams share it.

#include "taskforces/taskforceloader.h"

#include "core/document.h"
#include "core/windowsignals.h"
#include "support/generator.h"
#include "support/testdocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using testsupport::FillSlots;

namespace {

class TaskForceLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { ResetTestDocument(); }

    void Load(const std::vector<std::optional<std::string>> &texts) {
        FillSlots(doc, texts);
        LoadTaskForces(doc);
    }
};

TEST_F(TaskForceLoaderTest, SortsByRegistryNumberAndRenumbersFromTheStart) {
    Load({"[TaskForces]\n3=X\n1=Y\n\n[X]\nName=x\n0=1,A\n\n\n[Y]\nName=y\n\n0=2,B\n"});
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=Y\n1=X\n");
    EXPECT_EQ(doc.taskForceSectionsText, "\n[Y]\nName=y\n0=2,B\n\n[X]\nName=x\n0=1,A\n\n");

    ResetTestDocument();
    doc.startNumber = 100;
    Load({"[TaskForces]\n0=TF_A\n5=TF_B\n"});
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n100=TF_A\n101=TF_B\n");
}

TEST_F(TaskForceLoaderTest, EqualNumbersKeepTheirFileOrderAndDuplicatesStay) {
    Load({"[TaskForces]\n1=B\n1=A\n0=C\n1=B\n[B]\nName=b\n"});
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=C\n1=B\n2=A\n3=B\n");
    EXPECT_EQ(doc.taskForceSectionsText, "\n[C]\n\n[B]\nName=b\n\n[A]\n\n[B]\nName=b\n\n");
}

TEST_F(TaskForceLoaderTest, NumbersNearTheTopOfTheRangeDoNotWrap) {
    doc.startNumber = INT_MAX;
    Load({"[TaskForces]\n0=A\n1=B\n"});
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n2147483647=A\n2147483648=B\n");
}

TEST_F(TaskForceLoaderTest, RegistryLineForms) {
    Load({"[TaskForces]\n"
          "; a comment without digits\n"
          "Name=NotAnEntry\n"
          "2=  My \t  Force ;note\n"
          ";4=TF_OLD\n"
          "  3 =TF_C\n"
          "5=TF_TAB\t\r\n"
          "6=TF_NOTE ;note\n"
          "7=TF_BLANK  \n"
          "[My Force]\nName=m\n[TF_TAB]\nName=t\n[TF_NOTE]\nName=n\n[TF_BLANK]\nName=b\n"});
    // ";4" is commented out and "  3 " reads as 3; blanks, tabs and CRs after an ID are not
    // part of it.
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=My Force\n1=TF_C\n2=TF_TAB\n"
                                     "3=TF_NOTE\n4=TF_BLANK\n");
    EXPECT_EQ(doc.taskForceSectionsText, "\n[My Force]\nName=m\n\n[TF_C]\n\n"
                                         "[TF_TAB]\nName=t\n\n[TF_NOTE]\nName=n\n\n"
                                         "[TF_BLANK]\nName=b\n\n");
}

TEST_F(TaskForceLoaderTest, CommentedAndAppendedLinesOfHandWrittenLists) {
    // Disabled entries stay disabled; "+=" entries sort after the line before them in their
    // block, or before every numbered line when they open a block, in load order.
    Load({"[TaskForces]\n+=P1\n5=A\n  ; 6=Off\n+=B\n\t+=C\n2=D\n;1=Gone\n"
          "[TaskForces]\n+=P2\n5=E\n[A]\nName=a\n[Off]\nName=off\n",
          "[TaskForces]\n+=P3\n9=F\n+=G\n"});
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=P1\n1=P2\n2=P3\n3=D\n4=A\n5=B\n6=C\n"
                                     "7=E\n8=F\n9=G\n");
    EXPECT_EQ(doc.taskForceSectionsText.find("[Off]"), std::string::npos);
    EXPECT_EQ(doc.taskForceSectionsText.find("[Gone]"), std::string::npos);
}

TEST_F(TaskForceLoaderTest, OnlyLinesStartingWithABracketBoundSectionsAndHeaders) {
    Load({"[General]\nNote=[TaskForces]\nRef=[A]\n"
          "[TaskForces]\n; see [notes]\n0=A\n1=B\n"
          "[A]\nName=a[1]\n0=1,X\n"
          // 0x94 0x5B is one Chinese character whose second byte is '['.
          "[B]\nName=\x94\x5B\xB6\xC9\n0=2,Y\n"
          "[Other]\nKey=1\n"});
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=A\n1=B\n");
    EXPECT_EQ(doc.taskForceSectionsText,
              "\n[A]\nName=a[1]\n0=1,X\n\n[B]\nName=\x94\x5B\xB6\xC9\n0=2,Y\n\n");
}

TEST_F(TaskForceLoaderTest, HeadersMatchByteForByte) {
    Load({"[taskforces]\n0=lower\n[TaskForces]\n0=TF_A\n[tf_a]\nName=wrong case\n"});
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=TF_A\n");
    EXPECT_EQ(doc.taskForceSectionsText, "\n[TF_A]\n\n");
}

TEST_F(TaskForceLoaderTest, EveryBlockOfTheListIsRead) {
    Load({"[TaskForces]\n1=A\n[A]\nName=a\n\n[TaskForces]\n0=B\n[B]\nName=b\n[TaskForces]\n2=C"});
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=B\n1=A\n2=C\n");
    EXPECT_EQ(doc.taskForceSectionsText, "\n[B]\nName=b\n\n[A]\nName=a\n\n[C]\n\n");
}

TEST_F(TaskForceLoaderTest, EmptyListBodiesGiveNothing) {
    for (const char *text : {"[TaskForces]\n[A]\nName=a\n", "[A]\nName=a\n[TaskForces]",
                             "[A]\nName=a\n[TaskForces]\n", "", "no sections at all\n"}) {
        ResetTestDocument();
        Load({text});
        EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n") << text;
        EXPECT_EQ(doc.taskForceSectionsText, "\n") << text;
    }
}

TEST_F(TaskForceLoaderTest, SectionsAreFoundInOtherSlotsInSlotOrder) {
    // Slot 1 is an include file that could not be read: what its text holds is not searched.
    // Slot 2 is never filled: the slots after it are still visited.
    FillSlots(doc, {"[TaskForces]\n0=A\n1=B\n2=C\n[C]\nName=c0\n", std::nullopt, std::nullopt,
                    "[A]\nName=a3\n[B]\nName=b3\n[TaskForces]\n3=D\n[C]\nName=c3\n",
                    "[A]\nName=a4\n[D]\nName=d4\n"});
    doc.fileSlots[1] = {std::string("[A]\nName=sentinel\n"), 0};
    LoadTaskForces(doc);
    // A and B are found in slot 3, the first other slot that has them; C in its list's own
    // slot; D's list is in slot 3, but its section only in slot 4.
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=A\n1=B\n2=C\n3=D\n");
    EXPECT_EQ(doc.taskForceSectionsText,
              "\n[A]\nName=a3\n\n[B]\nName=b3\n\n[C]\nName=c0\n\n[D]\nName=d4\n\n");
}

TEST_F(TaskForceLoaderTest, ListsOfAllSlotsAreSortedTogether) {
    Load({"[TaskForces]\n5=A\n[A]\nName=a\n", "[TaskForces]\n1=B\n[B]\nName=b\n"});
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=B\n1=A\n");
    EXPECT_EQ(doc.taskForceSectionsText, "\n[B]\nName=b\n\n[A]\nName=a\n\n");
}

TEST_F(TaskForceLoaderTest, SectionAtTheEndOfTheText) {
    Load({"[TaskForces]\n0=A\n1=B\n2=C\n[B]\n[A]\nName=a\n0=1,X", "[C]"});
    // The last line gets its line break, and the section its blank line, as every other.
    EXPECT_EQ(doc.taskForceSectionsText, "\n[A]\nName=a\n0=1,X\n\n[B]\n\n[C]\n\n");
}

TEST_F(TaskForceLoaderTest, LoadingTheLoadedTextsAgainChangesNothing) {
    Load({testsupport::GenerateAiFile(1, 7)});
    EXPECT_EQ(std::count(doc.taskForceListText.begin(), doc.taskForceListText.end(), '\n'), 1001);
    EXPECT_EQ(doc.taskForceSectionsText.find("]\n\n"), std::string::npos)
        << "every generated task force has a section";
    const std::string list = doc.taskForceListText, sections = doc.taskForceSectionsText;
    ResetTestDocument();
    Load({list + sections});
    EXPECT_EQ(doc.taskForceListText, list);
    EXPECT_EQ(doc.taskForceSectionsText, sections);
}

} // namespace
