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
    EXPECT_EQ(AnsiToWide("\xFF\xD7\xA2"), u"?注");
}

TEST(CodePage, TrailByteThatLooksLikeBracket) {
    // 0x81 0x5B is one character whose second byte is the byte of '['.
    const std::string narrow = "\x81\x5B";
    const std::u16string wide = AnsiToWide(narrow);
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_EQ(WideToAnsi(wide), narrow);
}
