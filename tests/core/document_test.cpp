#include "core/document.h"

#include <gtest/gtest.h>

TEST(Document, OpenFileTestAndReset) {
    ResetDocument();
    EXPECT_FALSE(IsFileOpen());
    g_openedPath = u"Nones";
    EXPECT_FALSE(IsFileOpen());
    g_openedPath = u"/tmp/ai.ini";
    EXPECT_TRUE(IsFileOpen());

    g_teamListText = "[TeamTypes]\n";
    g_startNumber = 100;
    g_fileSlots[3].text = "x";
    g_scriptPendingRow = {4, true, u"S"};
    ResetDocument();
    EXPECT_FALSE(IsFileOpen());
    EXPECT_TRUE(g_teamListText.empty());
    EXPECT_EQ(g_startNumber, 0);
    EXPECT_FALSE(g_fileSlots[3].text.has_value());
    EXPECT_FALSE(g_scriptPendingRow.pending);
}
