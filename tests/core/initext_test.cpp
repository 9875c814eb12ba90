#include "core/initext.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(FindInText, ModeZeroAndOne) {
    const std::string text = "[TeamTypes]\n0=T1\n";
    EXPECT_EQ(FindInText(int(text.size()), 0, text, "[TeamTypes]", 1), 12);
    EXPECT_EQ(FindInText(int(text.size()), 0, text, "[TeamTypes]", 0), 0);
    EXPECT_EQ(FindInText(int(text.size()), 1, text, "[TeamTypes]", 1), -1);

    const std::string twenty = "abcdefghijklmnopqrst";
    EXPECT_EQ(FindInText(20, 0, twenty, "[#include]", 1), -1);
    // Without a match, mode 0 gives the bound for one-character patterns: "the end".
    EXPECT_EQ(FindInText(20, 5, twenty, "[", 0), 20);
    EXPECT_EQ(FindInText(20, 0, twenty, "xyz", 0), 18);
    EXPECT_EQ(FindInText(20, 19, twenty, "xyz", 0), 19);
    // A bound below the pattern's size finds nothing, in either mode.
    EXPECT_EQ(FindInText(2, 0, twenty, "abc", 0), -1);
    EXPECT_EQ(FindInText(20, 3, twenty, "", 0), 3);
    EXPECT_EQ(FindInText(20, 3, twenty, "", 1), 4);
}

TEST(FindInText, BoundAndNul) {
    const std::string text = "ab\0cd=x"s;
    // The bound limits the scan even when the text goes on.
    EXPECT_EQ(FindInText(4, 0, text, "cd", 0), 3);
    EXPECT_EQ(FindInText(4, 0, text, "d=", 0), 3);
    EXPECT_EQ(FindInText(7, 0, text, "d=", 0), 4);
    // A NUL in the text never matches, not even a NUL in the pattern.
    EXPECT_EQ(FindInText(7, 0, text, "b\0c"s, 1), -1);
    // A bound past the text's end does not read beyond it.
    EXPECT_EQ(FindInText(100, 0, text, "zz", 1), -1);
}

TEST(CutText, Ranges) {
    EXPECT_EQ(CutText("abcdef", 6, 1, 4), "bcd");
    EXPECT_EQ(CutText("abcdef", 4, 1, 10), "bcd");
    EXPECT_EQ(CutText("abcdef", 6, 4, 4), std::nullopt);
    EXPECT_EQ(CutText("abcdef", 6, 6, 8), std::nullopt);
    EXPECT_EQ(CutText("abcdef", 6, -1, 3), std::nullopt);
}

TEST(LineHelpers, SqueezeCountGetLine) {
    EXPECT_EQ(SqueezeLineBreaks("a\n\n\nb\n\n"), "a\nb\n");
    EXPECT_EQ(SqueezeLineBreaks("a\n \nb"), "a\n \nb");
    EXPECT_EQ(SqueezeLineBreaks("\n\na"), "\na");
    EXPECT_EQ(CountLines(""), 1);
    EXPECT_EQ(CountLines("x\ny\n"), 3);

    const std::string text = "x\ny\n";
    EXPECT_EQ(GetLine(text, 1), "x");
    EXPECT_EQ(GetLine(text, 2), "y");
    EXPECT_EQ(GetLine(text, 3), "");
    EXPECT_EQ(GetLine(text, 4), std::nullopt);
    EXPECT_EQ(GetLine(text, 0), "");
    EXPECT_EQ(GetLine("x\ny", 0), "y");
    EXPECT_EQ(GetLine("x\ny", -3), "y");
    EXPECT_EQ(GetLine("solo", 0), "solo");
}

