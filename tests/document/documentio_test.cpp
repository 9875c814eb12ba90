#include "document/documentio.h"

#include "core/document.h"
#include "core/windowsignals.h"
#include "document/filereport.h"
#include "document/rulesfile.h"
#include "platform/textfile.h"
#include "support/generator.h"
#include "support/testdocument.h"
#include "support/testsupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

// Writes an INI text to disk as an editor on Windows would: CR LF line ends.
void WriteIni(const fs::path &file, const std::string &text) {
    std::string bytes;
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    WriteBytes(file, bytes);
}

std::string Lf(std::string bytes) {
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) out += bytes[i];
    return out;
}

LoadReport Open(const fs::path &file, bool autodetect = false) {
    ResetTestDocument();
    doc.openedPath = WidePath(file);
    return LoadOpenedFile(doc, autodetect);
}

// Opens ai.ini holding `opened`, with inc.ini holding `included` beside it unless that is empty;
// messages are answered and left unread.
void OpenWithInclude(const TempDir &dir, const std::string &opened, const std::string &included) {
    WriteIni(dir / "ai.ini", opened);
    if (!included.empty()) WriteIni(dir / "inc.ini", included);
    MessageRecorder recorder;
    Open(dir / "ai.ini");
}

std::string TaskForce(const std::string &id) { return "[" + id + "]\nName=" + id + "\n"; }

// Task force lists are the easiest way to see which files were loaded: one entry per file.
std::string IncludedFile(const std::string &id) {
    return "[TaskForces]\n0=" + id + "\n\n" + TaskForce(id);
}

} // namespace

TEST(Open, IncludeLinesFillSlotsInOrder) {
    TempDir dir;
    WriteIni(dir / "+AI" / "TaskForce.ini", IncludedFile("F1"));
    WriteIni(dir / "sub" / "b.ini", IncludedFile("F2"));
    WriteIni(dir / "my file.ini", IncludedFile("F3"));
    WriteIni(dir / "ai.ini", "[#include]\n0=./+AI/TaskForce.ini\n\n\n1=sub/b.ini\n"
                             "2=  my   file.ini  ;the third\n[Other]\nx=1\n");
    MessageRecorder recorder;
    LoadReport report = Open(dir / "ai.ini");
    EXPECT_TRUE(report.openedFileRead);
    EXPECT_EQ(report.unreadIncludes, 0);
    EXPECT_TRUE(recorder.shown().empty());
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=F1\n1=F2\n2=F3\n");
}

TEST(Open, CommentAndBlankLinesInIncludeSection) {
    TempDir dir;
    WriteIni(dir / "a.ini", IncludedFile("A"));
    WriteIni(dir / "b.ini", IncludedFile("B"));
    WriteIni(dir / "off.ini", IncludedFile("OFF"));
    WriteIni(dir / "c.ini", IncludedFile("C"));
    // A blank line right after the header stays as an empty first line; comment lines (also a
    // commented-out include line) and "+=" lines use up a slot but name no file; files after
    // them are still loaded.
    WriteIni(dir / "ai.ini", "[#include]\n\n; list\n    ;4=off.ini\n+=c.ini\n0=a.ini\n1=b.ini\n");
    MessageRecorder recorder;
    Open(dir / "ai.ini");
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=A\n1=B\n");
    EXPECT_TRUE(recorder.shown().empty());
}

TEST(Open, LastIncludeLineWithoutLineBreakCounts) {
    TempDir dir;
    WriteIni(dir / "a.ini", IncludedFile("A"));
    WriteIni(dir / "b.ini", IncludedFile("B"));
    WriteBytes(dir / "ai.ini", "[#include]\r\n0=a.ini\r\n1=b.ini");
    Open(dir / "ai.ini");
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=A\n1=B\n");
}

TEST(Open, IncludeSectionEndsAtAHeaderLineOnly) {
    TempDir dir;
    WriteIni(dir / "a[1].ini", IncludedFile("A"));
    WriteIni(dir / "ai.ini", "[#include]\n0=a[1].ini\n[TaskForces]\n0=M\n\n" + TaskForce("M"));
    Open(dir / "ai.ini");
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=M\n1=A\n");
}

