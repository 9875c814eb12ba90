// The string table reader on files of the real layout written here, and on damaged ones.

#include "document/stringtable.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

TEST(StringTable, ReadsLabelsAndInvertedTexts) {
    const std::string bytes = StringTableBytes({{"Name:HTNK", {U16("灰熊坦克")}, ""},
                                                {"Name:E1", {U16("美国大兵"), U16("second")}, ""},
                                                {"Name:Sound", {U16("x")}, "extra.wav"},
                                                {"Name:None", {}, ""},
                                                {"Name:Empty", {u""}, ""}});
    TempDir dir;
    WriteBytes(dir / "ra2.csf", bytes + "trailing");
    const StringTableRead read = ReadStringTable(WidePath(dir / "ra2.csf"));
    ASSERT_TRUE(read.table) << U8(read.error);
    const StringTable &table = *read.table;
    EXPECT_EQ(table.size(), 4u);
    EXPECT_EQ(U8(*table.Find("name:htnk")), "灰熊坦克");
    EXPECT_EQ(U8(*table.Find("Name:E1")), "美国大兵");
    EXPECT_EQ(U8(*table.Find("Name:Sound")), "x");
    EXPECT_EQ(U8(*table.Find("Name:Empty")), "");
    EXPECT_EQ(table.Find("Name:None"), nullptr);
}

// Damaged and truncated files are errors that name the file; nothing is read from them.
TEST(StringTable, DamagedFilesAreErrorsNamingTheFile) {
    const std::string good = StringTableBytes({{"A", {u"abc"}, ""}, {"B", {u"de"}, "x"}});
    std::string badLabel = good, badString = good;
    badLabel[24] = 'X';
    badString[24 + 4 + 4 + 4 + 1] = 'X';
    const struct {
        std::string name, bytes, error;
    } rows[] = {
        {"empty", "", "不是字符串表文件"},
        {"an INI file", "[General]\nName=x\n", "不是字符串表文件"},
        {"no label tag", badLabel, "第 1 个标签，字节 24 处应为标签"},
        {"no string tag", badString, "第 1 个标签，字节 37 处应为文字"},
        {"past the end", good.substr(0, 30), "第 1 个标签，字节 28 处文件提前结束"},
    };
    TempDir dir;
    for (const auto &row : rows) {
        WriteBytes(dir / "bad.csf", row.bytes);
        const StringTableRead read = ReadStringTable(WidePath(dir / "bad.csf"));
        EXPECT_FALSE(read.table) << row.name;
        EXPECT_NE(U8(read.error).find(U8(WidePath(dir / "bad.csf"))), std::string::npos)
            << row.name << ": " << U8(read.error);
        EXPECT_NE(U8(read.error).find(row.error), std::string::npos)
            << row.name << ": " << U8(read.error);
    }
    // Every cut short of the whole file is an error.
    for (size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(ParseStringTable(good.substr(0, size), u"t.csf").table) << size;
    EXPECT_TRUE(ParseStringTable(good, u"t.csf").table);
    const StringTableRead missing = ReadStringTable(WidePath(dir / "none.csf"));
    EXPECT_FALSE(missing.table);
    EXPECT_EQ(U8(missing.error).rfind("字符串表无法读取: ", 0), 0u) << U8(missing.error);
}

} // namespace