TEST(SplitKeyValue, BlanksAndComments) {
    const std::string line = "3=  Foo   Bar ;note";
    EXPECT_EQ(SplitKeyValue(line, '=', 0), "3");
    EXPECT_EQ(SplitKeyValue(line, '=', 1), "Foo Bar");
    EXPECT_EQ(SplitKeyValue("3=Foo   ", '=', 1), "Foo ");
    EXPECT_EQ(SplitKeyValue("3=\tFoo\t\tBar", '=', 1), "Foo Bar");
    EXPECT_EQ(SplitKeyValue("3=Foo;x", '=', 1), "Foo");
    EXPECT_EQ(SplitKeyValue("Foo", '=', 0), "Foo");
    EXPECT_EQ(SplitKeyValue("Foo", '=', 1), "");
    EXPECT_EQ(SplitKeyValue("", '=', 0), std::nullopt);
    EXPECT_EQ(SplitKeyValue("a=b", '=', 2), std::nullopt);
    // Keys keep their blanks; only the first separator splits.
    EXPECT_EQ(SplitKeyValue(" k =a=b", '=', 0), " k ");
    EXPECT_EQ(SplitKeyValue(" k =a=b", '=', 1), "a=b");
}

TEST(LineTests, AssignmentAndRegistry) {
    EXPECT_TRUE(IsAssignmentLine("A=x,y"));
    EXPECT_TRUE(IsAssignmentLine(";;A=x"));
    EXPECT_FALSE(IsAssignmentLine("A=x ;note"));
    EXPECT_FALSE(IsAssignmentLine("; just a comment"));
    EXPECT_FALSE(IsAssignmentLine(";;;"));
    EXPECT_FALSE(IsAssignmentLine(""));

    EXPECT_TRUE(IsRegistryLine("12=Foo"));
    EXPECT_TRUE(IsRegistryLine("0=./+AI/TaskForce.ini"));
    EXPECT_FALSE(IsRegistryLine(";7=Old"));
    EXPECT_FALSE(IsRegistryLine("  \t; 0=20,terror"));
    EXPECT_TRUE(IsRegistryLine(" 7=a;b"));
    EXPECT_TRUE(IsAppendLine("+=TF1"));
    EXPECT_TRUE(IsAppendLine(" \t+=TF1"));
    EXPECT_FALSE(IsAppendLine("0+=TF1"));
    EXPECT_FALSE(IsAppendLine(";+=TF1"));
    EXPECT_FALSE(IsRegistryLine("=5"));
    EXPECT_FALSE(IsRegistryLine("Name=Foo"));
    EXPECT_FALSE(IsRegistryLine("   "));
}

TEST(ValueOfKey, FirstOccurrenceUntrimmed) {
    const std::string text = "Name=Foo\nPriority=5";
    EXPECT_EQ(ValueOfKey(text, "Priority="), "5");
    EXPECT_EQ(ValueOfKey(text, "Name="), "Foo");
    EXPECT_EQ(ValueOfKey(text, "Max="), "None");
    EXPECT_EQ(ValueOfKey("Name= a b \nX=1", "Name="), " a b ");
    // A plain substring: the key may sit inside a longer key.
    EXPECT_EQ(ValueOfKey("MyName=Q\nName=R\n", "Name="), "Q");
}

TEST(Sections, EntrySectionOf) {
    const std::string text = "[A]\nx=1\n[B]\ny=2\n";
    EXPECT_EQ(EntrySectionOf(text, "A"), "[A]\nx=1");
    EXPECT_EQ(EntrySectionOf(text, "B"), "[B]\ny=2\n");
    EXPECT_EQ(EntrySectionOf(text, "C"), "None");
    EXPECT_EQ(EntrySectionOf("[A]\n[B]\n", "A"), "[A]");
}

TEST(Sections, BracketInsideALineIsNoBoundary) {
    // A '[' in a value neither ends the section nor passes for a header.
    const std::string text = "[A]\nName=[Easy] rush\nx=1\n[Easy]\nName=real\n";
    EXPECT_EQ(EntrySectionOf(text, "A"), "[A]\nName=[Easy] rush\nx=1");
    EXPECT_EQ(EntrySectionOf(text, "Easy"), "[Easy]\nName=real\n");
    EXPECT_EQ(HeaderLineOf(text, "Easy"), 25);
    EXPECT_EQ(HeaderLineOf(text, "Easy", 26), -1);

    // In code page 936 a character's second byte can be 0x5B, the byte of '['.
    const std::string gbk = "[T]\nName=\x81[x\ny=2\n[U]\n";
    EXPECT_EQ(EntrySectionOf(gbk, "T"), "[T]\nName=\x81[x\ny=2");
}