TEST(Open, MissingIncludeIsReportedAndTheRestLoads) {
    TempDir dir;
    WriteIni(dir / "b.ini", IncludedFile("B"));
    WriteIni(dir / "ai.ini", "[#include]\n0=missing.ini\n1=b.ini\n2=\n");
    MessageRecorder recorder;
    LoadReport report = Open(dir / "ai.ini");
    EXPECT_EQ(report.missingIncludes, 2); // "2=" names nothing, not the folder
    EXPECT_EQ(report.unreadIncludes, 0);
    ASSERT_EQ(recorder.shown().size(), 2u);
    const std::string expected = (dir / "missing.ini").string() +
                                 "\n读取失败!请检查:\n文件是否存在\n编码是否为ANSI格式\n"
                                 "包含文件名是否输入错误等信息";
    EXPECT_EQ(recorder.Texts()[0], expected);
    EXPECT_EQ(recorder.shown()[0].caption, platform::kAppTitle);
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n0=B\n");
    // The reference was dangling anyway: saving goes on.
    EXPECT_TRUE(CanSaveOpenedFile(doc));
}

TEST(Open, IncludeLinesBeyondTheFifteenthAreReportedOnce) {
    TempDir dir;
    std::string include = "[#include]\n";
    for (int i = 1; i <= 17; ++i) {
        std::string id = "F" + std::to_string(i);
        WriteIni(dir / (id + ".ini"), IncludedFile(id));
        include += std::to_string(i) + "=" + id + ".ini\n";
    }
    WriteIni(dir / "ai.ini", include);
    MessageRecorder recorder;
    LoadReport report = Open(dir / "ai.ini");
    EXPECT_EQ(report.linesWithoutSlot, 2);
    ASSERT_EQ(recorder.shown().size(), 1u);
    EXPECT_NE(recorder.Texts()[0].find("第 15 行以后有 2 行包含文件没有读取"), std::string::npos);
    EXPECT_NE(doc.taskForceListText.find("14=F15\n"), std::string::npos);
    EXPECT_EQ(doc.taskForceListText.find("F16"), std::string::npos);
}

// A file that exists but was not read, or an include line without a slot, blocks every save of
// the run: a save would drop what the document never held.
TEST(Open, FilesThatExistButWereNotReadBlockSaving) {
    struct Case {
        std::string name;
        std::function<void(const TempDir &)> make;
        std::string openMessage;
        std::string saveMessage;
    } cases[] = {
#ifndef _WIN32
        {"pipe", [](const TempDir &d) { ASSERT_EQ(mkfifo((d / "inc.ini").c_str(), 0600), 0); },
         "inc.ini\n文件存在，但无法读取 (不是普通文件)。\n为免丢失其中的内容，这次运行中不能保存。",
         "inc.ini (不是普通文件)"},
#endif
        {"folder", [](const TempDir &d) { fs::create_directory(d / "inc.ini"); },
         "inc.ini\n文件存在，但无法读取 (是一个文件夹)。", "inc.ini (是一个文件夹)"},
        {"sixteenth line",
         [](const TempDir &d) {
             std::string lines;
             for (int i = 0; i < 15; ++i)
                 lines += ";\n";
             WriteIni(d / "ai.ini", "[#include]\n" + lines + "0=inc.ini\n+=x.ini\n;1=y.ini\n");
         },
         "第 15 行以后有 1 行包含文件没有读取", "第 15 行以后有 1 行包含文件没有读取"},
    };
    for (const Case &c : cases) {
        TempDir dir;
        WriteIni(dir / "ai.ini", "[#include]\n0=inc.ini\n" + IncludedFile("Own"));
        c.make(dir);
        const std::string before = ReadBytes(dir / "ai.ini");
        MessageRecorder recorder;
        Open(dir / "ai.ini");
        ASSERT_EQ(recorder.shown().size(), 1u) << c.name;
        EXPECT_NE(recorder.Texts()[0].find(c.openMessage), std::string::npos)
            << recorder.Texts()[0];
        EXPECT_FALSE(CanSaveOpenedFile(doc)) << c.name;
        ASSERT_EQ(recorder.shown().size(), 2u) << c.name;
        EXPECT_EQ(recorder.Texts()[1].rfind("打开时有包含文件没能读取", 0), 0u) << c.name;
        EXPECT_NE(recorder.Texts()[1].find(c.saveMessage), std::string::npos)
            << recorder.Texts()[1];
        EXPECT_EQ(ReadBytes(dir / "ai.ini"), before) << c.name;
    }
}

