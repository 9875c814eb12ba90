// vantaedit-cli: opens an AI file as the editor's Open does and saves it as Save does, without
// any window. Messages the editor would show in a box go to standard error.

#include "app/documentio.h"
#include "core/document.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
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
    "退出状态: 0 成功; 1 文件无法读取或写入失败（磁盘上什么也不改变）; 2 用法错误。\n";

int Usage(FILE *out, int status) {
    std::fputs(kUsage, out);
    return status;
}

} // namespace

int main(int argc, char **argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
        return Usage(stdout, 0);
    if (argc < 3 || std::strcmp(argv[1], "save") != 0) return Usage(stderr, 2);

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
    if (!file) return Usage(stderr, 2);

    g_autoDetectStart = autodetect;
    g_openedPath = std::filesystem::absolute(file).u16string();
    LoadReport report = LoadOpenedFile();
    // A file that was not read whole would be saved with less than it held.
    if (!report.openedFileRead || report.unreadIncludes > 0) return 1;
    if (!CanSaveOpenedFile()) return 1;
    return SaveDocument(split ? SaveMode::Split : SaveMode::SingleFile) ? 0 : 1;
}
