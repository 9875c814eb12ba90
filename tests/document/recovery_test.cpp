#include "document/recovery.h"

#include "support/testsupport.h"

#include <chrono>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace testsupport;
namespace fs = std::filesystem;
using Status = RecoveryRead::Status;

namespace {

// Every byte value, NUL and lone CRs among them, and code page 936 text.
std::string AllBytes() {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += char(i);
    return bytes + "[\xbc\xd7]\nName=\xb6\xd3\xce\xe9\r\n";
}

Recovery Awkward() {
    Recovery r;
    r.openedPath = u"C:\\游戏\\𠀀 ai.ini";
    r.stamps = {{u"C:\\游戏\\𠀀 ai.ini", true, 18929324, -1, UINT64_MAX},
                {u"/gone.ini", false, 0, 0, 0}};
    r.startNumber = INT_MIN;
    r.openedFileUnread = true;
    r.unreadIncludes = u"inc.ini (没有权限)\n";
    r.texts = {"", std::string(3, '\0'), AllBytes(), "", "[TeamTypes]\n0=T\n\n", "", "x"};
    r.writtenAt = INT64_MAX;
    return r;
}

// The bytes with the header's body size and checksum made to match the body again.
std::string Resealed(std::string bytes) {
    uint64_t size = bytes.size() - 44;
    uint64_t hash = ContentHash(std::string_view(bytes).substr(44));
    for (size_t i = 0; i < 8; ++i, size >>= 8, hash >>= 8) {
        bytes[28 + i] = char(size & 0xff);
        bytes[36 + i] = char(hash & 0xff);
    }
    return bytes;
}

} // namespace

TEST(Recovery, EveryByteComesBack) {
    TempDir dir;
    for (const Recovery &recovery : {Awkward(), Recovery()}) {
        const RecoveryRead parsed = ParseRecovery(SerializeRecovery(recovery));
        ASSERT_EQ(parsed.status, Status::Ok) << U8(parsed.error);
        EXPECT_TRUE(parsed.recovery == recovery);

        // Through the disk, into a folder that does not exist yet, without line-break translation.
        const std::u16string folder = WidePath(dir / "data/VantaEdit/recovery");
        ASSERT_TRUE(WriteRecoveryFile(folder, recovery).ok);
        const RecoveryRead read = ReadRecoveryFile(RecoveryFilePath(folder, recovery.openedPath));
        ASSERT_EQ(read.status, Status::Ok) << U8(read.error);
        EXPECT_TRUE(read.recovery == recovery);
    }
}

TEST(Recovery, EachKindOfDamageIsTold) {
    const std::string good = SerializeRecovery(Awkward());
    const size_t text = good.find("[TeamTypes]");
    // openedFileUnread: after the header, writtenAt, the path and the start number.
    const size_t flag = 44 + 8 + 4 + 2 * Awkward().openedPath.size() + 4;
    struct Case {
        const char *what;
        std::string bytes;
        Status status;
    } cases[] = {
        {"empty", "", Status::Short},
        {"cut in the magic", good.substr(0, 10), Status::Short},
        {"cut in the header", good.substr(0, 40), Status::Short},
        {"cut in the body", good.substr(0, good.size() - 1), Status::Short},
        {"a text changed", good.substr(0, text) + "X" + good.substr(text + 1), Status::BadChecksum},
        {"another version", good.substr(0, 24) + '\2' + good.substr(25), Status::OtherVersion},
        {"an INI file", "[TeamTypes]\r\n0=T\r\n", Status::Garbage},
        {"a byte more", good + '\0', Status::Garbage},
        // Sealed with a matching checksum, but not as we write it.
        {"a flag of 2", Resealed(good.substr(0, flag) + '\2' + good.substr(flag + 1)),
         Status::Garbage},
        {"a text past the end", Resealed(good.substr(0, good.size() - 2)), Status::Garbage},
        {"a huge count", Resealed(good.substr(0, good.size() - 9) + std::string(8, '\xff') + "x"),
         Status::Garbage},
    };
    ASSERT_EQ(good[flag], '\1');
    for (const Case &c : cases) {
        const RecoveryRead read = ParseRecovery(c.bytes);
        EXPECT_EQ(read.status, c.status) << c.what;
        EXPECT_TRUE(read.IsDamaged()) << c.what;
        EXPECT_FALSE(read.error.empty()) << c.what;
    }
    // No cut and no changed byte anywhere passes.
    for (size_t i = 0; i < good.size(); ++i) {
        std::string changed = good;
        changed[i] = char(changed[i] ^ 0x40);
        EXPECT_NE(ParseRecovery(changed).status, Status::Ok) << "byte " << i;
        EXPECT_NE(ParseRecovery(good.substr(0, i)).status, Status::Ok) << "cut at " << i;
    }
}