TEST(Sections, NextHeaderLine) {
    const std::string text = "a[b\n[c]\nd\n";
    EXPECT_EQ(NextHeaderLine(text, 0), 4);
    EXPECT_EQ(NextHeaderLine(text, 4), 4);
    EXPECT_EQ(NextHeaderLine(text, 5), int(text.size()));
    EXPECT_EQ(NextHeaderLine("[x]", 0), 0);
    EXPECT_EQ(NextHeaderLine("", 0), 0);
}

TEST(RemoveLineWith, RemovesOneLineAndOneBreak) {
    std::string text = "1=A\n2=B\n";
    EXPECT_TRUE(RemoveLineWith(text, "2=B"));
    EXPECT_EQ(text, "1=A\n");

    text = "1=A\n2=B\n";
    EXPECT_TRUE(RemoveLineWith(text, "1=A"));
    EXPECT_EQ(text, "2=B\n");

    text = "1=A\n2=B";
    EXPECT_TRUE(RemoveLineWith(text, "2=B"));
    EXPECT_EQ(text, "1=A");

    text = "only";
    EXPECT_TRUE(RemoveLineWith(text, "only"));
    EXPECT_EQ(text, "");

    text = "1=A\n";
    EXPECT_FALSE(RemoveLineWith(text, "9=Z"));
    EXPECT_EQ(text, "1=A\n");
}

TEST(FieldsBetween, Fields) {
    EXPECT_EQ(FieldsBetween("a,b,c", ',', 1, 2), "b");
    EXPECT_EQ(FieldsBetween("a,b,c", ',', 2, 0), "c");
    EXPECT_EQ(FieldsBetween("a,b,c", ',', -2, -2), "c");
    EXPECT_EQ(FieldsBetween("a,b,c", ',', 1, 3), "None");
    EXPECT_EQ(FieldsBetween("a,b,c", ',', 0, 1), "None");
    EXPECT_EQ(FieldsBetween("a,b,c", ',', 2, 1), "");
    EXPECT_EQ(FieldsBetween("a,b,c,d", ',', 1, 3), "bc");
    EXPECT_EQ(FieldsBetween("a,,c", ',', 1, 2), "");
    EXPECT_EQ(FieldsBetween("abc", ',', 1, 0), "abc");
}

TEST(NormalizeEditText, CrAndRuns) {
    EXPECT_EQ(NormalizeEditText("a\r\n\r\nb"), "a\nb\n");
    EXPECT_EQ(NormalizeEditText("a\n\r\n\n"), "a\n");
    EXPECT_EQ(NormalizeEditText(""), "");
    EXPECT_EQ(NormalizeEditText("\r"), "");
}

TEST(Numbers, AtoiRules) {
    EXPECT_EQ(NarrowToInt("  -12abc"), -12);
    EXPECT_EQ(NarrowToInt("+7"), 7);
    EXPECT_EQ(NarrowToInt(";7"), 0);
    EXPECT_EQ(NarrowToInt(""), 0);
    EXPECT_EQ(NarrowToInt("99999999999"), INT32_MAX);
    EXPECT_EQ(NarrowToInt("-99999999999"), INT32_MIN);
    EXPECT_EQ(NarrowToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(TextToInt(u" 100"), 100);
}

TEST(Paths, DirectoryStripReplace) {
    EXPECT_EQ(DirectoryOf("C:\\mods\\ai.ini"), "C:\\mods\\");
    EXPECT_EQ(DirectoryOf("/home/u/ai.ini"), "/home/u/");
    EXPECT_EQ(DirectoryOf("ai.ini"), "");
    EXPECT_EQ(StripDotSlash("./+AI/a.ini"), "+AI/a.ini");
    EXPECT_EQ(StripDotSlash("sub/./a.ini"), "sub/./a.ini");
    std::string path = "sub/dir/a.ini";
    EXPECT_EQ(ReplaceChar(path, '/', '\\'), "sub\\dir\\a.ini");
    EXPECT_TRUE(StartsWith("yes ", "yes"));
    EXPECT_FALSE(StartsWith("Yes", "yes"));
    EXPECT_FALSE(StartsWith("ye", "yes"));
}