TEST(Open, UnreadableFileCountsAsOpenButIsNeverSavedOver) {
    TempDir dir;
    MessageRecorder recorder;
    LoadReport report = Open(dir / "nothing.ini");
    EXPECT_FALSE(report.openedFileRead);
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"文件无法打开，请检查是否已被占用!\n" +
                                       (dir / "nothing.ini").string() + " (文件或文件夹不存在)"});
    EXPECT_TRUE(doc.IsFileOpen());
    // The loaders still ran on no input: their headers only.
    EXPECT_EQ(doc.taskForceListText, "[TaskForces]\n");
    EXPECT_EQ(doc.triggerText, "[AITriggerTypes]\n\n");

    // The file appears later (it was locked, say): saving must still refuse to overwrite it.
    WriteIni(dir / "nothing.ini", IncludedFile("Keep"));
    EXPECT_FALSE(CanSaveOpenedFile(doc));
    EXPECT_EQ(recorder.shown().size(), 2u);
    EXPECT_EQ(Lf(ReadBytes(dir / "nothing.ini")), IncludedFile("Keep"));
}

TEST(Save, NothingOpenAndVanishedFile) {
    ResetTestDocument();
    MessageRecorder recorder;
    EXPECT_FALSE(CanSaveOpenedFile(doc));
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"没检测到任何内容X_X"});

    TempDir dir;
    WriteIni(dir / "ai.ini", IncludedFile("A"));
    Open(dir / "ai.ini");
    fs::remove(dir / "ai.ini");
    EXPECT_FALSE(CanSaveOpenedFile(doc));
    ASSERT_EQ(recorder.shown().size(), 2u);
    EXPECT_NE(recorder.Texts()[1].find("ai.ini"), std::string::npos);
}

TEST(Save, SingleFileOrderAndDroppedSections) {
    TempDir dir;
    WriteIni(dir / "ai.ini", "[General]\nkeep=no\n[AITriggerTypes]\nT=n,Team1\n"
                             "[TeamTypes]\n0=Team1\n[ScriptTypes]\n0=S\n[TaskForces]\n0=F\n"
                             "[Team1]\nName=t\n[S]\nName=s\n[F]\nName=f\n");
    Open(dir / "ai.ini");
    ASSERT_TRUE(CanSaveOpenedFile(doc));
    ASSERT_TRUE(SaveDocument(doc, SaveMode::SingleFile));
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), "[TaskForces]\r\n0=F\r\n\r\n[F]\r\nName=f\r\n\r\n"
                                         "[ScriptTypes]\r\n0=S\r\n\r\n[S]\r\nName=s\r\n\r\n"
                                         "[TeamTypes]\r\n0=Team1\r\n\r\n[Team1]\r\nName=t\r\n\r\n"
                                         "\r\n[AITriggerTypes]\r\nT=n,Team1\r\n\r\n");
}

TEST(Save, SplitWritesFourFilesAndTheIncludeText) {
    TempDir dir;
    WriteIni(dir / "ai.ini", "[TaskForces]\n0=F\n[F]\nName=f\n[AITriggerTypes]\nT=x\n");
    Open(dir / "ai.ini");
    fs::create_directory(dir / "+AI"); // an existing folder is used as it is
    WriteBytes(dir / "+AI" / "Scripts.ini", "old");
    ASSERT_TRUE(SaveDocument(doc, SaveMode::Split));
    EXPECT_EQ(Lf(ReadBytes(dir / "ai.ini")), kSplitIncludeText);
    EXPECT_EQ(ReadBytes(dir / "ai.ini").find("\r\n"), 10u);
    EXPECT_EQ(Lf(ReadBytes(dir / "+AI" / "TaskForce.ini")), "[TaskForces]\n0=F\n\n[F]\nName=f\n\n");
    EXPECT_EQ(Lf(ReadBytes(dir / "+AI" / "Scripts.ini")), "[ScriptTypes]\n\n");
    EXPECT_EQ(Lf(ReadBytes(dir / "+AI" / "TeamTypes.ini")), "[TeamTypes]\n\n");
    EXPECT_EQ(Lf(ReadBytes(dir / "+AI" / "AITriggerTypes.ini")), "[AITriggerTypes]\nT=x\n\n");

    // Opened again, the split files make the same document.
    const std::string taskForces = doc.taskForceListText + doc.taskForceSectionsText;
    const std::string triggers = doc.triggerText;
    Open(dir / "ai.ini");
    EXPECT_EQ(doc.taskForceListText + doc.taskForceSectionsText, taskForces);
    EXPECT_EQ(doc.triggerText, triggers);
}