TEST(Recovery, FileNames) {
    const std::u16string hashed = RecoveryFileName(u"/mods/ai.ini");
    EXPECT_EQ(hashed, u"ai.ini-1c746cfff9140340.recovery"); // the same in every run
    struct Case {
        std::u16string path;
        std::u16string start;
    } cases[] = {
        {u"C:\\游戏\\甲 乙.ini", u"_.ini-"},
        {u"/mods/.hidden.ini", u"_hidden.ini-"},
        {u"/mods/a b+c(2).INI", u"a_b_c_2_.INI-"},
        {u"/" + std::u16string(60, u'x') + u".ini", std::u16string(40, u'x') + u"-"},
    };
    for (const Case &c : cases) {
        const std::u16string name = RecoveryFileName(c.path);
        EXPECT_TRUE(name.starts_with(c.start) && name.ends_with(u".recovery")) << U8(name);
        EXPECT_EQ(name.size(), c.start.size() + 16 + 9) << U8(name);
    }
    EXPECT_NE(RecoveryFileName(u"/other/ai.ini"), hashed);
    EXPECT_EQ(RecoveryFileName(u"\\mods\\ai.ini"), hashed);
}

TEST(Recovery, FolderFromTheEnvironment) {
    using Environment = std::map<std::string, std::u16string>;
    struct Case {
        Environment environment;
        std::u16string folder;
    } cases[] = {
#ifdef _WIN32
        {{{"LOCALAPPDATA", u"C:\\Users\\u\\AppData\\Local"}},
         u"C:\\Users\\u\\AppData\\Local\\VantaEdit\\recovery"},
        {{{"LOCALAPPDATA", u"\\\\server\\u\\"}}, u"\\\\server\\u\\VantaEdit\\recovery"},
        {{{"LOCALAPPDATA", u"Local"}, {"HOME", u"C:\\Users\\u"}}, u""},
        {{}, u""},
#else
        {{{"XDG_DATA_HOME", u"/data/"}, {"HOME", u"/home/u"}}, u"/data/VantaEdit/recovery"},
        {{{"HOME", u"/home/u"}}, u"/home/u/.local/share/VantaEdit/recovery"},
        {{{"XDG_DATA_HOME", u"data"}, {"HOME", u"/home/u"}},
         u"/home/u/.local/share/VantaEdit/recovery"},
        {{{"HOME", u"/"}}, u"/.local/share/VantaEdit/recovery"},
        {{{"HOME", u"home"}}, u""},
        {{}, u""},
#endif
    };
    for (const Case &c : cases) {
        const auto lookup = [&](const char *name) {
            const auto it = c.environment.find(name);
            return it == c.environment.end() ? std::u16string() : it->second;
        };
        EXPECT_EQ(U8(RecoveryFolder(lookup)), U8(c.folder));
    }
}

TEST(Recovery, ListedAndSetAside) {
    TempDir dir;
    const std::u16string folder = WidePath(dir / "recovery");
    Recovery a = Awkward(), b;
    b.openedPath = u"/mods/b.ini";
    b.writtenAt = 7;
    ASSERT_TRUE(WriteRecoveryFile(folder, a).ok && WriteRecoveryFile(folder, b).ok);
    WriteBytes(dir / "recovery/damaged.ini-0000000000000000.recovery", "garbage");
    WriteBytes(dir / "recovery/.b.ini.recovery.1-1.tmp", "being written");
    WriteBytes(dir / "recovery/notes.txt", "");

    std::map<std::u16string, RecoveryFile> listed;
    for (RecoveryFile &file : ListRecoveryFiles(folder))
        listed[fs::path(file.file).filename().u16string()] = file;
    ASSERT_EQ(listed.size(), size_t(3));
    const RecoveryFile &listedB = listed[RecoveryFileName(b.openedPath)];
    EXPECT_EQ(listedB.status, Status::Ok);
    EXPECT_EQ(listedB.openedPath, b.openedPath);
    EXPECT_EQ(listedB.writtenAt, 7);
    EXPECT_EQ(listed[RecoveryFileName(a.openedPath)].writtenAt, a.writtenAt);
    const RecoveryFile &damaged = listed[u"damaged.ini-0000000000000000.recovery"];
    EXPECT_EQ(damaged.status, Status::Garbage);

    EXPECT_TRUE(damaged.IsDamaged());
    ASSERT_TRUE(SetAsideRecoveryFile(damaged.file));
    EXPECT_EQ(ListRecoveryFiles(folder).size(), size_t(2));
    EXPECT_EQ(ReadBytes(dir / "recovery/damaged.ini-0000000000000000.recovery.bad"), "garbage");
    EXPECT_TRUE(ListRecoveryFiles(WidePath(dir / "none")).empty());

    // A write cut short an hour ago left its temporary file; one under way is left alone, and so
    // is what is no recovery file's.
    WriteBytes(dir / "recovery/.a.ini.recovery.2-1.tmp", "cut short");
    WriteBytes(dir / "recovery/.notes.txt.2-1.tmp", "");
    for (const char *old : {"recovery/.a.ini.recovery.2-1.tmp", "recovery/.notes.txt.2-1.tmp"})
        fs::last_write_time(dir / old, fs::file_time_type::clock::now() - std::chrono::minutes(61));
    RemoveLeftoverTemporaries(folder);
    EXPECT_FALSE(fs::exists(dir / "recovery/.a.ini.recovery.2-1.tmp"));
    EXPECT_TRUE(fs::exists(dir / "recovery/.b.ini.recovery.1-1.tmp"));
    EXPECT_TRUE(fs::exists(dir / "recovery/.notes.txt.2-1.tmp"));
}

