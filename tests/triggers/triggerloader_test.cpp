#include "triggers/triggerloader.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "support/testdocument.h"
#include "triggers/triggerformat.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

class TriggerLoad : public ::testing::Test {
protected:
    void SetUp() override { ResetTestDocument(); }

    static void Slot(int index, const std::string &text) {
        doc.fileSlots[size_t(index)].text = text;
        doc.fileSlots[size_t(index)].length = int(text.size());
    }

    static std::string Load() {
        LoadAITriggerTypes(doc);
        return doc.triggerText;
    }
};

} // namespace

TEST_F(TriggerLoad, SectionInMiddleOrAtEnd) {
    Slot(0, "[General]\nx=1\n[AITriggerTypes]\nA=x,y\nB=z\n[Other]\nq=1\n");
    EXPECT_EQ(Load(), "[AITriggerTypes]\nA=x,y\nB=z\n\n");
    EXPECT_EQ(doc.triggerLastIndex, 1);

    ResetTestDocument();
    Slot(0, "[X]\n[AITriggerTypes]\n\n\nA=1\n\nB=2\nC=3");
    EXPECT_EQ(Load(), "[AITriggerTypes]\nA=1\nB=2\nC=3\n\n");
}

TEST_F(TriggerLoad, NoSectionOrEmptyBody) {
    Slot(0, "[AITriggerTypes]\n[Next]\nA=1\n");
    Slot(1, "[AITriggerTypes]");
    EXPECT_EQ(Load(), "[AITriggerTypes]\n\n");
    EXPECT_EQ(doc.triggerLastIndex, -1);
}

TEST_F(TriggerLoad, CommentAndBlankLineRules) {
    Slot(0, "[AITriggerTypes]\n;A=x\nN=x,y ;note\nno equals\n; comment\n   \n;;;\nK;B=x\n"
            "E=;only a note\nS=  a  \t b \t\nP =x\n;;C=1 ; old\n");
    EXPECT_EQ(Load(), "[AITriggerTypes]\n;A=x\nN=x,y\nE=\nS=a b\nP =x\n;;C=1\n\n");
    EXPECT_EQ(doc.triggerLastIndex, 5);
}

TEST_F(TriggerLoad, TrailingBlankDoesNotTurnHardFlagOff) {
    const std::string_view allButHard = kNewTriggerValue.substr(0, kNewTriggerValue.size() - 1);
    Slot(0, "[AITriggerTypes]\nA" + std::string(allButHard) + "1 \t\n");
    Load();
    EXPECT_TRUE(ReadTriggerForm(FindTriggerEntry(doc.triggerText, "A")).form.hard);
}

TEST_F(TriggerLoad, SlotsInOrderPastGaps) {
    Slot(0, "[AITriggerTypes]\nO=opened\n");
    Slot(1, "[AITriggerTypes]\nI1=first\nO=duplicate\n");
    // Slot 2 was never filled; slot 3 could not be read.
    doc.fileSlots[3].text = "None";
    Slot(5, "[AITriggerTypes]\nI5=later\n");
    EXPECT_EQ(Load(), "[AITriggerTypes]\nO=opened\nI1=first\nO=duplicate\nI5=later\n\n");
    EXPECT_EQ(doc.triggerLastIndex, 3);
}

TEST_F(TriggerLoad, OnlyLinesStartingWithBracketAreSectionBoundaries) {
    // 0x81 0x5B is one GBK character whose second byte is '['. The header inside a value and the
    // indented one are not headers; a second section further down is read too.
    Slot(0, "[Notes]\nsee=[AITriggerTypes]\nX=1\n [AITriggerTypes]\nY=1\n"
            "[AITriggerTypes]\nA=x[y],z\nG=\x81\x5B\xC3\xFB\n[Other]\nq=2\n"
            "[AITriggerTypes]\nB=2\n");
    EXPECT_EQ(Load(), "[AITriggerTypes]\nA=x[y],z\nG=\x81\x5B\xC3\xFB\nB=2\n\n");
}

