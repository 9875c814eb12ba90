// Runs the headless companion command as a build script would.

#include "app/opensave.h"
#include "core/document.h"
#include "core/windowsignals.h"
#include "newentry/entryops.h"
#include "support/testeditor.h"
#include "support/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <span>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace testsupport;

namespace {

struct CliRun {
    int status = -1;
    std::string err;
    std::string out;
};

// Runs in `folder` when one is given, so that paths can be given relative to it; on a Chinese
// system unless `locale` sets the environment's locale variables otherwise.
CliRun RunCli(const std::string &args, const std::filesystem::path &folder = {},
              const std::string &locale = "LC_ALL=zh_CN.UTF-8") {
    TempDir scratch;
    const std::string errFile = (scratch / "stderr").string();
    const std::string outFile = (scratch / "stdout").string();
    const std::string command = (folder.empty() ? "" : "cd '" + folder.string() + "' && ") +
                                "env -u LC_ALL -u LC_MESSAGES -u LANG " + locale + " timeout 60 " +
                                std::string(VANTAEDIT_CLI) + " " + args + " >'" + outFile +
                                "' 2>'" + errFile + "'";
    int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(errFile), ReadBytes(outFile)};
}

std::string Quote(const std::filesystem::path &p) { return "'" + p.string() + "'"; }

// A command line, the status it must exit with, and a text its output must hold (no output when
// empty).
struct CliCase {
    std::string args;
    int status;
    std::string out;
};

void ExpectRuns(std::span<const CliCase> rows, const std::filesystem::path &folder) {
    for (const CliCase &row : rows) {
        SCOPED_TRACE(row.args);
        const CliRun run = RunCli(row.args, folder);
        EXPECT_EQ(run.status, row.status) << run.err;
        if (row.out.empty())
            EXPECT_EQ(run.out, "");
        else
            EXPECT_NE(run.out.find(row.out), std::string::npos) << run.out;
    }
}

const std::string kFile = "[TeamTypes]\r\n5=T\r\n[T]\r\nName=t\r\n"
                          "[TaskForces]\r\n9=F\r\n[F]\r\nName=f\r\n";

} // namespace