TEST(Recovery, StampsTellWhatChangedOnDisk) {
    TempDir dir;
    WriteBytes(dir / "ai.ini", "[TaskForces]\r\n");
    WriteBytes(dir / "inc.ini", "[ScriptTypes]\r\n");
    FileStamps stamps;
    stamps.Take({WidePath(dir / "ai.ini"), WidePath(dir / "inc.ini")});
    Document document;
    document.openedPath = WidePath(dir / "ai.ini");
    // Kept through the file, as in another run.
    const Recovery recovery =
        ParseRecovery(SerializeRecovery(RecoveryOf(document, stamps.Taken()))).recovery;
    EXPECT_TRUE(ChangedSince(recovery).empty());

    WriteBytes(dir / "inc.ini", "[ScriptTypes]\r\n0=S\r\n");
    EXPECT_EQ(ChangedSince(recovery), std::vector<std::u16string>{WidePath(dir / "inc.ini")});
    // Kept by the session that restores, a save still asks.
    FileStamps restored;
    restored.Keep(recovery.stamps);
    EXPECT_EQ(restored.ChangedAmong({WidePath(dir / "inc.ini")}), ChangedSince(recovery));
}

TEST(Recovery, RestoreKeepsWhatOpenCouldNotRead) {
    Document document;
    document.startNumber = 5;
    document.unreadIncludes = u"b.ini (没有权限)\n";
    document.triggerText = "[AITriggerTypes]\n";
    Recovery recovery = Awkward();
    recovery.unreadIncludes = u"a.ini (没有权限)\nb.ini (没有权限)\n";
    Restore(document, recovery);
    EXPECT_EQ(document.startNumber, INT_MIN);
    EXPECT_TRUE(document.openedFileUnread);
    EXPECT_EQ(U8(document.unreadIncludes), "b.ini (没有权限)\na.ini (没有权限)\n");
    for (size_t i = 0; i < recovery.texts.size(); ++i)
        EXPECT_EQ(*document.Texts()[i], recovery.texts[i]) << i;
}

TEST(RecoveryWriter, TheLatestCountsAndAFailureIsToldOnce) {
    TempDir dir;
    const fs::path blocker = dir / "blocker";
    const std::u16string folder = WidePath(blocker / "recovery");
    Recovery first, second;
    first.openedPath = second.openedPath = u"/mods/ai.ini";
    first.texts[0] = "first";
    second.texts[0] = "second";
    const std::u16string file = RecoveryFilePath(folder, first.openedPath);

    RecoveryWriter writer(folder);
    writer.Write(first);
    writer.Write(second);
    writer.Wait();
    EXPECT_TRUE(ReadRecoveryFile(file).recovery == second);
    writer.Write(first);
    writer.Remove(first.openedPath);
    writer.Wait();
    EXPECT_EQ(ReadRecoveryFile(file).status, Status::Missing);
    EXPECT_FALSE(writer.TakeFailure());

    // A file where the folder should be: told once, then again only after a write succeeded.
    fs::remove_all(blocker);
    WriteBytes(blocker, "");
    for (const bool told : {true, false}) {
        writer.Write(first);
        writer.Wait();
        EXPECT_EQ(writer.TakeFailure().has_value(), told);
        EXPECT_TRUE(writer.Failing());
    }
    fs::remove(blocker);
    writer.Write(first);
    writer.Wait();
    EXPECT_FALSE(writer.TakeFailure());
    EXPECT_FALSE(writer.Failing());
    fs::remove_all(blocker);
    WriteBytes(blocker, "");
    writer.Write(first);
    writer.Wait();
    EXPECT_TRUE(writer.TakeFailure());
}

TEST(RecoveryWriter, FinishesItsWorkWhenItGoes) {
    TempDir dir;
    const std::u16string folder = WidePath(dir / "recovery");
    Recovery recovery;
    recovery.openedPath = u"/mods/ai.ini";
    { RecoveryWriter(folder).Write(recovery); }
    EXPECT_EQ(ReadRecoveryFile(RecoveryFilePath(folder, recovery.openedPath)).status, Status::Ok);
}
