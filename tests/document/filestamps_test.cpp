#include "document/filestamps.h"

#include "support/testsupport.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>

using namespace testsupport;
namespace fs = std::filesystem;

// The published FNV-1a test values: a stamp kept in a file compares with one taken in another run.
TEST(FileStamps, ContentHashIsFnv1a) {
    EXPECT_EQ(ContentHash(""), 0xcbf29ce484222325u);
    EXPECT_EQ(ContentHash("a"), 0xaf63dc4c8601ec8cu);
    EXPECT_EQ(ContentHash("foobar"), 0x85944171f73967e8u);
}

TEST(FileStamps, EachKindOfChangeIsSeen) {
    struct Case {
        const char *what;
        std::function<void(const fs::path &)> change;
        bool changed;
    } cases[] = {
        {"untouched", [](const fs::path &) {}, false},
        {"read again", [](const fs::path &file) { ReadBytes(file); }, false},
        {"another time",
         [](const fs::path &file) {
             fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(2));
         },
         true},
        {"another size",
         [](const fs::path &file) {
             const auto time = fs::last_write_time(file);
             WriteBytes(file, "x=10\r\n");
             fs::last_write_time(file, time);
         },
         true},
        // A quick rewrite may keep size and time: the content tells.
        {"same size and time",
         [](const fs::path &file) {
             const auto time = fs::last_write_time(file);
             WriteBytes(file, "x=2\r\n");
             fs::last_write_time(file, time);
         },
         true},
        {"removed", [](const fs::path &file) { fs::remove(file); }, true},
    };
    for (const Case &c : cases) {
        TempDir dir;
        const fs::path file = dir / "ai.ini";
        WriteBytes(file, "x=1\r\n");
        const std::u16string path = WidePath(file);
        const std::u16string missing = WidePath(dir / "missing.ini");
        FileStamps stamps;
        stamps.Take({path, missing});
        c.change(file);
        const std::vector<std::u16string> expected =
            c.changed ? std::vector<std::u16string>{path} : std::vector<std::u16string>{};
        EXPECT_EQ(stamps.ChangedAmong({path, missing}), expected) << c.what;
        EXPECT_EQ(stamps.ChangedNotIgnored(), expected) << c.what;
        // Seen: no longer reported, though a save still asks.
        stamps.Ignore({path});
        EXPECT_TRUE(stamps.ChangedNotIgnored().empty()) << c.what;
        EXPECT_EQ(stamps.ChangedAmong({path}), expected) << c.what;
    }
}

TEST(FileStamps, AFileThatAppearsIsAChange) {
    TempDir dir;
    const fs::path file = dir / "ai.ini";
    FileStamps stamps;
    stamps.Take({WidePath(file)});
    WriteBytes(file, "");
    EXPECT_EQ(stamps.ChangedNotIgnored(), std::vector<std::u16string>{WidePath(file)});
}
