// What only Windows has: files locked by another process, read-only files, drive letters and
// backslashes, names that ignore case, and junctions.

#include "document/documentio.h"
#include "platform/textfile.h"
#include "support/testdocument.h"
#include "support/testsupport.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#include <windows.h>
#include <winioctl.h>

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

// The child's part of the lock test: holds the file named in VANTAEDIT_LOCK open without sharing
// until it is ended, after saying so by a second file. Run only by the test below.
TEST(WindowsHelper, DISABLED_HoldFileLocked) {
    const char *path = std::getenv("VANTAEDIT_LOCK");
    ASSERT_NE(path, nullptr);
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    WriteBytes(std::string(path) + ".locked", "");
    Sleep(60000);
    CloseHandle(file);
}

// Another process of this program holding `file` open without sharing, while it lives.
class LockedByAnotherProcess {
public:
    explicit LockedByAnotherProcess(const fs::path &file) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring command = L"\"" + std::wstring(self) +
                               L"\" --gtest_also_run_disabled_tests "
                               L"--gtest_filter=WindowsHelper.DISABLED_HoldFileLocked";
        SetEnvironmentVariableW(L"VANTAEDIT_LOCK", file.wstring().c_str());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE,
                                  CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process_);
        fs::path marker = file;
        marker += ".locked";
        for (int i = 0; started_ && i < 200 && !fs::exists(marker); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        locked_ = fs::exists(marker);
        fs::remove(marker);
    }
    ~LockedByAnotherProcess() {
        if (!started_) return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, 10000);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    bool locked() const { return locked_; }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    bool locked_ = false;
};

std::u16string Upper(std::u16string path) {
    for (char16_t &c : path)
        if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
    return path;
}

// Makes `link` a junction (a mount point reparse point) to the folder `target`.
bool MakeJunction(const fs::path &link, const fs::path &target) {
    if (!CreateDirectoryW(link.c_str(), nullptr)) return false;
    HANDLE folder = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return false;
    const std::wstring substitute = L"\\??\\" + fs::absolute(target).wstring();
    const std::wstring print = fs::absolute(target).wstring();
    // The mount point layout: tag, sizes, then both names with their NULs in one buffer.
    std::vector<char> buffer(16 + (substitute.size() + print.size() + 2) * sizeof(wchar_t));
    auto put16 = [&](size_t at, size_t value) {
        buffer[at] = char(value & 0xFF);
        buffer[at + 1] = char(value >> 8);
    };
    *reinterpret_cast<DWORD *>(buffer.data()) = IO_REPARSE_TAG_MOUNT_POINT;
    put16(4, buffer.size() - 8);
    put16(8, 0);
    put16(10, substitute.size() * sizeof(wchar_t));
    put16(12, (substitute.size() + 1) * sizeof(wchar_t));
    put16(14, print.size() * sizeof(wchar_t));
    std::memcpy(buffer.data() + 16, substitute.c_str(), (substitute.size() + 1) * sizeof(wchar_t));
    std::memcpy(buffer.data() + 16 + (substitute.size() + 1) * sizeof(wchar_t), print.c_str(),
                (print.size() + 1) * sizeof(wchar_t));
    DWORD returned = 0;
    const bool made = DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(),
                                      DWORD(buffer.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(folder);
    return made;
}

} // namespace

// Neither Open nor Save gets past a file another process holds: the reason is the system's, and
// the file keeps its content.
TEST(Windows, FileLockedByAnotherProcess) {
    TempDir dir;
    const std::string old = "[TaskForces]\r\n0=F\r\n";
    WriteBytes(dir / "ai.ini", old);
    {
        LockedByAnotherProcess lock(dir / "ai.ini");
        ASSERT_TRUE(lock.locked());
        const platform::ReadResult read = platform::ReadTextFile(WidePath(dir / "ai.ini"));
        EXPECT_EQ(read.status, platform::ReadResult::Status::CannotRead);
        EXPECT_EQ(U8(read.reason), "文件正被占用");
        const platform::WriteResult written =
            platform::WriteTextFile(WidePath(dir / "ai.ini"), "new\n");
        EXPECT_FALSE(written.ok);
        EXPECT_NE(U8(written.error).find("ai.ini ("), std::string::npos) << U8(written.error);
    }
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1); // no temporary file
}