TEST(Save, SplitIntoAPlainFileNamedPlusAIChangesNothing) {
    TempDir dir;
    const std::string original = "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n";
    WriteBytes(dir / "ai.ini", original);
    WriteBytes(dir / "+AI", "not a folder");
    Open(dir / "ai.ini");
    MessageRecorder recorder;
    EXPECT_FALSE(SaveDocument(doc, SaveMode::Split));
    ASSERT_EQ(recorder.shown().size(), 1u);
    EXPECT_EQ(recorder.Texts()[0].rfind("保存文件失败!T_T", 0), 0u);
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), original);
    EXPECT_EQ(ReadBytes(dir / "+AI"), "not a folder");
}

TEST(Save, FailedSplitNeverLeavesTheIncludeTextBehind) {
    TempDir dir;
    const std::string original = "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n";
    WriteBytes(dir / "ai.ini", original);
    // The last of the four files cannot be written: a folder stands in its place.
    fs::create_directories(dir / "+AI" / "AITriggerTypes.ini");
    Open(dir / "ai.ini");
    MessageRecorder recorder;
    EXPECT_FALSE(SaveDocument(doc, SaveMode::Split));
    ASSERT_EQ(recorder.shown().size(), 1u);
    EXPECT_NE(recorder.Texts()[0].find("AITriggerTypes.ini"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), original);
}

// Every file of a split save is written in full before any is replaced.
TEST(Save, FailedSplitChangesNothing) {
    struct Case {
        std::string name;
        bool folderExists;
        bool scriptsIsFolder;
        unsigned long sizeLimit; // 0: none
    } cases[] = {
        {"Scripts.ini is a folder", true, true, 0},
        {"third file over the size limit", true, false, 65536},
        {"third file over the size limit, no +AI yet", false, false, 65536},
    };
    for (const Case &c : cases) {
        TempDir dir;
        const std::string original = "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n";
        WriteBytes(dir / "ai.ini", original);
        if (c.folderExists) WriteBytes(dir / "+AI" / "TeamTypes.ini", "old teams");
        if (c.scriptsIsFolder) fs::create_directories(dir / "+AI" / "Scripts.ini");
        Open(dir / "ai.ini");
        doc.scriptSectionsText += std::string(200000, ';') + "\n";
        MessageRecorder recorder;
        bool saved = true;
#ifdef _WIN32
        if (c.sizeLimit) continue; // no file size limit per process on Windows
#else
        if (c.sizeLimit)
            WithFileSizeLimit(c.sizeLimit, [&] { saved = SaveDocument(doc, SaveMode::Split); });
        else
#endif
        saved = SaveDocument(doc, SaveMode::Split);
        EXPECT_FALSE(saved) << c.name;
        ASSERT_EQ(recorder.shown().size(), 1u) << c.name;
        EXPECT_NE(recorder.Texts()[0].find("Scripts.ini ("), std::string::npos)
            << recorder.Texts()[0];
        EXPECT_EQ(ReadBytes(dir / "ai.ini"), original) << c.name;
        EXPECT_EQ(fs::exists(dir / "+AI"), c.folderExists) << c.name;
        if (!c.folderExists) continue;
        EXPECT_EQ(ReadBytes(dir / "+AI" / "TeamTypes.ini"), "old teams") << c.name;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / "+AI"), {}), c.scriptsIsFolder ? 2 : 1)
            << c.name; // nothing created, no temporary file left
    }
}

// A save writes through a symbolic link only when the link leads to a place inside the opened
// file's folder; the link stays a link.
TEST(Save, SymbolicLinks) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links as ln -s makes them; on Windows a junction leading out is "
                    "tested instead (Windows.JunctionLeadingOutIsRefused)";
