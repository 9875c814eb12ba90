// vantaedit-cli: opens an AI file as the editor's Open does and saves it as Save does, or prints
// the file report, without any window. Messages the editor would show in a box go to standard
// error.

#include "app/documentio.h"
#include "app/filereport.h"
#include "core/document.h"
#include "platform/textfile.h"

#include <QString>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

const char kUsage[] =
    "用法: vantaedit-cli save [--split] [--no-autodetect] FILE\n"
    "      vantaedit-cli check [--no-autodetect] FILE\n"
    "\n"
    "save: 像编辑器的“打开”一样读取 FILE（连同其 [#include] 中的文件），再像“保存”一样写回：\n"
    "  默认         写回 FILE 本身\n"
    "  --split      分文件保存：写入 FILE 旁边的 +AI 文件夹，FILE 只保留 [#include]\n"
    "  --no-autodetect  不从第一条 [TeamTypes] 注册行取开始注册号（从 0 开始编号）\n"
    "  保存前在标准错误上列出保存时将丢弃的内容，然后照样保存。\n"
    "  退出状态: 0 成功（不存在的包含文件只提示，照常保存）;\n"
    "    1 文件无法读取、[#include] 第 15 行以后还有包含文件、写入失败或符号链接指向文件夹之外\n"
    "      （磁盘上什么也不改变）;\n"
    "    2 用法错误。\n"
    "\n"
    "check: 同样读取 FILE，什么也不写，在标准输出上（UTF-8）打印检查报告：\n"
    "  保存时将丢弃的内容（未列出的小节、重复的小节、两类共用的 ID、注释掉的列表行、\n"
    "  无法读取的包含文件）和引用错误（不存在的队伍、人员、脚本，列表中重复的 ID，\n"
    "  没有小节的条目），每项带文件和行号。\n"
    "  退出状态: 0 没有发现问题; 3 有发现（包括不存在的包含文件）; 1 FILE 无法读取，\n"
    "  或保存会拒绝（某个包含文件存在却无法读取，或 [#include] 第 15 行以后还有包含文件）;\n"
    "  2 用法错误。\n"
    "\n"
    "报告示例:\n"
    "  检查文件: /mods/ai.ini\n"
    "  保存时丢弃: 1 项\n"
    "    未列出的小节: 1\n"
    "  引用错误: 1 项\n"
    "    队伍的脚本不存在: 1\n"
    "\n"
    "  保存时丢弃:\n"
    "  [未列出的小节] SC_Siege2 — ai.ini 第 40 行: 没有列表提到这个 ID，保存时这一节被丢弃。\n"
    "\n"
    "  引用错误:\n"
    "  [队伍的脚本不存在] TM_Siege — 文档中: 队伍使用的脚本“SC_Siege3”不在脚本列表中。\n";

int Usage(FILE *out, int status) {
    std::fputs(kUsage, out);
    return status;
}

void Print(FILE *out, const std::u16string &text) {
    const QByteArray utf8 = QString::fromStdU16String(text).toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), out);
}

// Exit status 0 when nothing was found, 3 with findings, 1 when the file could not be read or
// Save would refuse because a file that exists was not read.
int Check() {
    if (g_openedFileUnread || !g_unreadIncludes.empty()) return 1;
    const std::vector<Finding> broken = FindBrokenReferences();
    Print(stdout, FileReportText(g_droppedOnSave, &broken));
    return g_droppedOnSave.findings.empty() && broken.empty() ? 0 : 3;
}

int Save(bool split) {
    // Refuses, with its message, when a file that exists was not read whole.
    if (!CanSaveOpenedFile()) return 1;
    // The user asked for the save, so it goes on; what it drops is said first.
    if (!g_droppedOnSave.findings.empty()) Print(stderr, FileReportText(g_droppedOnSave, nullptr));
    return SaveDocument(split ? SaveMode::Split : SaveMode::SingleFile) ? 0 : 1;
}

// save [--split] [--no-autodetect] FILE, or check [--no-autodetect] FILE
int Run(int argc, char **argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
        return Usage(stdout, 0);
    const bool check = argc >= 3 && std::strcmp(argv[1], "check") == 0;
    if (argc < 3 || (!check && std::strcmp(argv[1], "save") != 0)) return Usage(stderr, 2);

    bool split = false;
    bool autodetect = true;
    const char *file = nullptr;
    for (int i = 2; i < argc; ++i) {
        if (!check && std::strcmp(argv[i], "--split") == 0) {
            split = true;
        } else if (std::strcmp(argv[i], "--no-autodetect") == 0) {
            autodetect = false;
        } else if (argv[i][0] == '-' || file) {
            return Usage(stderr, 2);
        } else {
            file = argv[i];
        }
    }
    if (!file || !*file) return Usage(stderr, 2);

    g_autoDetectStart = autodetect;
    g_openedPath = platform::AbsolutePathOf(file);
    LoadOpenedFile();
    return check ? Check() : Save(split);
}

} // namespace

int main(int argc, char **argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "内部错误，没有保存: %s\n", e.what());
    } catch (...) {
        std::fputs("内部错误，没有保存\n", stderr);
    }
    return 1;
}
