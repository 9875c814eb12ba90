#include "platform/textfile.h"

#include "support/testsupport.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#endif

using namespace testsupport;
using platform::ReadResult;

TEST(TextFile, ReadTurnsCrLfIntoLf) {
    TempDir dir;
    WriteBytes(dir / "a.ini", "[A]\r\nx=1\r\n\r\nlone\rcr\n");
    ReadResult r = platform::ReadTextFile(WidePath(dir / "a.ini"));
    ASSERT_EQ(r.status, ReadResult::Status::Ok);
    EXPECT_EQ(r.text, "[A]\nx=1\n\nlone\rcr\n");

    EXPECT_EQ(platform::ReadTextFile(WidePath(dir / "missing.ini")).status,
              ReadResult::Status::Missing);
    EXPECT_FALSE(platform::CanOpenForReading(WidePath(dir / "missing.ini")));
    EXPECT_TRUE(platform::CanOpenForReading(WidePath(dir / "a.ini")));
}

TEST(TextFile, OnlyRegularFilesAreRead) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    WriteBytes(dir / "plain", "x");
    struct Case {
        std::string path;
        ReadResult::Status status;
        std::string reason;
    } cases[] = {
#ifndef _WIN32
        {(dir / "pipe").string(), ReadResult::Status::CannotRead, "不是普通文件"},
        {"/dev/null", ReadResult::Status::CannotRead, "不是普通文件"},
#endif
        {(dir / "folder").string(), ReadResult::Status::CannotRead, "是一个文件夹"},
        {(dir / "none" / "a.ini").string(), ReadResult::Status::Missing, "文件或文件夹不存在"},
        {(dir / "plain" / "a.ini").string(), ReadResult::Status::Missing, "文件或文件夹不存在"},
    };
#ifndef _WIN32
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0); // never opened: opening one may block
#endif
    for (const Case &c : cases) {
        ReadResult r = platform::ReadTextFile(U16(c.path));
        EXPECT_EQ(r.status, c.status) << c.path;
        EXPECT_EQ(U8(r.reason), c.reason) << c.path;
        EXPECT_FALSE(platform::CanOpenForReading(U16(c.path))) << c.path;
    }
}

TEST(TextFile, BytesAsTheyAre) {
    TempDir dir;
    const std::string bytes = std::string("a\r\nb\n\r\0c\xff", 9);
    const std::u16string path = WidePath(dir / "x.bin");
    ASSERT_TRUE(platform::WriteFileBytes(path, bytes).ok);
    EXPECT_EQ(ReadBytes(dir / "x.bin"), bytes);
    EXPECT_EQ(platform::ReadFileBytes(path).text, bytes);
    const platform::FileInfo info = platform::FileInfoOf(path);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    EXPECT_TRUE(info.exists && info.size == 9);
    EXPECT_NEAR(double(info.modified) / 1e9, std::chrono::duration<double>(now).count(), 60);
    EXPECT_EQ(platform::NamesInFolder(WidePath(dir.path())), std::vector<std::u16string>{u"x.bin"});

    const std::u16string renamed = WidePath(dir / "y.bin");
    ASSERT_TRUE(platform::RenameFile(path, renamed));
    EXPECT_TRUE(platform::RemoveFile(renamed));
    EXPECT_FALSE(platform::RemoveFile(renamed));
    EXPECT_TRUE(platform::NamesInFolder(WidePath(dir.path())).empty());
}

TEST(TextFile, SystemErrorTexts) {
#ifdef _WIN32
    EXPECT_EQ(U8(platform::SystemErrorText(ERROR_DISK_FULL)), "磁盘空间不足");
    EXPECT_EQ(U8(platform::SystemErrorText(ERROR_ACCESS_DENIED)), "没有权限");
    EXPECT_EQ(U8(platform::SystemErrorText(ERROR_SHARING_VIOLATION)), "文件正被占用");
    // The system's own text, without its line break.
    const std::string own = U8(platform::SystemErrorText(ERROR_NOT_SAME_DEVICE));
    EXPECT_FALSE(own.empty());
    EXPECT_EQ(own.find('\n'), std::string::npos) << own;
#else
    EXPECT_EQ(U8(platform::SystemErrorText(ENOSPC)), "磁盘空间不足");
    EXPECT_EQ(U8(platform::SystemErrorText(EACCES)), "没有权限");
    EXPECT_EQ(U8(platform::SystemErrorText(EROFS)), "文件系统是只读的");
    EXPECT_EQ(U8(platform::SystemErrorText(EXDEV)), std::strerror(EXDEV));
#endif
}

TEST(TextFile, BackslashPathsAndChineseNames) {
    TempDir dir;
    WriteBytes(dir / "子目录/甲.ini", "x\r\n");
    std::u16string path = WidePath(dir.path()) + u"\\子目录\\甲.ini";
    ReadResult r = platform::ReadTextFile(path);
    ASSERT_EQ(r.status, ReadResult::Status::Ok);
    EXPECT_EQ(r.text, "x\n");
}