TEST(Cli, SavesInPlaceWithTheDetectedStartNumber) {
    TempDir dir;
    WriteBytes(dir / "ai.ini", kFile);
    CliRun run = RunCli("save " + Quote(dir / "ai.ini"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string saved = ReadBytes(dir / "ai.ini");
    EXPECT_NE(saved.find("[TaskForces]\r\n5=F\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[TeamTypes]\r\n5=T\r\n"), std::string::npos) << saved;

    WriteBytes(dir / "ai.ini", kFile);
    ASSERT_EQ(RunCli("save --no-autodetect " + Quote(dir / "ai.ini")).status, 0);
    EXPECT_NE(ReadBytes(dir / "ai.ini").find("[TeamTypes]\r\n0=T\r\n"), std::string::npos);
}

TEST(Cli, SplitSave) {
    TempDir dir;
    WriteBytes(dir / "ai.ini", kFile);
    ASSERT_EQ(RunCli("save --split " + Quote(dir / "ai.ini")).status, 0);
    EXPECT_EQ(ReadBytes(dir / "ai.ini").rfind("[#include]\r\n0=./+AI/TaskForce.ini\r\n", 0), 0u);
    EXPECT_EQ(ReadBytes(dir / "+AI" / "TeamTypes.ini"),
              "[TeamTypes]\r\n5=T\r\n\r\n[T]\r\nName=t\r\n\r\n");
}

TEST(Cli, FailuresChangeNothing) {
    TempDir dir;
    CliRun missing = RunCli("save " + Quote(dir / "none.ini"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.rfind("文件无法打开，请检查是否已被占用!\n" +
                                    (dir / "none.ini").string() + " (文件或文件夹不存在)\n",
                                0),
              0u)
        << missing.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "none.ini"));

    WriteBytes(dir / "b.ini", kFile);
    WriteBytes(dir / "+AI", "a plain file");
    CliRun split = RunCli("save --split " + Quote(dir / "b.ini"));
    EXPECT_EQ(split.status, 1);
    EXPECT_EQ(split.err.rfind("保存文件失败!T_T\n", 0), 0u);
    EXPECT_EQ(ReadBytes(dir / "b.ini"), kFile);
}

// A missing include file is only reported; one that exists but was not read blocks the save.
TEST(Cli, IncludeFilesThatCouldNotBeRead) {
    struct Case {
        std::string name;
        int status;
        std::string message;
    } cases[] = {
        {"missing", 0, "读取失败!请检查:"},
        {"pipe", 1, "(不是普通文件)"},
    };
    for (const Case &c : cases) {
        TempDir dir;
        const std::string original = "[#include]\r\n0=inc.ini\r\n" + kFile;
        WriteBytes(dir / "ai.ini", original);
        if (c.name == "pipe") {
            ASSERT_EQ(mkfifo((dir / "inc.ini").c_str(), 0600), 0);
        }
        CliRun run = RunCli("save " + Quote(dir / "ai.ini"));
        EXPECT_EQ(run.status, c.status) << c.name << run.err;
        EXPECT_NE(run.err.find((dir / "inc.ini").string() + "\n"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(ReadBytes(dir / "ai.ini") == original, c.status != 0) << c.name;
    }
}

TEST(Cli, AgreesWithTheEditorOnIncludesThatWereNotRead) {
    // The same files through the companion command and through the editor's Open and Save.
    for (const char *include : {"missing", "pipe", "folder"}) {
        TempDir cli, editor;
        for (const TempDir *dir : {&cli, &editor}) {
            WriteBytes(*dir / "ai.ini", "[#include]\r\n0=inc.ini\r\n" + kFile);
            if (include == std::string("pipe")) {
                ASSERT_EQ(mkfifo((*dir / "inc.ini").c_str(), 0600), 0);
            } else if (include == std::string("folder")) {
                std::filesystem::create_directory(*dir / "inc.ini");
            }
        }
        const int status = RunCli("save " + Quote(cli / "ai.ini")).status;

        ResetTestDocument();
        MessageRecorder recorder;
        recorder.Answer(platform::Answer::Ok);       // the include's message at Open
        recorder.Answer(platform::Answer::Save);     // the report of what Save drops
        recorder.Answer(platform::Answer::No);       // one file, not split
        OpenFile(WidePath(editor / "ai.ini"), true); // as the companion command detects
        SaveFile();
        EXPECT_EQ(ReadBytes(editor / "ai.ini"), ReadBytes(cli / "ai.ini")) << include;
        EXPECT_EQ(status, include == std::string("missing") ? 0 : 1) << include;
    }
}

TEST(Cli, OddPathsGetAMessage) {
    TempDir dir;
    struct Case {
        std::string args;
        int status;
    } cases[] = {
        {"save ''", 2},
        {"save " + Quote(dir / "bad\xFF\xFEname.ini"), 1},
        {"save " + Quote(dir.path()), 1},
        {"save /dev/null", 1},
        {"save " + Quote(dir / "pipe"), 1},
    };
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    for (const Case &c : cases) {
        CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args << run.err;
        EXPECT_FALSE(run.err.empty()) << c.args;
        EXPECT_EQ(run.err.find("terminate"), std::string::npos) << run.err;
    }
}

TEST(Cli, CheckPrintsTheReportAndWritesNothing) {
    const std::string clean =
        kFile.substr(0, kFile.find("[TaskForces]")) +
        "TaskForce=F\r\nScript=S\r\n[ScriptTypes]\r\n0=S\r\n[S]\r\n0=1,0\r\n" +
        kFile.substr(kFile.find("[TaskForces]"));
    const struct {
        const char *name;
        std::string file;
        int status;
        std::string printed;
    } rows[] = {
        {"clean", clean, 0, "没有发现问题。"},
        {"a section Save drops", clean + "[Gone]\r\nName=g\r\n", 3,
         "[未列出的小节] Gone — ai.ini 第 15 行"},
        {"a missing include file", "[#include]\r\n0=gone.ini\r\n" + clean, 3,
         "[无法读取的包含文件] gone.ini — ai.ini 第 1 行"},
        {"an include file that exists but cannot be read", "[#include]\r\n0=folder.ini\r\n" + clean,
         1, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        WriteBytes(dir / "ai.ini", row.file);
        std::filesystem::create_directory(dir / "folder.ini");
        CliRun run = RunCli("check " + Quote(dir / "ai.ini"));
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_NE(run.out.find(row.printed), std::string::npos) << run.out;
        EXPECT_EQ(ReadBytes(dir / "ai.ini"), row.file);
    }
    TempDir dir;
    EXPECT_EQ(RunCli("check " + Quote(dir / "none.ini")).status, 1);

    // Save says what it drops, and saves.
    WriteBytes(dir / "ai.ini", clean + "[Gone]\r\nName=g\r\n");
    CliRun save = RunCli("save " + Quote(dir / "ai.ini"));
    EXPECT_EQ(save.status, 0);
    EXPECT_NE(save.err.find("[未列出的小节] Gone"), std::string::npos) << save.err;
    EXPECT_EQ(ReadBytes(dir / "ai.ini").find("Gone"), std::string::npos);
}

TEST(Cli, Usage) {
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("load x.ini").status, 2);
    EXPECT_EQ(RunCli("save").status, 2);
    EXPECT_EQ(RunCli("save --bogus x.ini").status, 2);
    EXPECT_EQ(RunCli("save a.ini b.ini").status, 2);
    EXPECT_EQ(RunCli("check").status, 2);
    EXPECT_EQ(RunCli("check --split x.ini").status, 2);
    EXPECT_EQ(RunCli("check --format=xml x.ini").status, 2);
    EXPECT_EQ(RunCli("check x.ini ''").status, 2);
    CliRun version = RunCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vantaedit-cli " VANTAEDIT_VERSION "\n");
    CliRun help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    CliRun bad = RunCli("save");
    EXPECT_NE(bad.err.find("vantaedit-cli save [--split] [--no-autodetect] FILE"),
              std::string::npos);
}

namespace {

// A mod with one section Save drops (line 15) and a team whose script is missing (line 6).
const std::string kFlawed = "[TeamTypes]\r\n5=T\r\n[T]\r\nName=t\r\nTaskForce=F\r\n"
                            "Script=S9\r\n[TaskForces]\r\n9=F\r\n[F]\r\nName=f\r\n"
                            "[ScriptTypes]\r\n0=S\r\n[S]\r\n0=1,0\r\n[Gone]\r\nName=g\r\n";

} // namespace

TEST(Cli, CheckFormats) {
    TempDir dir;
    std::filesystem::create_directory(dir / "mod");
    WriteBytes(dir / "mod" / "ai.ini", kFlawed);

    // The text form is the editor's own report.
    CliRun text = RunCli("check mod/ai.ini", dir.path());
    EXPECT_EQ(text.status, 3);
    ResetTestDocument();
    MessageRecorder recorder;
    OpenFile(WidePath(dir / "mod" / "ai.ini"), true);
    CheckFile();
    ASSERT_EQ(recorder.Texts().size(), 1u);
    EXPECT_EQ(text.out, recorder.Texts()[0]);
    EXPECT_NE(text.out.find("[队伍的脚本不存在] T — ai.ini 第 6 行"), std::string::npos)
        << text.out;

    CliRun gcc = RunCli("check --format=gcc mod/ai.ini", dir.path());
    EXPECT_EQ(gcc.status, 3);
    EXPECT_EQ(gcc.out, "mod/ai.ini:15: warning: Gone: 没有列表提到这个 ID，保存时这一节被丢弃。 "
                       "[unlisted-section]\n"
                       "mod/ai.ini:6: warning: T: 队伍使用的脚本“S9”不在脚本列表中。 "
                       "[missing-script]\n");

    CliRun json = RunCli("check --format=json mod/ai.ini", dir.path());
    EXPECT_EQ(json.status, 3);
    QJsonParseError error;
    const QJsonObject run =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out;
    EXPECT_EQ(run[QStringLiteral("status")].toInt(), 3);
    const QJsonObject file = run[QStringLiteral("files")].toArray()[0].toObject();
    EXPECT_EQ(file[QStringLiteral("file")].toString(), QStringLiteral("mod/ai.ini"));
    const QJsonObject script = file[QStringLiteral("findings")].toArray()[1].toObject();
    EXPECT_EQ(script, (QJsonObject{{QStringLiteral("kind"), QStringLiteral("missing-script")},
                                   {QStringLiteral("id"), QStringLiteral("T")},
                                   {QStringLiteral("file"), QStringLiteral("mod/ai.ini")},
                                   {QStringLiteral("line"), 6},
                                   {QStringLiteral("message"),
                                    QStringLiteral("队伍使用的脚本“S9”不在脚本列表中。")}}));
    const QJsonObject summary = file[QStringLiteral("summary")].toObject();
    EXPECT_EQ(summary[QStringLiteral("dropped")].toInt(), 1);
    EXPECT_EQ(summary[QStringLiteral("references")].toInt(), 1);
    EXPECT_EQ(summary[QStringLiteral("values")].toInt(), 0);
    EXPECT_EQ(summary[QStringLiteral("kinds")].toObject()[QStringLiteral("missing-script")].toInt(),
              1);
}

// The JSON text byte for byte: keys sorted, four blanks a level, an empty list on two lines,
// quotes, backslashes and control characters of an ID escaped, Chinese as UTF-8.
TEST(Cli, CheckJsonText) {
    TempDir dir;
    WriteBytes(dir / "odd.ini", "[TeamTypes]\r\n0=T\"q\\b\tc\x01\r\n[T\"q\\b\tc\x01]\r\nName=t\r\n"
                                "TaskForce=F\r\nScript=S\r\n[TaskForces]\r\n0=F\r\n[F]\r\n"
                                "0=1,E1\r\n[ScriptTypes]\r\n0=S\r\n[S]\r\n0=1,0\r\n");
    WriteBytes(dir / "clean.ini", "[TaskForces]\r\n0=F\r\n[F]\r\n0=1,E1\r\n");
    CliRun json = RunCli("check --format=json odd.ini clean.ini", dir.path());
    EXPECT_EQ(json.status, 3);
    EXPECT_EQ(json.out, R"({
    "actions": {
        "actions": 65,
        "engine": "base",
        "name": "基础游戏"
    },
    "files": [
        {
            "file": "odd.ini",
            "findings": [
                {
                    "file": "odd.ini",
                    "id": "T\"q\\b\tc\u0001",
                    "kind": "unlisted-section",
                    "line": 3,
                    "message": "没有列表提到这个 ID，保存时这一节被丢弃。"
                },
                {
                    "file": "odd.ini",
                    "id": "T\"q\\b c\u0001",
                    "kind": "empty-section",
                    "line": 2,
                    "message": "这个条目没有小节，保存时写成空的一节。"
                }
            ],
            "status": 3,
            "summary": {
                "dropped": 1,
                "findings": 2,
                "kinds": {
                    "empty-section": 1,
                    "unlisted-section": 1
                },
                "otherSections": 0,
                "references": 1,
                "values": 0
            }
        },
        {
            "file": "clean.ini",
            "findings": [
            ],
            "status": 0,
            "summary": {
                "dropped": 0,
                "findings": 0,
                "kinds": {
                },
                "otherSections": 0,
                "references": 0,
                "values": 0
            }
        }
    ],
    "status": 3,
    "version": ")" VANTAEDIT_VERSION R"("
}
)");
}

// Each file is checked; the worst status wins: a file not read over findings over clean.
TEST(Cli, CheckSeveralFiles) {
    TempDir dir;
    std::string clean = kFlawed.substr(0, kFlawed.find("[Gone]"));
    clean.erase(clean.find("S9") + 1, 1);
    WriteBytes(dir / "clean.ini", clean);
    WriteBytes(dir / "flawed.ini", "[#include]\r\n0=inc.ini\r\n" + clean);
    WriteBytes(dir / "inc.ini", "[Gone]\r\nName=g\r\n");
    const struct {
        std::string files;
        int status;
        std::string gcc;
    } rows[] = {
        {"clean.ini clean.ini", 0, ""},
        {"clean.ini ./flawed.ini", 3,
         "./inc.ini:1: warning: Gone: 没有列表提到这个 ID，保存时这一节被丢弃。 "
         "[unlisted-section]\n"},
        {"none.ini flawed.ini clean.ini", 1,
         "none.ini: error: 文件无法打开，请检查是否已被占用! " + (dir / "none.ini").string() +
             " (文件或文件夹不存在) [unreadable-file]\n"
             "inc.ini:1: warning: Gone: 没有列表提到这个 ID，保存时这一节被丢弃。 "
             "[unlisted-section]\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.files);
        CliRun gcc = RunCli("check --format=gcc " + row.files, dir.path());
        EXPECT_EQ(gcc.status, row.status);
        EXPECT_EQ(gcc.out, row.gcc);
        CliRun text = RunCli("check " + row.files, dir.path());
        EXPECT_EQ(text.status, row.status);
        // One report per file that could be read.
        size_t reports = 0;
        for (size_t at = text.out.find("检查文件: "); at != std::string::npos;
             at = text.out.find("检查文件: ", at + 1))
            ++reports;
        EXPECT_EQ(reports, size_t(std::count(row.files.begin(), row.files.end(), ' ') + 1 -
                                  (row.status == 1 ? 1 : 0)));
    }
}

// Names against a rules file, in every format; a rules file that cannot be read fails the run,
// whatever the files hold.
TEST(Cli, CheckWithRules) {
    TempDir dir;
    WriteBytes(dir / "ai.ini", "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n0=1,E1\r\n1=2,HTNKK\r\n");
    WriteBytes(dir / "rules.ini", "[InfantryTypes]\r\n0=e1\r\n");
    WriteBytes(dir / "empty.ini", "[General]\r\n");
    const std::string unknown =
        "ai.ini:6: warning: F: 成员类型“HTNKK”不在规则文件的单位和建筑列表中。 "
        "[unknown-unit]\n";
    const CliCase rows[] = {
        {"check --format=gcc ai.ini", 0, ""},
        {"check --format=gcc --rules rules.ini ai.ini", 3, unknown},
        {"check --rules rules.ini ai.ini", 3,
         "检查文件: " + (dir / "ai.ini").string() + "（规则文件: " + (dir / "rules.ini").string() +
             "，1 个单位和建筑类型，0 个国家；动作表: 基础游戏）\n"},
        {"check --format=json --rules rules.ini ai.ini", 3, "\"types\": 1"},
        {"check --format=gcc --rules empty.ini ai.ini", 0,
         "empty.ini: warning: 规则文件 " + (dir / "empty.ini").string() + " 中没有"},
        {"check --format=gcc --rules none.ini ai.ini", 1,
         "none.ini: error: 规则文件无法读取: " + (dir / "none.ini").string() +
             " (文件或文件夹不存在) [unreadable-rules]\n"},
        {"check --format=json --rules none.ini ai.ini", 1, "\"error\": \"规则文件无法读取: "},
        {"check --rules none.ini ai.ini", 1, ""},
        {"check --rules ai.ini", 2, ""},
        {"check ai.ini --rules", 2, ""},
    };
    ExpectRuns(rows, dir.path());
    // The reason goes where the user reads it.
    EXPECT_NE(RunCli("check --rules none.ini ai.ini", dir.path()).err.find("规则文件无法读取"),
              std::string::npos);
}

// A string table given to check is read; one that cannot be read fails the run as a rules file.
TEST(Cli, CheckWithAStringTable) {
    TempDir dir;
    WriteBytes(dir / "ai.ini", kFile);
    WriteBytes(dir / "ra2.csf", StringTableBytes({{"Name:E1", {U16("美国大兵")}, ""}}));
    WriteBytes(dir / "bad.csf", StringTableBytes({{"A", {u"abc"}, ""}}).substr(0, 30));
    const CliCase rows[] = {
        {"check --format=json --csf ra2.csf ai.ini", 3, "\"texts\": 1"},
        {"check --format=gcc --csf bad.csf ai.ini", 1,
         "bad.csf: error: 字符串表已损坏: " + (dir / "bad.csf").string()},
        {"check --format=json --csf bad.csf ai.ini", 1, "\"error\": \"字符串表已损坏: "},
        {"check --csf ai.ini", 2, ""},
    };
    ExpectRuns(rows, dir.path());
}

// explain: every line of the named entries with the window's words, in both formats.
TEST(Cli, Explain) {
    TempDir dir;
    WriteBytes(
        dir / "ai.ini",
        "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n\r\n0=3,HTNK\r\n[ScriptTypes]\r\n0=S\r\n"
        "[S]\r\nName=s\r\n0=58,131073\r\n1=17,0\r\n2=10000,2\r\n[TeamTypes]\r\n0=T\r\n[T]\r\n"
        "TaskForce=F\r\nScript=S\r\nHouse=Americans\r\n[AITriggerTypes]\r\n"
        "A=n,T,<all>,0,1,HTNK,0000000002000000000000000000000000000000000000000000000000000000,"
        "5,5,5,1,0,0,0,<none>,1,1,1\r\n");
    WriteBytes(dir / "rules.ini", "[VehicleTypes]\r\n0=HTNK\r\n[BuildingTypes]\r\n0=GACNST\r\n"
                                  "1=GAPOWR\r\n[HTNK]\r\nName=Grizzly Battle Tank\r\n"
                                  "UIName=Name:HTNK\r\n[Countries]\r\n0=Americans\r\n");
    WriteBytes(dir / "ra2.csf", StringTableBytes({{"Name:HTNK", {U16("灰熊坦克")}, ""}}));
    WriteBytes(dir / "fork.ini", "[ScriptActions]\r\n10000=我的动作,team,说明\r\n");
    WriteBytes(dir / "broken.ini", "[ScriptActions]\r\n10000=我的动作,frames,说明\r\n");
    const struct {
        std::string args;
        int status;
        std::vector<std::string> out;
    } rows[] = {
        // The script actions as check takes them: an extension's line is read by its profile.
        {"explain ai.ini S", 0, {"  13: 2=10000,2\n      动作 10000 未知动作（基础游戏）\n"}},
        {"explain --engine phobos ai.ini S",
         0,
         {"动作 10000 攻击目标类型（近，反复） — 参数 2：目标类型 建筑"}},
        {"explain --engine ares --actions fork.ini ai.ini S",
         0,
         {"动作 10000 我的动作 — 参数 2：队伍列表中没有序号 2（共 1 项）"}},
        {"explain --format=json --actions broken.ini ai.ini S", 1, {"[]\n"}},
        {"explain --engine phobos3 ai.ini S", 2, {}},
        {"explain --engine base --engine base ai.ini S", 2, {}},
        {"explain --actions ai.ini S", 2, {}},
        {"explain ai.ini F",
         0,
         {"人员 F（ai.ini）\n  3: [F]\n      小节头\n", "  6: 0=3,HTNK\n      3 × HTNK\n"}},
        {"explain --rules rules.ini ai.ini F S",
         0,
         {"  6: 0=3,HTNK\n      3 × HTNK（Grizzly Battle Tank，车辆）\n",
          "  11: 0=58,131073\n      动作 58 移动到本方建筑 — 参数 131073：最近的 GAPOWR\n"}},
        {"explain --rules rules.ini --csf ra2.csf ai.ini F", 0, {"3 × HTNK（灰熊坦克，车辆）"}},
        {"explain --format=json --rules rules.ini ai.ini T A S",
         0,
         {"\"kind\": \"team\"", "\"kind\": \"trigger\"", "\"line\": 21,",
          "\"refers\": [\n                    \"T\",\n                    \"HTNK\"\n",
          "\"refers\": [\n                    \"GAPOWR\"\n", "\"meaning\": \"人员 F（f）\""}},
        {"explain ai.ini F Nothing", 4, {"人员 F"}},
        {"explain none.ini F", 1, {}},
        {"explain --rules none.ini ai.ini F", 1, {}},
        {"explain --format=json --csf rules.ini ai.ini F", 1, {"[]\n"}},
        {"explain ai.ini", 2, {}},
        {"explain --format=gcc ai.ini F", 2, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.args);
        const CliRun run = RunCli(row.args, dir.path());
        EXPECT_EQ(run.status, row.status) << run.err;
        if (row.out.empty()) {
            EXPECT_EQ(run.out, "");
        }
        for (const std::string &part : row.out)
            EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
    }
    EXPECT_NE(RunCli("explain ai.ini Nothing", dir.path()).err.find("没有 ID 为 Nothing 的条目"),
              std::string::npos);
    // The JSON is one array of entries with their lines.
    const QJsonDocument json = QJsonDocument::fromJson(
        QByteArray::fromStdString(RunCli("explain --format=json ai.ini S A", dir.path()).out));
    ASSERT_TRUE(json.isArray());
    EXPECT_EQ(json.array().size(), 2);
    const QJsonObject script = json.array()[0].toObject();
    EXPECT_EQ(script[QStringLiteral("id")].toString(), QStringLiteral("S"));
    EXPECT_EQ(script[QStringLiteral("lines")].toArray().size(), 5);
    EXPECT_EQ(
        script[QStringLiteral("lines")].toArray()[3].toObject()[QStringLiteral("line")].toInt(),
        12);
}

TEST(Cli, CheckWithEngineAndActionTable) {
    TempDir dir;
    // Actions of the old Phobos numbering, one of Ares, and the game's own.
    WriteBytes(dir / "ai.ini", "[ScriptTypes]\r\n0=S\r\n[S]\r\n0=74,3\r\n1=500,-5\r\n"
                               "2=65,100\r\n3=3,1\r\n");
    WriteBytes(dir / "fork.ini", "[ScriptActions]\r\n74=自己的动作,number,说明\r\n"
                                 "500=另一个,variable,说明\r\n");
    WriteBytes(dir / "broken.ini", "[ScriptActions]\r\n74=名称,frames,说明\r\n");
    const std::string first = "检查文件: " + (dir / "ai.ini").string();
    const CliCase rows[] = {
        {"check ai.ini", 3,
         first + "（动作表: 基础游戏）。文件中 3 行用到 Ares + Phobos 旧编号 的动作，当前为 "
                 "基础游戏\n"},
        {"check --engine phobos ai.ini", 3,
         first + "（动作表: Ares + Phobos）。文件中 2 行用到 Ares + Phobos 旧编号 的动作，当前为 "
                 "Ares + Phobos\n"},
        {"check --engine phobos-devbuild ai.ini", 0, first + "（动作表: Ares + Phobos 旧编号）\n"},
        {"check --engine ares --actions fork.ini ai.ini", 0,
         first + "（动作表: Ares + fork.ini）\n"},
        {"check --format=gcc ai.ini", 3,
         "ai.ini: note: 文件中 3 行用到 Ares + Phobos 旧编号 的动作，当前为 基础游戏 "
         "[engine-hint]\nai.ini:4: warning: S: 动作行“0=74,3”的动作 74 不在动作表（基础游戏）中。"},
        {"check --format=json --engine phobos-devbuild ai.ini", 0,
         "\"engine\": \"phobos-devbuild\",\n        \"name\": \"Ares + Phobos 旧编号\""},
        {"check --format=json --engine ares --actions fork.ini ai.ini", 0,
         "\"table\": \"fork.ini\""},
        {"check --actions broken.ini ai.ini", 1, ""},
        {"check --format=gcc --actions broken.ini ai.ini", 1,
         "broken.ini: error: broken.ini 第 2 行: 参数种类“frames”未知"},
        {"check --format=json --actions none.ini ai.ini", 1,
         "\"error\": \"动作表无法读取: none.ini"},
        {"check --engine phobos3 ai.ini", 2, ""},
        {"check --engine ai.ini", 2, ""},
        {"check --actions ai.ini", 2, ""},
    };
    ExpectRuns(rows, dir.path());
    EXPECT_NE(
        RunCli("check --actions broken.ini ai.ini", dir.path()).err.find("broken.ini 第 2 行"),
        std::string::npos);
}

TEST(Cli, MigrateMovesOnlyTheActionNumbers) {
    TempDir dir;
    const std::string before = "[ScriptTypes]\r\n0=S\r\n[S]\r\nName=s\r\n0=74,3 ; 注释\r\n"
                               "1=  500 ,-5\r\n2=125,30\r\n3=3,1\r\n";
    const std::string after = "[S]\r\nName=s\r\n0=10010,3 ; 注释\r\n1=  18000 ,-5\r\n2=16001,30\r\n"
                              "3=3,1\r\n";
    WriteBytes(dir / "ai.ini", before);
    const CliRun run = RunCli("migrate --from phobos-devbuild --to phobos ai.ini", dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("“2=125,30”：动作 125 改为 16001"), std::string::npos) << run.err;
    EXPECT_NE(ReadBytes(dir / "ai.ini").find(after), std::string::npos)
        << ReadBytes(dir / "ai.ini");
    // And back.
    ASSERT_EQ(RunCli("migrate --from phobos --to phobos-devbuild ai.ini", dir.path()).status, 0);
    EXPECT_NE(ReadBytes(dir / "ai.ini").find("0=74,3 ; 注释\r\n1=  500 ,-5\r\n2=125,30\r\n"),
              std::string::npos);
    for (const char *args : {"migrate ai.ini", "migrate --from ares --to phobos ai.ini",
                             "migrate --from phobos-devbuild --to phobos",
                             "migrate --from phobos-devbuild --to base ai.ini"})
        EXPECT_EQ(RunCli(args, dir.path()).status, 2) << args;
    EXPECT_EQ(RunCli("migrate --from phobos-devbuild --to phobos none.ini", dir.path()).status, 1);
}

TEST(Cli, RenameAsTheEditorRenames) {
    TempDir dir;
    const std::string file = "[TaskForces]\r\n0=F\r\n[F]\r\nName=f\r\n0=1,E1\r\n"
                             "[TeamTypes]\r\n0=T\r\n[T]\r\nName=t\r\nTaskForce=F ;note\r\n"
                             "[AITriggerTypes]\r\nA=a,T,<all>,0,1,o,b,1,1,1,1,0,0,0,T,1,1,1\r\n";
    // The command, then the editor's own document work on a copy of the same file.
    WriteBytes(dir / "cli.ini", file);
    CliRun run = RunCli("rename " + Quote(dir / "cli.ini") + " T Rush");
    EXPECT_EQ(run.status, 0) << run.err;
    WriteBytes(dir / "editor.ini", file);
    MessageRecorder recorder(platform::Answer::No); // one file, not split
    OpenFile(WidePath(dir / "editor.ini"), true);
    model.Edit(u"改名", [] { RenameEntry(doc, u"T", u"Rush"); });
    ASSERT_TRUE(SaveFile());
    EXPECT_EQ(ReadBytes(dir / "cli.ini"), ReadBytes(dir / "editor.ini"));
    EXPECT_NE(ReadBytes(dir / "cli.ini").find("A=a,Rush,<all>,0,1,o,b,1,1,1,1,0,0,0,Rush,1,1,1"),
              std::string::npos);

    // Refused renames write nothing and say why; the usual failures keep their statuses.
    const std::string saved = ReadBytes(dir / "cli.ini");
    const struct {
        std::string args;
        int status;
    } cases[] = {
        {"rename " + Quote(dir / "cli.ini") + " Gone X", 4},
        {"rename " + Quote(dir / "cli.ini") + " Rush F", 4},
        {"rename " + Quote(dir / "cli.ini") + " Rush 'a=b'", 4},
        {"rename " + Quote(dir / "cli.ini") + " Rush", 2},
        {"rename " + Quote(dir / "none.ini") + " Rush X", 1},
    };
    for (const auto &c : cases) {
        CliRun refused = RunCli(c.args);
        EXPECT_EQ(refused.status, c.status) << c.args;
        EXPECT_FALSE(refused.err.empty()) << c.args;
        EXPECT_EQ(ReadBytes(dir / "cli.ini"), saved) << c.args;
    }
}

TEST(Cli, SpeaksTheSystemsLanguageOrTheOneAskedFor) {
    TempDir dir;
    WriteBytes(dir / "ai.ini", "[TeamTypes]\r\n0=T\r\n[T]\r\nName=t\r\n[Lost]\r\nName=x\r\n");
    const struct {
        std::string locale, args;
        int status;
        std::string says; // on standard output
    } cases[] = {
        {"LANG=zh_CN.UTF-8", "--help", 0, "用法: vantaedit-cli"},
        {"LC_MESSAGES=zh_TW.UTF-8 LANG=en_US.UTF-8", "--help", 0, "用法: vantaedit-cli"},
        {"LC_ALL=C LANG=zh_CN.UTF-8", "--help", 0, "Usage: vantaedit-cli"},
        {"", "--help", 0, "Usage: vantaedit-cli"},
        {"LC_ALL=zh_CN.UTF-8", "--lang en --help", 0, "Usage: vantaedit-cli"},
        {"LC_ALL=en_US.UTF-8", "check ai.ini --lang zh", 3, "检查文件: /"},
        {"LC_ALL=zh_CN.UTF-8", "check --lang en ai.ini", 3, "Check file: /"},
        {"LC_ALL=zh_CN.UTF-8", "--lang en check --format=gcc ai.ini", 3,
         "warning: Lost: No list names this ID; this section is dropped on saving. "
         "[unlisted-section]"},
        // JSON keeps its field names and kind names; only the message is in English.
        {"LC_ALL=zh_CN.UTF-8", "--lang en check --format=json ai.ini", 3,
         "\"kind\": \"unlisted-section\""},
        {"LC_ALL=zh_CN.UTF-8", "--lang en check --format=json ai.ini", 3,
         "\"message\": \"No list names this ID; this section is dropped on saving.\""},
        {"LC_ALL=zh_CN.UTF-8", "--lang fr --help", 2, ""},
        {"LC_ALL=zh_CN.UTF-8", "--help --lang", 2, ""},
    };
    for (const auto &c : cases) {
        const CliRun run = RunCli(c.args, dir.path(), c.locale);
        EXPECT_EQ(run.status, c.status) << c.locale << " " << c.args << run.err;
        EXPECT_NE(run.out.find(c.says), std::string::npos) << c.locale << " " << c.args << run.out;
    }
}

namespace {

// A mod of three teams in CR LF, its list numbered from `start` in the order given.
std::string Teams(const std::vector<std::string> &ids, int start = 0,
                  const std::string &priorityOfTC = "1") {
    std::string file = "[TeamTypes]\r\n";
    for (const std::string &id : ids)
        file += std::to_string(start++) + "=" + id + "\r\n";
    for (const std::string &id : ids)
        file += "[" + id + "]\r\nName=" + id +
                "\r\nPriority=" + (id == "TC" ? priorityOfTC : std::string("1")) + "\r\n";
    return file;
}

} // namespace

TEST(Cli, DiffByEntry) {
    TempDir dir;
    std::filesystem::create_directories(dir / "new");
    WriteBytes(dir / "old.ini", "[#include]\r\n0=inc.ini\r\n" + Teams({"TA", "TB"}));
    WriteBytes(dir / "inc.ini", Teams({"TC"}));
    WriteBytes(dir / "new" / "old.ini", "[#include]\r\n0=inc.ini\r\n" + Teams({"TB", "TA"}, 4));
    WriteBytes(dir / "new" / "inc.ini", Teams({"TC"}, 0, "9"));
    WriteBytes(dir / "same.ini", Teams({"TB", "TA"}, 7) + "[TeamTypes]\r\n9=TC\r\n" +
                                     "[TC]\r\nName=TC\r\nPriority=1\r\n");
    const struct {
        std::string args;
        int status;
        std::string out;
    } rows[] = {
        {"diff old.ini same.ini", 0, ""},
        {"diff old.ini new/old.ini", 1, "changed team TC\n    Priority: 1 -> 9\n"},
        {"diff --format=text new/old.ini same.ini", 1, "changed team TC\n    Priority: 9 -> 1\n"},
        {"diff old.ini missing.ini", 2, ""},
        {"diff old.ini", 2, ""},
        {"diff --format=xml old.ini same.ini", 2, ""},
    };
    for (const auto &row : rows) {
        CliRun run = RunCli(row.args, dir.path());
        EXPECT_EQ(run.status, row.status) << row.args << run.err;
        EXPECT_EQ(run.out, row.out) << row.args;
        EXPECT_EQ(run.err.empty(), row.status != 2) << row.args << run.err;
    }

    CliRun json = RunCli("diff --format=json old.ini new/old.ini", dir.path());
    EXPECT_EQ(json.status, 1);
    const QJsonObject run = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(run[QStringLiteral("status")].toInt(), 1);
    const QJsonObject changed = run[QStringLiteral("changed")].toArray()[0].toObject();
    EXPECT_EQ(changed[QStringLiteral("kind")].toString(), QStringLiteral("team"));
    const QJsonObject key = changed[QStringLiteral("keys")].toArray()[0].toObject();
    EXPECT_EQ(key[QStringLiteral("new")].toString(), QStringLiteral("9"));
}

TEST(Cli, MergeByEntry) {
    TempDir dir;
    WriteBytes(dir / "base.ini", Teams({"TA", "TB", "TC"}));
    WriteBytes(dir / "ours.ini", Teams({"TA", "TB", "TC"}, 0, "5"));
    WriteBytes(dir / "theirs.ini", Teams({"TA", "TB", "TC"}, 0, "6"));
    WriteBytes(dir / "clean.ini", Teams({"TA", "TC"}));

    CliRun clean = RunCli("merge base.ini ours.ini clean.ini -o out.ini", dir.path());
    EXPECT_EQ(clean.status, 0) << clean.err;
    EXPECT_EQ(ReadBytes(dir / "out.ini"),
              "[TeamTypes]\r\n0=TA\r\n1=TC\r\n\r\n[TA]\r\nName=TA\r\nPriority=1\r\n\r\n"
              "[TC]\r\nName=TC\r\nPriority=5\r\n\r\n");
    EXPECT_EQ(RunCli("merge base.ini ours.ini clean.ini", dir.path()).out,
              ReadBytes(dir / "out.ini"));

    CliRun conflict = RunCli("merge base.ini ours.ini theirs.ini -o out.ini", dir.path());
    EXPECT_EQ(conflict.status, 1);
    EXPECT_NE(conflict.err.find("conflict team TC\n<<<<<<< ours\n[TC]\nName=TC\nPriority=5\n"
                                "=======\n[TC]\nName=TC\nPriority=6\n>>>>>>> theirs\n"),
              std::string::npos)
        << conflict.err;
    EXPECT_NE(ReadBytes(dir / "out.ini").find("[TC]\r\nName=TC\r\nPriority=5\r\n"),
              std::string::npos);

    // Nothing is written when a file cannot be read or for bad usage.
    for (const char *args : {"merge base.ini ours.ini missing.ini -o out.ini",
                             "merge base.ini ours.ini -o out.ini", "merge a b c -o"}) {
        WriteBytes(dir / "out.ini", "kept");
        CliRun failed = RunCli(args, dir.path());
        EXPECT_EQ(failed.status, 2) << args;
        EXPECT_FALSE(failed.err.empty()) << args;
        EXPECT_EQ(ReadBytes(dir / "out.ini"), "kept") << args;
    }
}

// git merges two branches that both renumbered the same list, through the merge driver the
// README sets up.
TEST(Cli, GitMergeDriver) {
    TempDir dir;
    const std::string git = "cd " + Quote(dir.path()) + " && git ";
    auto run = [&](const std::string &args) { return std::system((git + args).c_str()); };
    ASSERT_EQ(run("init -q . && git config user.name Tester && "
                  "git config user.email tester@example.com && "
                  "git config merge.vantaedit.driver '" VANTAEDIT_CLI " merge %O %A %B -o %A'"),
              0);
    WriteBytes(dir / ".gitattributes", "ai*.ini    merge=vantaedit\n+AI/*.ini  merge=vantaedit\n");
    WriteBytes(dir / "ai.ini", Teams({"TA", "TB", "TC"}));
    ASSERT_EQ(run("add . && git commit -qm base && git branch -q theirs"), 0);
    // OURS puts a new team first; every line of the list gets a new number.
    WriteBytes(dir / "ai.ini", Teams({"TD", "TA", "TB", "TC"}));
    ASSERT_EQ(run("commit -qam ours"), 0);
    // THEIRS deletes the first team, renumbering the rest, and changes another.
    ASSERT_EQ(run("checkout -q theirs"), 0);
    WriteBytes(dir / "ai.ini", Teams({"TB", "TC"}, 0, "7"));
    ASSERT_EQ(run("commit -qam theirs && git checkout -q -"), 0);

    EXPECT_EQ(run("merge -q --no-edit theirs"), 0);
    EXPECT_EQ(ReadBytes(dir / "ai.ini"), "[TeamTypes]\r\n0=TD\r\n1=TB\r\n2=TC\r\n\r\n"
                                         "[TD]\r\nName=TD\r\nPriority=1\r\n\r\n"
                                         "[TB]\r\nName=TB\r\nPriority=1\r\n\r\n"
                                         "[TC]\r\nName=TC\r\nPriority=7\r\n\r\n");
    EXPECT_EQ(run("diff --quiet HEAD"), 0); // merged and committed, nothing left over
}