#endif
    struct Case {
        std::string link;   // in the mod's folder
        std::string target; // beside it
        SaveMode mode;
        bool saved;
    } cases[] = {
        {"+AI/Scripts.ini", "outside/bashrc", SaveMode::Split, false},
        {"+AI", "outside", SaveMode::Split, false},
        {"ai.ini", "outside/bashrc", SaveMode::SingleFile, false},
        {"+AI/TeamTypes.ini", "mod/ai.ini", SaveMode::Split, false}, // one file twice
        {"+AI/Scripts.ini", "mod/real/Scripts.ini", SaveMode::Split, true},
        {"ai.ini", "mod/real/ai.ini", SaveMode::SingleFile, true},
    };
    const std::string content = "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n";
    for (const Case &c : cases) {
        TempDir dir;
        const fs::path mod = dir / "mod";
        WriteBytes(dir / "outside" / "bashrc", "secret");
        WriteBytes(mod / "real" / "Scripts.ini", "old");
        WriteBytes(mod / "real" / "ai.ini", content);
        if (c.link != "ai.ini") WriteBytes(mod / "ai.ini", content);
        fs::create_directories((mod / c.link).parent_path());
        fs::create_symlink(dir / c.target, mod / c.link);
        Open(mod / "ai.ini");
        MessageRecorder recorder;
        EXPECT_EQ(SaveDocument(doc, c.mode), c.saved) << c.link << " -> " << c.target;
        EXPECT_TRUE(fs::is_symlink(mod / c.link)) << c.link;
        if (c.saved) {
            EXPECT_NE(ReadBytes(dir / c.target), c.link == "ai.ini" ? content : "old") << c.link;
            continue;
        }
        ASSERT_EQ(recorder.shown().size(), 1u) << c.link;
        const std::string message = recorder.Texts()[0];
        EXPECT_NE(message.find((mod / c.link).string()), std::string::npos) << message;
        EXPECT_NE(message.find(" (指向 "), std::string::npos) << message;
        EXPECT_EQ(ReadBytes(dir / "outside" / "bashrc"), "secret") << c.link;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / "outside"), {}), 1) << c.link;
        EXPECT_EQ(ReadBytes(mod / "ai.ini"), c.link == "ai.ini" ? "secret" : content) << c.link;
    }
}

TEST(Save, ShortWriteKeepsTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "no file size limit per process on Windows to make a write fail part-way";
#else
    TempDir dir;
    std::string original = "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n";
    WriteBytes(dir / "ai.ini", original);
    Open(dir / "ai.ini");
    doc.taskForceSectionsText += std::string(200000, ';') + "\n";
    MessageRecorder recorder;
    bool saved = true;
    WithFileSizeLimit(65536, [&] { saved = SaveDocument(doc, SaveMode::SingleFile); });
    EXPECT_FALSE(saved);
    EXPECT_EQ(recorder.shown().size(), 1u);
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), original);
#endif
}

namespace {

std::vector<std::string> DocumentTexts() {
    return {doc.taskForceListText,  doc.taskForceSectionsText, doc.scriptListText,
            doc.scriptSectionsText, doc.teamListText,          doc.teamSectionsText,
            doc.triggerText};
}

} // namespace

TEST(RoundTrip, SecondSaveIsAFixedPointAndSplitReopensTheSame) {
    TempDir dir;
    ASSERT_TRUE(
        platform::WriteTextFile(WidePath(dir / "ai.ini"), testsupport::GenerateAiFile(1, 7)).ok);
    Open(dir / "ai.ini", true);
    ASSERT_TRUE(SaveDocument(doc, SaveMode::SingleFile));
    Open(dir / "ai.ini", true);
    ASSERT_TRUE(SaveDocument(doc, SaveMode::SingleFile));
    const std::string second = ReadBytes(dir / "ai.ini");
    Open(dir / "ai.ini", true);
    const std::vector<std::string> document = DocumentTexts();
    ASSERT_TRUE(SaveDocument(doc, SaveMode::SingleFile));
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), second);
    EXPECT_EQ(second.find('\n'), second.find("\r\n") + 1); // CR LF on disk

    ASSERT_TRUE(SaveDocument(doc, SaveMode::Split));
    Open(dir / "ai.ini", true);
    EXPECT_EQ(DocumentTexts(), document);
    ASSERT_TRUE(SaveDocument(doc, SaveMode::SingleFile));
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), second);
}

namespace {

// "kind ID file:line", the file and line left out for the document.
std::vector<std::string> Described(const std::vector<Finding> &findings) {
    std::vector<std::string> described;
    for (const Finding &finding : findings) {
        described.push_back(std::string(FindingKindName(finding.kind)) + " " + finding.id);
        if (finding.line > 0)
            described.back() += " " + U8(finding.file) + ":" + std::to_string(finding.line);
    }
    return described;
}

// A trigger line with its 18 fields, naming `team`.
std::string Trigger(const std::string &id, const std::string &team) {
    return id + "=n," + team + ",<all>,0,1,NoCheck,0,5,5,5,1,0,0,0,<none>,1,1,1\n";
}

} // namespace

