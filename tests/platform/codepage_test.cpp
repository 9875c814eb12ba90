#include "platform/codepage.h"

#include <gtest/gtest.h>

using platform::AnsiToWide;
using platform::WideToAnsi;

TEST(CodePage, ChineseRoundTrip) {
    const std::u16string wide = u"注意：请检查ini文件打开的时候是否为ANSI格式!";
    const std::string narrow = WideToAnsi(wide);
    // Two bytes per Chinese character, one per ASCII character.
    EXPECT_EQ(narrow.size(), 2 * 18 + 8);
    EXPECT_EQ(narrow.substr(0, 4), "\xD7\xA2\xD2\xE2"); // 注意 in code page 936
    EXPECT_EQ(AnsiToWide(narrow), wide);
    EXPECT_EQ(AnsiToWide("plain ASCII=1,2"), u"plain ASCII=1,2");
    EXPECT_EQ(WideToAnsi(u""), "");
}

TEST(CodePage, UnmappableBecomesDefaultCharacter) {
    // An emoji (a surrogate pair) and a Cyrillic-only letter outside the code page.
    EXPECT_EQ(WideToAnsi(u"a\U0001F600b"), "a?b");
    EXPECT_EQ(WideToAnsi(u"x\u04E8y"), "x?y");
    // A lone lead byte at the end, and an invalid lead byte before a valid character.
    EXPECT_EQ(AnsiToWide("ab\x81"), u"ab?");
#ifdef _WIN32
    // The system's own table of code page 936 gives 0xFF a private character, which goes back
    // to 0xFF.
    EXPECT_EQ(AnsiToWide("\xFF\xD7\xA2"), u"\uF8F5注");
    EXPECT_EQ(WideToAnsi(u"\uF8F5"), "\xFF");
#else
    EXPECT_EQ(AnsiToWide("\xFF\xD7\xA2"), u"?注");
#endif
}

TEST(CodePage, TrailByteThatLooksLikeBracket) {
    // 0x81 0x5B is one character whose second byte is the byte of '['.
    const std::string narrow = "\x81\x5B";
    const std::u16string wide = AnsiToWide(narrow);
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_EQ(WideToAnsi(wide), narrow);
}

TEST(CodePage, Utf8BothWays) {
    const struct {
        std::string utf8;
        std::u16string wide;
    } rows[] = {
        {"", u""},
        {"ai.ini", u"ai.ini"},
        {"子目录/甲.ini", u"子目录/甲.ini"},
        {"a\xF0\x9F\x98\x80z", u"a\U0001F600z"}, // four bytes, a surrogate pair
    };
    for (const auto &row : rows) {
        EXPECT_EQ(platform::Utf8ToWide(row.utf8), row.wide) << row.utf8;
        EXPECT_EQ(platform::WideToUtf8(row.wide), row.utf8) << row.utf8;
    }
    // Each byte that does not start a valid sequence becomes U+FFFD: a stray byte, a truncated
    // sequence, an overlong form, an encoded surrogate.
    EXPECT_EQ(platform::Utf8ToWide("a\xFF"
                                   "b"),
              u"a\uFFFDb");
    EXPECT_EQ(platform::Utf8ToWide("\xE5\xAD"), u"\uFFFD\uFFFD");
    EXPECT_EQ(platform::Utf8ToWide("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(platform::Utf8ToWide("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
    // A lone surrogate has no UTF-8 form.
    EXPECT_EQ(platform::WideToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}