// A command-line argument as an absolute path: the current folder before a relative one, "." and
// ".." worked out, doubled separators made one.
TEST(TextFile, AbsolutePathOfAnArgument) {
    const std::u16string here = WidePath(std::filesystem::current_path());
#ifdef _WIN32
    const std::u16string drive = here.substr(0, 2); // "Z:"
    const struct {
        const char *argument;
        std::u16string path;
    } rows[] = {
        {"ai.ini", here + u"\\ai.ini"},
        {"mod\\.\\x\\..\\ai.ini", here + u"\\mod\\ai.ini"},
        {"mod/ai.ini", here + u"\\mod\\ai.ini"},
        {"C:\\mods\\ai.ini", u"C:\\mods\\ai.ini"},
        {"\\mods\\ai.ini", drive + u"\\mods\\ai.ini"},
        {"\xBC\xD7.ini", here + u"\\甲.ini"}, // in the ANSI code page, 936
    };
#else
    const struct {
        const char *argument;
        std::u16string path;
    } rows[] = {
        {"ai.ini", here + u"/ai.ini"},
        {"mod/./x/../ai.ini", here + u"/mod/ai.ini"},
        {"/mods//ai.ini", u"/mods/ai.ini"},
        {"/../mods/ai.ini", u"/mods/ai.ini"},
        {"\xE7\x94\xB2.ini", here + u"/甲.ini"},
        {"\xFF.ini", here + u"/\uFFFD.ini"}, // no valid name: reported as missing, never read
    };
#endif
    for (const auto &row : rows)
        EXPECT_EQ(U8(platform::AbsolutePathOf(row.argument)), U8(row.path)) << row.argument;
}

TEST(TextFile, FileLength) {
    TempDir dir;
    WriteBytes(dir / "f", "12345");
    std::FILE *f = std::fopen((dir / "f").string().c_str(), "rb");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(platform::FileLength(f), 5);
    EXPECT_EQ(std::fgetc(f), '1'); // rewound
    std::fclose(f);
    EXPECT_EQ(platform::FileLength(nullptr), -1);
}

TEST(TextFile, WriteTurnsLfIntoCrLfAndReplaces) {
    TempDir dir;
    WriteBytes(dir / "out.ini", "old content that is longer\r\n");
    auto result = platform::WriteTextFile(WidePath(dir / "out.ini"), "a\nb\n\xD7\xA2\n");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(ReadBytes(dir / "out.ini"), "a\r\nb\r\n\xD7\xA2\r\n");
    // Only the target is left in the folder: no temporary file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A text given in pieces is written as their concatenation, each LF as CR LF, wherever the pieces
// and the writer's buffer (256 KiB) happen to end.
TEST(TextFile, WritePiecesLikeOneText) {
    const std::string big = std::string(300000, 'x') + "\n" + std::string(262143, 'y');
    const std::vector<std::vector<std::string>> rows = {
        {}, {"", "", ""}, {"a\nb", "", "\n", "c"}, {big, "\n", big}, {std::string(262144, '\n')},
    };
    TempDir dir;
    for (const auto &row : rows) {
        const std::vector<std::string_view> pieces(row.begin(), row.end());
        std::string expected;
        for (const std::string &piece : row)
            for (char c : piece)
                expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
        ASSERT_TRUE(platform::WriteTextFiles({{WidePath(dir / "out.ini"), pieces}}).ok);
        EXPECT_EQ(ReadBytes(dir / "out.ini"), expected) << row.size() << " pieces";
    }
}

TEST(TextFile, WriteIntoMissingFolderFailsAndSaysWhere) {
    TempDir dir;
    auto result = platform::WriteTextFile(WidePath(dir / "nofolder" / "out.ini"), "x\n");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(U8(result.error).find("out.ini"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "nofolder"));
}

TEST(TextFile, ShortWriteKeepsTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "no file size limit per process on Windows to make a write fail part-way";
#else
    TempDir dir;
    const std::string old = "[TaskForces]\r\n0=A\r\n";
    WriteBytes(dir / "ai.ini", old);
    platform::WriteResult result;
    WithFileSizeLimit(4096, [&] {
        result = platform::WriteTextFile(WidePath(dir / "ai.ini"), std::string(100000, 'x'));
    });
    EXPECT_FALSE(result.ok);
    EXPECT_NE(U8(result.error).find("ai.ini (文件太大)"), std::string::npos) << U8(result.error);
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
#endif
}

TEST(TextFile, WriteOntoAFolderFails) {
    TempDir dir;
    std::filesystem::create_directory(dir / "taken");
    EXPECT_FALSE(platform::WriteTextFile(WidePath(dir / "taken"), "x").ok);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));
}

TEST(TextFile, CreateFolder) {
    TempDir dir;
    EXPECT_EQ(platform::CreateFolder(WidePath(dir / "+AI")), platform::FolderResult::Created);
    EXPECT_EQ(platform::CreateFolder(WidePath(dir / "+AI")), platform::FolderResult::AlreadyExists);
    WriteBytes(dir / "plain", "x");
    EXPECT_EQ(platform::CreateFolder(WidePath(dir / "plain")), platform::FolderResult::Failed);
    EXPECT_EQ(platform::CreateFolder(WidePath(dir / "a" / "b")), platform::FolderResult::Failed);
}
