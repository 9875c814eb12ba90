// vantaedit-cli merge: three versions of one AI file merged by entry, usable as the merge driver
// of a version control system.

#include "cli/merge.h"

#include "core/initext.h"
#include "document/entrymerge.h"
#include "platform/codepage.h"
#include "platform/textfile.h"
#include "res/text.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

void Print(FILE *out, std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), out); }

std::string Utf8(std::string_view narrow) { return platform::WideToUtf8(ToWide(narrow)); }

std::string Version(const std::optional<std::string> &text) {
    if (!text) return "(deleted)\n";
    std::string shown = Utf8(*text);
    if (shown.empty() || shown.back() != '\n') shown += '\n';
    return shown;
}

void PrintConflicts(const std::vector<MergeConflict> &conflicts) {
    std::string out;
    for (const MergeConflict &conflict : conflicts) {
        out += "conflict " + conflict.kind + " " + Utf8(conflict.id) + "\n";
        out += "<<<<<<< ours\n" + Version(conflict.ours) + "=======\n" + Version(conflict.theirs) +
               ">>>>>>> theirs\n";
    }
    out += platform::WideToUtf8(
        res::Format("cli.mergeConflicts", {ToWide(std::to_string(conflicts.size()))}));
    Print(stderr, out);
}

// The merged file on standard output, with the CR LF line breaks a file gets.
void PrintFile(std::string_view text) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    Print(stdout, bytes);
}

} // namespace

int RunMerge(int argc, char **argv, int (*usage)()) {
    std::vector<const char *> files;
    const char *out = nullptr;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0) {
            if (out || i + 1 == argc || !*argv[i + 1]) return usage();
            out = argv[++i];
        } else if (argv[i][0] == '-' || !*argv[i]) {
            return usage();
        } else {
            files.push_back(argv[i]);
        }
    }
    if (files.size() != 3) return usage();

    std::vector<std::string> texts;
    for (const char *file : files) {
        platform::ReadResult read = platform::ReadTextFile(platform::AbsolutePathOf(file));
        if (read.status != platform::ReadResult::Status::Ok) {
            Print(stderr, std::string(file) + platform::WideToUtf8(res::Format(
                                                  "cli.mergeUnreadable", {read.reason})));
            return 2;
        }
        texts.push_back(std::move(read.text));
    }
    const MergeResult merged =
        MergeAiTexts(std::move(texts[0]), std::move(texts[1]), std::move(texts[2]));
    if (!merged.conflicts.empty()) PrintConflicts(merged.conflicts);
    if (!out) {
        PrintFile(merged.text);
    } else {
        // Written whole or not at all: a merge driver never leaves half a file.
        const platform::WriteResult written =
            platform::WriteTextFile(platform::AbsolutePathOf(out), merged.text);
        if (!written.ok) {
            Print(stderr, std::string(out) + platform::WideToUtf8(res::Format(
                                                 "cli.mergeWriteFailed", {written.error})));
            return 2;
        }
    }
    return merged.conflicts.empty() ? 0 : 1;
}