TEST(TriggerEntries, LookupMatchesWholeId) {
    const std::string text = "[AITriggerTypes]\nA10=ten\nA1=one\nB=x=y\nC=last";
    EXPECT_EQ(FindTriggerEntry(text, "A1"), "=one");
    EXPECT_EQ(FindTriggerEntry(text, "B"), "=x=y");
    EXPECT_EQ(FindTriggerEntry(text, "C"), "=last");
    EXPECT_EQ(FindTriggerEntry(text, "A"), "None");
    EXPECT_EQ(FindTriggerEntry(text, "B=x"), "None");
    EXPECT_EQ(FindTriggerEntry(text, "[AITriggerTypes]"), "None");
}

TEST(TriggerEntries, ReplaceAndRemove) {
    std::string text = "[AITriggerTypes]\nA=1\nB=2\nA=3\n\n";
    EXPECT_TRUE(ReplaceTriggerEntry(text, "A", "A=9"));
    EXPECT_EQ(text, "[AITriggerTypes]\nA=9\nB=2\nA=3\n\n");
    EXPECT_FALSE(ReplaceTriggerEntry(text, "D", "D=1"));
    EXPECT_EQ(text, "[AITriggerTypes]\nA=9\nB=2\nA=3\n\n");

    RemoveTriggerEntries(text, {"B", "C"});
    EXPECT_EQ(text, "[AITriggerTypes]\nA=9\nA=3\n");
    RemoveTriggerEntries(text, {"A", "A"});
    EXPECT_EQ(text, "[AITriggerTypes]\n");

    std::string first = "A=1\nB=2\n";
    RemoveTriggerEntries(first, {"A"});
    EXPECT_EQ(first, "B=2\n");
}

// The removal as the window once did it: one search of the whole text per deleted row.
void RemoveOneByOne(std::string &text, const std::vector<std::string> &ids) {
    for (const std::string &id : ids) {
        for (size_t pos = text.find(id + "="); pos != std::string::npos;
             pos = text.find(id + "=", pos + 1)) {
            if (pos != 0 && text[pos - 1] != '\n') continue;
            const size_t end = std::min(text.find('\n', pos), text.size());
            if (pos == 0)
                text.erase(0, end == text.size() ? end : end + 1);
            else
                text.erase(pos - 1, end - (pos - 1));
            break;
        }
    }
    text = SqueezeLineBreaks(text);
}

TEST(TriggerEntries, RemovingManyAtOnceMatchesRemovingOneByOne) {
    std::mt19937 random(5);
    // Prefixes of each other, duplicates, a commented-out line, blank lines, no final line break.
    const std::vector<std::string> ids = {"A", "A1", "A10", ";A", "B", "", "C"};
    for (int round = 0; round < 500; ++round) {
        std::string text = random() % 2 ? "[AITriggerTypes]\n" : "";
        for (int line = 0, lines = int(random() % 9); line < lines; ++line) {
            text += random() % 5 ? ids[random() % ids.size()] + "=v" + std::to_string(line) : "";
            if (line + 1 < lines || random() % 2) text += '\n';
        }
        std::vector<std::string> doomed;
        for (int i = 0, count = int(random() % 4); i < count; ++i)
            doomed.push_back(ids[random() % ids.size()]);
        std::string expected = text;
        RemoveOneByOne(expected, doomed);
        std::string actual = text;
        RemoveTriggerEntries(actual, doomed);
        ASSERT_EQ(actual, expected) << "text: " << text;
    }
}

TEST(TriggerEntries, AppendThenEditTheNewLine) {
    std::string text = "[AITriggerTypes]\nA=1\n\n";
    AppendTriggerEntry(text, "N");
    AppendTriggerEntry(text, "M");
    const std::string value(kNewTriggerValue);
    EXPECT_EQ(text, "[AITriggerTypes]\nA=1\nN" + value + "\nM" + value + "\n");
    EXPECT_TRUE(ReplaceTriggerEntry(text, "N", "N=x"));
    EXPECT_EQ(text, "[AITriggerTypes]\nA=1\nN=x\nM" + value + "\n\n");
}
