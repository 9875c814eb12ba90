#include "cli/migrate.h"

#include "core/document.h"
#include "document/documentio.h"
#include "document/filereport.h"
#include "platform/codepage.h"
#include "platform/textfile.h"
#include "res/text.h"
#include "scripts/actionprofiles.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

void PrintError(std::u16string_view text) {
    const std::string bytes = platform::WideToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
}

} // namespace

int Migrate(int argc, char **argv, int (*usage)()) {
    std::optional<Engine> from, to;
    bool split = false;
    bool autodetect = true;
    std::vector<const char *> operands;
    for (int i = 2; i < argc; ++i) {
        const bool isFrom = std::strcmp(argv[i], "--from") == 0;
        if (isFrom || std::strcmp(argv[i], "--to") == 0) {
            std::optional<Engine> &engine = isFrom ? from : to;
            if (i + 1 == argc || engine) return usage();
            engine = EngineNamed(argv[++i]);
            if (!engine) return usage();
        } else if (std::strcmp(argv[i], "--split") == 0) {
            split = true;
        } else if (std::strcmp(argv[i], "--no-autodetect") == 0) {
            autodetect = false;
        } else if (argv[i][0] == '-') {
            return usage();
        } else {
            operands.push_back(argv[i]);
        }
    }
    // Only the two Phobos numberings have a move between them.
    const bool known = (from == Engine::PhobosDevbuild && to == Engine::Phobos) ||
                       (from == Engine::Phobos && to == Engine::PhobosDevbuild);
    if (!known || operands.size() != 1 || !*operands[0]) return usage();

    Document document;
    document.openedPath = platform::AbsolutePathOf(operands[0]);
    LoadOpenedFile(document, autodetect);
    // Refuses, with its message, when a file that exists was not read whole.
    if (!CanSaveOpenedFile(document)) return 1;
    RenumberedScripts moved = RenumberScriptActions(document.scriptSectionsText, *from, *to);
    document.scriptSectionsText = std::move(moved.text);
    for (const std::u16string &note : moved.notes)
        PrintError(note + u"\n");
    PrintError(res::Format("migrate.changed", {platform::Utf8ToWide(std::to_string(moved.changed)),
                                               EngineLabel(*from), EngineLabel(*to)}) +
               u"\n");
    // The user asked for the save, so it goes on; what it drops is said first.
    const DroppedOnSave &dropped = document.droppedOnSave;
    if (!dropped.findings.empty())
        PrintError(FileReportText(document.openedPath, dropped, nullptr));
    return SaveDocument(document, split ? SaveMode::Split : SaveMode::SingleFile) ? 0 : 1;
}