TEST(FileReport, DroppedOnSaveNamesFileAndLine) {
    const std::string lists = "[TaskForces]\n0=F\n[ScriptTypes]\n0=S\n[TeamTypes]\n0=T\n";
    const std::string sections = "[F]\nName=f\n[S]\nName=s\n[T]\nTaskForce=F\nScript=S\n";
    const std::string trigger = Trigger("A", "T");
    struct Row {
        const char *name;
        std::string opened, included; // the opened file includes inc.ini when it names it
        std::vector<std::string> expected;
        int otherSections;
    } rows[] = {
        {"clean, an appended entry too",
         lists + sections + "[General]\nx=1\n[AITriggerTypes]\n" + trigger + "[TeamTypes]\n +=U\n" +
             "[U]\nTaskForce=F\nScript=S\n[TaskForces]\n1=A]B\n[A]B]\nName=x\n",
         "",
         {},
         1},
        {"unlisted, numbered or named, in any file",
         "[#include]\n0=inc.ini\n" + lists + sections + "[SC_Siege2]\n0=53,1\n[Digest]\n1=QUJD\n",
         "[Lone]\n\nName=l\n",
         {"unlisted-section SC_Siege2 ai.ini:16", "unlisted-section Lone inc.ini:1"},
         2},
        {"second section of an ID, in the same and in another file",
         "[#include]\n0=inc.ini\n" + lists + sections + "[F]\nName=again\n",
         "[S]\nName=x\n",
         {"duplicate-section F ai.ini:16", "duplicate-section S inc.ini:1"},
         1},
        {"one ID in two lists",
         lists + "[TaskForces]\n1=S\n" + sections,
         {},
         {"shared-id S ai.ini:8"},
         0},
        {"commented-out list line",
         lists + "  ;1=Old\n;+=Older\n;no entry\n" + sections + "[Old]\nName=o\n[Older]\nName=o\n",
         {},
         {"commented-out-entry Old ai.ini:7", "commented-out-entry Older ai.ini:8"},
         0},
        {"missing include file",
         "x=1\n[#include]\n0=gone.ini\n" + lists + sections,
         {},
         {"unread-include gone.ini ai.ini:2"},
         1},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        OpenWithInclude(dir, row.opened, row.included);
        EXPECT_EQ(Described(doc.droppedOnSave.findings), row.expected);
        EXPECT_EQ(doc.droppedOnSave.otherSections, row.otherSections);
        EXPECT_TRUE(FindBrokenReferences(doc).empty());
    }
}