// A read-only file is refused before anything is written: replacing it would fail only after
// the files before it were replaced.
TEST(Windows, ReadOnlyTargetChangesNothing) {
    TempDir dir;
    WriteBytes(dir / "ai.ini", "old");
    ASSERT_TRUE(SetFileAttributesW((dir / "ai.ini").c_str(), FILE_ATTRIBUTE_READONLY));
    const platform::WriteResult written = platform::WriteTextFiles(
        {{WidePath(dir / "first.ini"), {"a\n"}}, {WidePath(dir / "ai.ini"), {"b\n"}}});
    SetFileAttributesW((dir / "ai.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(written.ok);
    EXPECT_NE(U8(written.error).find("ai.ini (没有权限)"), std::string::npos) << U8(written.error);
    EXPECT_FALSE(fs::exists(dir / "first.ini"));
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), "old");
}

// Drive letters, '\' or '/' and any case name the same file; messages show '\'.
TEST(Windows, DriveLettersBackslashesAndCase) {
    TempDir dir;
    const std::u16string folder = WidePath(dir.path()); // C:\users\...\Temp\...
    ASSERT_EQ(folder.substr(1, 2), u":\\");
    WriteBytes(dir / "mod/ai.ini", "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n");
    const struct {
        std::u16string path;
    } rows[] = {
        {folder + u"\\mod\\ai.ini"}, {folder + u"/mod/ai.ini"}, {Upper(folder) + u"\\MOD\\AI.INI"}};
    for (const auto &row : rows) {
        const platform::ReadResult read = platform::ReadTextFile(row.path);
        EXPECT_EQ(read.status, platform::ReadResult::Status::Ok) << U8(row.path);
        EXPECT_EQ(read.text, "[TaskForces]\n0=F\n[F]\nName=f\n") << U8(row.path);
    }
    const platform::WriteResult missing = platform::WriteTextFile(folder + u"/none/out.ini", "x\n");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(U8(missing.error).find(U8(folder + u"\\none\\out.ini")), std::string::npos)
        << U8(missing.error);

    // The folder a save stays in is compared as Windows compares names: without case.
    ResetTestDocument();
    doc.openedPath = Upper(folder) + u"\\MOD\\AI.INI";
    LoadOpenedFile(doc, false);
    MessageRecorder recorder;
    EXPECT_TRUE(SaveDocument(doc, SaveMode::Split))
        << (recorder.Texts().empty() ? "" : recorder.Texts()[0]);
    EXPECT_TRUE(fs::exists(dir / "mod/+AI/TaskForce.ini"));
}

// A junction is followed like a symbolic link: one leading out of the opened file's folder is
// refused, and nothing is written outside.
TEST(Windows, JunctionLeadingOutIsRefused) {
    TempDir dir;
    WriteBytes(dir / "outside/keep.txt", "secret");
    WriteBytes(dir / "mod/ai.ini", "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n");
    if (!MakeJunction(dir / "mod/+AI", dir / "outside"))
        GTEST_SKIP() << "this system makes no junction (FSCTL_SET_REPARSE_POINT: error "
                     << GetLastError() << "; Wine 8 has no reparse points), so it runs on Windows";
    ResetTestDocument();
    doc.openedPath = WidePath(dir / "mod/ai.ini");
    LoadOpenedFile(doc, false);
    MessageRecorder recorder;
    EXPECT_FALSE(SaveDocument(doc, SaveMode::Split));
    ASSERT_EQ(recorder.Texts().size(), 1u);
    EXPECT_NE(recorder.Texts()[0].find("符号链接指向所打开文件的文件夹之外"), std::string::npos)
        << recorder.Texts()[0];
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "outside"), {}), 1);
    RemoveDirectoryW((dir / "mod/+AI").c_str());
}
