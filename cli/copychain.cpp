// vantaedit-cli copy-chain [--split] [--no-autodetect] FILE TRIGGER COPY...: the trigger
// window's 复制整链. Each COPY is --suffix S (the difficulty flags as they are), or --easy S,
// --medium S, --hard S (the flags set to that level alone), in the order given.

#include "document/copychain.h"
#include "cli/commands.h"
#include "cli/editsave.h"
#include "core/initext.h"
#include "document/importentries.h"
#include "res/text.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

int CopyChainCommand(int argc, char **argv) {
    constexpr std::pair<const char *, Difficulty> kCopyOptions[] = {
        {"--suffix", Difficulty::Unchanged},
        {"--easy", Difficulty::Easy},
        {"--medium", Difficulty::Medium},
        {"--hard", Difficulty::Hard}};
    bool split = false;
    bool autodetect = true;
    std::vector<const char *> operands;
    std::vector<ChainCopy> copies;
    for (int i = 2; i < argc; ++i) {
        const auto copyOption =
            std::find_if(std::begin(kCopyOptions), std::end(kCopyOptions), [&](const auto &option) {
                return std::strcmp(argv[i], option.first) == 0;
            });
        if (copyOption != std::end(kCopyOptions)) {
            if (i + 1 == argc) return kBadUsage;
            copies.push_back({WideArgument(argv[++i]), copyOption->second});
        } else if (std::strcmp(argv[i], "--split") == 0) {
            split = true;
        } else if (std::strcmp(argv[i], "--no-autodetect") == 0) {
            autodetect = false;
        } else if (argv[i][0] == '-') {
            return kBadUsage;
        } else {
            operands.push_back(argv[i]);
        }
    }
    if (operands.size() != 2 || !*operands[0] || copies.empty()) return kBadUsage;

    return EditAndSave(operands[0], split, autodetect, [&](Document &document) {
        const std::u16string trigger = WideArgument(operands[1]);
        if (const std::optional<std::u16string> problem =
                CopyChainProblem(document, trigger, copies)) {
            PrintBytes(stderr, Utf8(res::Format("chain.notCopied", {*problem})));
            return 4;
        }
        for (const CopiedEntry &entry : CopyChain(document, trigger, copies))
            PrintBytes(stdout, "copied " + std::string(KindWord(entry.kind)) + " " +
                                   Utf8(ToWide(entry.id)) + " as " + Utf8(ToWide(entry.newId)) +
                                   "\n");
        return 0;
    });
}