TEST(FileReport, BrokenReferencesOfTheDocumentAsItStands) {
    struct Row {
        const char *name;
        std::string taskForces, scripts, teams, triggers;
        std::vector<std::string> expected;
    } rows[] = {
        {"clean",
         "[TaskForces]\n0=F\n\n[F]\nName=f\n",
         "[ScriptTypes]\n0=S\n\n[S]\n0=1,0\n",
         "[TeamTypes]\n0=T\n\n[T]\nScript=S ;note\nTaskForce=F\n",
         "[AITriggerTypes]\n" + Trigger("A", "T") + "\n",
         {}},
        {"every kind",
         "[TaskForces]\n0=F\n0=F\n\n[F]\n\n",
         "[ScriptTypes]\n0=S\n\n[S]\n0=1,0\n",
         "[TeamTypes]\n0=T\n\n[T]\nScript=S2\nTaskForce=F\n",
         "[AITriggerTypes]\n" + Trigger("A", "T9") + Trigger("A", "T") + "\n",
         {"missing-team A", "missing-script T", "listed-twice A", "listed-twice F",
          "empty-section F"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ResetTestDocument();
        const size_t split[] = {row.taskForces.find("\n\n"), row.scripts.find("\n\n"),
                                row.teams.find("\n\n")};
        doc.taskForceListText = row.taskForces.substr(0, split[0] + 1);
        doc.taskForceSectionsText = row.taskForces.substr(split[0] + 1);
        doc.scriptListText = row.scripts.substr(0, split[1] + 1);
        doc.scriptSectionsText = row.scripts.substr(split[1] + 1);
        doc.teamListText = row.teams.substr(0, split[2] + 1);
        doc.teamSectionsText = row.teams.substr(split[2] + 1);
        doc.triggerText = row.triggers;
        EXPECT_EQ(Described(FindBrokenReferences(doc)), row.expected);
    }
}

namespace {

// A small mod: the member line is line 9, the action line 11, the team body starts at line 13,
// the triggers start on the second line after it.
std::string Mod(const std::string &member, const std::string &action, const std::string &team,
                const std::string &triggers) {
    return "[TaskForces]\n0=F\n[ScriptTypes]\n0=S\n[TeamTypes]\n0=T\n[F]\nName=f\n" + member +
           "\n[S]\n" + action + "\n[T]\n" + team + "[AITriggerTypes]\n" + triggers;
}
const std::string kTeam = "Priority=5\nMax=1\nTaskForce=F\nScript=S\n";

} // namespace

// Each kind found in the document, told at its line of the file on disk.
TEST(FileReport, EveryKindAtItsFileAndLine) {
    const std::string clean = Mod("0=2,E1", "0=0,1", kTeam, Trigger("A", "T"));
    struct Row {
        const char *name;
        std::string opened, included;
        std::vector<std::string> expected;
    } rows[] = {
        {"clean", clean, "", {}},
        {"member",
         Mod("0=E1", "0=0,1", kTeam, Trigger("A", "T")),
         "",
         {"task-force-member F ai.ini:9"}},
        {"action",
         Mod("0=2,E1", "0=1,x", kTeam, Trigger("A", "T")),
         "",
         {"script-action S ai.ini:11"}},
        {"team values and references, past a blank line",
         Mod("0=2,E1", "0=0,1", "Priority=high\n\nMax=1.5\nTaskForce=\nScript=S9 ;x\n",
             Trigger("A", "T")),
         "",
         {"missing-script T ai.ini:17", "no-task-force T ai.ini:16", "team-priority T ai.ini:13",
          "team-max T ai.ini:15"}},
        {"a team without a Script line, at its header",
         Mod("0=2,E1", "0=0,1", "Priority=5\nMax=1\nTaskForce=F\n", Trigger("A", "T")),
         "",
         {"no-script T ai.ini:12"}},
        {"trigger values, each trigger at its own line",
         Mod("0=2,E1", "0=0,1", kTeam,
             "A=n,,<all>,0,8,NoCheck,0,x,5,5,1,0,0,0,<none>,1,yes,1\nB=n,T,<all>\n" +
                 Trigger("A", "T")),
         "",
         {"listed-twice A ai.ini:20", "no-team A ai.ini:18", "trigger-field-count B ai.ini:19",
          "trigger-condition A ai.ini:18", "trigger-weight A ai.ini:18",
          "trigger-difficulty A ai.ini:18"}},
        {"an action the table does not have, arguments outside their kinds",
         Mod("0=2,E1", "0=99,1\n1=0,12\n2=17,1\n3=18,0", kTeam, Trigger("A", "T")),
         "",
         {"unknown-script-action S ai.ini:11", "script-argument S ai.ini:12",
          "script-argument S ai.ini:13"}},
        {"listed twice, no section, a missing team in an include file",
         "[#include]\n0=inc.ini\n" + clean + "[TaskForces]\n1=F\n2=G\n",
         "x=1\n[AITriggerTypes]\nZ=" + Trigger("", "Q").substr(1),
         {"missing-team Z inc.ini:3", "listed-twice F ai.ini:22", "empty-section G ai.ini:23"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        OpenWithInclude(dir, row.opened, row.included);
        EXPECT_TRUE(doc.droppedOnSave.findings.empty());
        EXPECT_EQ(Described(FindBrokenReferences(doc)), row.expected);
    }

    // An entry changed since Open is told in the document; the others keep their lines, until a
    // save rewrites the files.
    TempDir dir;
    WriteIni(dir / "ai.ini", Mod("0=E1", "0=0,1", kTeam, Trigger("A", "T")));
    Open(dir / "ai.ini");
    const size_t script = doc.teamSectionsText.find("Script=S");
    doc.teamSectionsText.insert(script + 8, "7");
    EXPECT_EQ(Described(FindBrokenReferences(doc)),
              (std::vector<std::string>{"missing-script T", "task-force-member F ai.ini:9"}));
    ASSERT_TRUE(SaveDocument(doc, SaveMode::SingleFile));
    EXPECT_EQ(Described(FindBrokenReferences(doc)),
              (std::vector<std::string>{"missing-script T", "task-force-member F"}));
}

// The names of the AI file against the rules file's lists, read with its include file, "+=" and
// commented lines, a byte-order mark and names in another case.
TEST(FileReport, NamesAgainstTheRulesFile) {
    TempDir dir;
    WriteIni(dir / "ai.ini", Mod("0=1,htnk\n1=2,HTNKK ;typo", "0=0,1", kTeam + "House=Atlantis\n",
                                 "A=n,T,russians,0,1,heli1,0,5,5,5,1,0,0,0,<none>,1,1,1\n"
                                 "B=n,T,Atlantis,0,0,XYZ,0,5,5,5,1,0,0,0,<none>,1,1,1\n"
                                 "C=n,T,<ALL>,0,4,XYZ,0,5,5,5,1,0,0,0,<none>,1,1,1\n"
                                 "D=n,T,<none>,0,7,<None>,0,5,5,5,1,0,0,0,<none>,1,1,1\n"));
    WriteIni(dir / "more.ini", "[AircraftTypes]\n0=HELI1\n[BuildingTypes]\n5=POWER1\n"
                               "[InfantryTypes]\n+=ENGINEER\n[Countries]\n+=Americans\n");
    const std::string full = "\xEF\xBB\xBF[#include]\n0=more.ini\n[InfantryTypes]\n0=E1 ;gi\n"
                             ";1=HTNKK\n[General]\n1=XYZ\n[VehicleTypes]\n+=HTNK  \n"
                             "[Countries]\n0=Russians\n";
    const struct {
        const char *name;
        std::string rules; // none when empty
        std::vector<std::string> expected;
        std::string firstLine;
    } rows[] = {
        {"no rules file", "", {}, ""},
        {"all lists",
         full,
         {"unknown-unit F ai.ini:10", "unknown-condition-object B ai.ini:21",
          "unknown-house B ai.ini:21", "unknown-house T ai.ini:18"},
         "（规则文件: " + U8(WidePath(dir / "rules.ini")) + "，5 个单位和建筑类型，2 个国家）"},
        {"countries only: types are not checked",
         "[Countries]\n0=Russians\n",
         {"unknown-house B ai.ini:21", "unknown-house T ai.ini:18"},
         "，0 个单位和建筑类型，1 个国家）"},
        {"none of the lists", "[General]\nName=x\n", {}, " 中没有 [InfantryTypes]"},
    };
    MessageRecorder recorder;
    Open(dir / "ai.ini");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        std::optional<RulesFile> rules;
        if (!row.rules.empty()) {
            WriteIni(dir / "rules.ini", row.rules);
            RulesRead read = ReadRulesFile(WidePath(dir / "rules.ini"));
            ASSERT_TRUE(read.rules) << U8(read.error);
            rules = std::move(read.rules);
        }
        const std::vector<Finding> found = FindBrokenReferences(doc, rules ? &*rules : nullptr);
        EXPECT_EQ(Described(found), row.expected);
        const std::string text = U8(
            FileReportText(doc.openedPath, doc.droppedOnSave, &found, rules ? &*rules : nullptr));
        const std::string first = text.substr(0, text.find('\n'));
        if (row.firstLine.empty())
            EXPECT_EQ(first.find("规则文件"), std::string::npos) << first;
        else
            EXPECT_NE(first.find(row.firstLine), std::string::npos) << first;
    }
    EXPECT_TRUE(recorder.shown().empty());

    // What the task force window tells of a member line.
    WriteIni(dir / "rules.ini", full);
    const RulesFile rules = *ReadRulesFile(WidePath(dir / "rules.ini")).rules;
    const std::u16string field = U16("[F]\n0=1,Htnk\n1=2,HTNKK ;typo\nName=x\n");
    EXPECT_EQ(U8(ExplainMemberLine(field, 1, {&rules})), "第 2 行：1 × Htnk（车辆）");
    EXPECT_EQ(U8(ExplainMemberLine(field, 2, {&rules})), "第 3 行：类型 HTNKK 不在规则文件中");
    EXPECT_EQ(U8(ExplainMemberLine(field, 3, {&rules})), "");
    EXPECT_EQ(U8(ExplainMemberLine(field, 9, {&rules})), "");
    EXPECT_EQ(U8(ExplainMemberLine(field, 1, {})), "");
}

// A rules file that cannot be read is no empty list: it gives no rules, and says why.
TEST(FileReport, UnreadableRulesFile) {
    TempDir dir;
    fs::create_directory(dir / "folder.ini");
    WriteIni(dir / "rules.ini", "[#include]\n0=folder.ini\n[Countries]\n0=A\n");
    const struct {
        const char *file;
        const char *error;
        const char *names; // the file it names, with the reason after it
    } rows[] = {
        {"none.ini", "规则文件无法读取: ", "none.ini ("},
        {"folder.ini", "规则文件无法读取: ", "folder.ini ("},
        {"rules.ini", "规则文件的包含文件没能读取: ", "folder.ini ("},
    };
    for (const auto &row : rows) {
        MessageRecorder recorder;
        const RulesRead read = ReadRulesFile(WidePath(dir / row.file));
        EXPECT_FALSE(read.rules) << row.file;
        EXPECT_EQ(U8(read.error).rfind(row.error, 0), 0u) << U8(read.error);
        EXPECT_NE(U8(read.error).find(row.names), std::string::npos) << U8(read.error);
    }
}
