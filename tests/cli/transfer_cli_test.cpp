// vantaedit-cli import and copy-chain: the lines they print, their exit statuses, and nothing
// written when they refuse.

#include "support/testsupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace testsupport;

namespace {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// On a Chinese system, as the texts these tests read are.
CliResult RunIn(const TempDir &dir, const std::string &args) {
    const std::string command = "cd '" + dir.path().string() +
                                "' && LC_ALL=zh_CN.UTF-8 timeout 60 " + std::string(VANTAEDIT_CLI) +
                                " " + args + " >out 2>err";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(dir / "out"), ReadBytes(dir / "err")};
}

const std::string kInto =
    "[TaskForces]\r\n0=TF\r\n[TF]\r\nName=tf\r\n0=1,E1\r\n"
    "[ScriptTypes]\r\n0=S\r\n[S]\r\nName=s\r\n0=0,1\r\n"
    "[TeamTypes]\r\n0=TM\r\n[TM]\r\nName=t\r\nTaskForce=TF\r\nScript=S\r\n"
    "[AITriggerTypes]\r\nTR=a,TM,<all>,0,1,o,b,1,1,1,1,0,0,0,<none>,1,1,1\r\n";
const std::string kFrom =
    "[TaskForces]\r\n0=TF\r\n[TF]\r\nName=tf\r\n0=1,E1\r\n"
    "[ScriptTypes]\r\n0=S\r\n[S]\r\nName=other\r\n0=0,2\r\n"
    "[TeamTypes]\r\n0=TN\r\n[TN]\r\nName=n\r\nTaskForce=TF\r\nScript=S\r\n"
    "[AITriggerTypes]\r\nTX=b,TN,<all>,0,1,o,b,1,1,1,1,0,0,0,<none>,1,1,1\r\n";

} // namespace

TEST(CliTransfer, Commands) {
    struct Case {
        std::string args;
        int status;
        std::string out; // for a refusal: what standard error begins with
    } cases[] = {
        {"import ai.ini from.ini TX", 0,
         "imported trigger TX\nimported team TN\nkept task-force TF\nimported script S as S_2\n"},
        {"import ai.ini from.ini TX NOPE", 4, "from.ini 中没有注册名称为“NOPE”的条目，没有导入\n"},
        {"import ai.ini from.ini", 2, "用法"},
        {"import ai.ini gone.ini TX", 1, "文件无法打开"},
        {"copy-chain ai.ini TR --easy _E --hard _H", 0,
         "copied task-force TF as TF_E\ncopied team TM as TM_E\ncopied trigger TR as TR_E\n"
         "copied task-force TF as TF_H\ncopied team TM as TM_H\ncopied trigger TR as TR_H\n"},
        {"copy-chain ai.ini TR", 2, "用法"},
        {"copy-chain ai.ini TR --medium", 2, "用法"},
        {"copy-chain ai.ini TR --suffix _A --suffix _A", 4,
         "两个副本都会得到注册名称“TR_A”，请换一个后缀，没有复制\n"},
        {"copy-chain ai.ini NOPE --suffix _A", 4, "没有注册名称为“NOPE”的触发，没有复制\n"},
    };
    for (const Case &c : cases) {
        TempDir dir;
        WriteBytes(dir / "ai.ini", kInto);
        WriteBytes(dir / "from.ini", kFrom);
        const CliResult run = RunIn(dir, c.args);
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
        if (c.status == 0) {
            EXPECT_EQ(run.out, c.out) << c.args;
            EXPECT_NE(ReadBytes(dir / "ai.ini"), kInto) << c.args;
        } else {
            EXPECT_EQ(run.err.rfind(c.out, 0), 0u) << c.args << "\n" << run.err;
            EXPECT_EQ(ReadBytes(dir / "ai.ini"), kInto) << c.args;
        }
    }
}

TEST(CliTransfer, ASplitImportLeavesNoBrokenReference) {
    TempDir dir;
    WriteBytes(dir / "ai.ini", kInto);
    WriteBytes(dir / "from.ini", kFrom);
    ASSERT_EQ(RunIn(dir, "import --split ai.ini from.ini TX").status, 0);
    EXPECT_NE(ReadBytes(dir / "+AI" / "AITriggerTypes.ini").find("\r\nTX=b,TN,"),
              std::string::npos);
    const CliResult check = RunIn(dir, "check ai.ini");
    EXPECT_EQ(check.status, 0) << check.out;
}
