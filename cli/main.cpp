// vantaedit-cli: opens an AI file as the editor's Open does and saves it as Save does, without
// any window. Messages the editor would show in a box go to standard error.

#include "app/documentio.h"
#include "core/document.h"
#include "platform/textfile.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

const char kUsage[] =
    "用法: vantaedit-cli save [--split] [--no-autodetect] FILE\n"
    "\n"
    "像编辑器的“打开”一样读取 FILE（连同其 [#include] 中的文件），再像“保存”一样写回：\n"
    "  默认         写回 FILE 本身\n"
    "  --split      分文件保存：写入 FILE 旁边的 +AI 文件夹，FILE 只保留 [#include]\n"
    "  --no-autodetect  不从第一条 [TeamTypes] 注册行取开始注册号（从 0 开始编号）\n"
    "\n"
    "退出状态: 0 成功（不存在的包含文件只提示，照常保存）;\n"
    "  1 文件无法读取、[#include] 第 15 行以后还有包含文件、写入失败或符号链接指向文件夹之外\n"
    "    （磁盘上什么也不改变）;\n"
    "  2 用法错误。\n";

int Usage(FILE *out, int status) {
    std::fputs(kUsage, out);
    return status;
}

// save [--split] [--no-autodetect] FILE
int Save(int argc, char **argv) {
    bool split = false;
    bool autodetect = true;
    const char *file = nullptr;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--split") == 0) {
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
    // Refuses, with its message, when a file that exists was not read whole.
    if (!CanSaveOpenedFile()) return 1;
    return SaveDocument(split ? SaveMode::Split : SaveMode::SingleFile) ? 0 : 1;
}

int Run(int argc, char **argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
        return Usage(stdout, 0);
    if (argc >= 3 && std::strcmp(argv[1], "save") == 0) return Save(argc, argv);
    return Usage(stderr, 2);
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
