// vantaedit-cli import [--split] [--no-autodetect] FILE FROM ID...: the editor's 导入条目....

#include "cli/commands.h"
#include "cli/editsave.h"
#include "core/initext.h"
#include "document/documentio.h"
#include "document/importentries.h"
#include "platform/textfile.h"
#include "res/text.h"

#include <cstring>
#include <vector>

int ImportCommand(int argc, char **argv) {
    bool split = false;
    bool autodetect = true;
    std::vector<const char *> operands;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--split") == 0)
            split = true;
        else if (std::strcmp(argv[i], "--no-autodetect") == 0)
            autodetect = false;
        else if (argv[i][0] == '-')
            return kBadUsage;
        else
            operands.push_back(argv[i]);
    }
    if (operands.size() < 3 || !*operands[0] || !*operands[1]) return kBadUsage;

    return EditAndSave(operands[0], split, autodetect, [&](Document &document) {
        Document from;
        from.openedPath = platform::AbsolutePathOf(operands[1]);
        LoadOpenedFile(from, autodetect);
        if (from.openedFileUnread) return 1; // the loader said why
        std::vector<std::string> ids, missing;
        for (size_t i = 2; i < operands.size(); ++i)
            ids.push_back(ToNarrow(WideArgument(operands[i])));
        const std::vector<EntryRef> picked = EntriesWithIds(from, ids, missing);
        for (const std::string &id : missing)
            PrintBytes(stderr, Utf8(res::Format("import.notInFrom",
                                                {WideArgument(operands[1]), ToWide(id)})));
        if (!missing.empty()) return 4;
        for (const ImportedEntry &entry : ImportEntries(document, from, picked)) {
            std::string line = (entry.kept ? "kept " : "imported ") +
                               std::string(KindWord(entry.kind)) + " " + Utf8(ToWide(entry.id));
            if (entry.newId != entry.id) line += " as " + Utf8(ToWide(entry.newId));
            PrintBytes(stdout, line + "\n");
        }
        return 0;
    });
}
