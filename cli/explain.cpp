#include "cli/explain.h"

#include "cli/actionsoption.h"
#include "cli/json.h"
#include "core/document.h"
#include "core/initext.h"
#include "document/documentio.h"
#include "document/entryexplain.h"
#include "document/rulesfile.h"
#include "document/stringtable.h"
#include "platform/codepage.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "res/text.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char *kKindLabels[] = {"kind.taskForce", "kind.script", "kind.team",
                                       "kind.trigger"};

std::string Utf8(std::u16string_view text) { return platform::WideToUtf8(text); }
std::string Utf8Of(std::string_view narrow) { return Utf8(ToWide(narrow)); }

void Print(FILE *out, std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), out); }

// An ID as given on the command line, in the file's code page.
std::string NarrowId(const char *argument) {
#ifdef _WIN32
    return argument;
#else
    return ToNarrow(platform::Utf8ToWide(argument));
#endif
}

void PrintText(const std::vector<ExplainedEntry> &entries) {
    bool first = true;
    for (const ExplainedEntry &entry : entries) {
        if (!first) Print(stdout, "\n");
        first = false;
        Print(stdout,
              Utf8(res::Format("explain.entryHead",
                               {res::Str(kKindLabels[size_t(entry.kind)]), ToWide(entry.id),
                                entry.file.empty() ? res::Str("report.inDocument") : entry.file})) +
                  "\n");
        for (const ExplainedLine &line : entry.lines)
            Print(stdout, "  " + (line.line > 0 ? std::to_string(line.line) : std::string("-")) +
                              ": " + Utf8Of(line.text) + "\n      " + Utf8(line.meaning) + "\n");
    }
}

void PrintJson(const std::vector<ExplainedEntry> &entries) {
    Json::Array out;
    for (const ExplainedEntry &entry : entries) {
        Json::Array lines;
        for (const ExplainedLine &line : entry.lines) {
            Json::Object object{{"line", line.line > 0 ? Json(line.line) : Json()},
                                {"text", Utf8Of(line.text)},
                                {"meaning", Utf8(line.meaning)}};
            if (!line.refers.empty()) {
                Json::Array refers;
                for (const std::string &id : line.refers)
                    refers.emplace_back(Utf8Of(id));
                object.emplace_back("refers", std::move(refers));
            }
            lines.push_back(std::move(object));
        }
        out.push_back(Json::Object{{"kind", std::string(EntryKindName(entry.kind))},
                                   {"id", Utf8Of(entry.id)},
                                   {"file", entry.file.empty() ? Json() : Json(Utf8(entry.file))},
                                   {"lines", std::move(lines)}});
    }
    Print(stdout, Json(std::move(out)).Indented());
}

// Messages of a load go to standard error, as the editor would show them in a box.
struct MessagesToStderr {
    MessagesToStderr() {
        platform::SetMessageBoxHandler([](const platform::MessageBoxRequest &request) {
            Print(stderr, Utf8(request.text) + "\n");
            return platform::Answer::Ok;
        });
    }
    ~MessagesToStderr() { platform::SetMessageBoxHandler({}); }
    MessagesToStderr(const MessagesToStderr &) = delete;
    MessagesToStderr &operator=(const MessagesToStderr &) = delete;
};

} // namespace

int Explain(int argc, char **argv, int (*usage)()) {
    bool json = false;
    const char *rulesArgument = nullptr;
    const char *stringsArgument = nullptr;
    ActionsOption actions;
    std::vector<const char *> operands;
    for (int i = 2; i < argc; ++i) {
        const ActionsOption::Parsed parsed = actions.Parse(argc, argv, i);
        if (parsed == ActionsOption::Parsed::BadUsage) return usage();
        if (parsed == ActionsOption::Parsed::Taken) continue;
        if (std::strcmp(argv[i], "--rules") == 0 || std::strcmp(argv[i], "--csf") == 0) {
            const char *&given = argv[i][2] == 'r' ? rulesArgument : stringsArgument;
            if (i + 1 == argc || !*argv[i + 1] || given) return usage();
            given = argv[++i];
        } else if (std::strcmp(argv[i], "--format=text") == 0) {
            json = false;
        } else if (std::strcmp(argv[i], "--format=json") == 0) {
            json = true;
        } else if (argv[i][0] == '-' || !*argv[i]) {
            return usage();
        } else {
            operands.push_back(argv[i]);
        }
    }
    if (operands.size() < 2) return usage();

    MessagesToStderr shown;
    std::optional<RulesFile> rules;
    std::optional<StringTable> strings;
    const auto fail = [json](const std::u16string &why) {
        Print(stderr, Utf8(why) + "\n");
        if (json) Print(stdout, "[]\n");
        return 1;
    };
    if (rulesArgument) {
        RulesRead read = ReadRulesFile(platform::AbsolutePathOf(rulesArgument));
        if (!read.rules) return fail(read.error);
        rules = std::move(read.rules);
    }
    if (stringsArgument) {
        StringTableRead read = ReadStringTable(platform::AbsolutePathOf(stringsArgument));
        if (!read.table) return fail(read.error);
        strings = std::move(read.table);
    }
    const std::optional<ActionProfile> profile = actions.Profile();
    if (!profile) return fail(actions.read.error);
    Document document;
    document.openedPath = platform::AbsolutePathOf(operands[0]);
    LoadOpenedFile(document, true);
    if (document.openedFileUnread)
        return fail(res::Format("explain.unreadable", {document.openedPath}));
    if (!document.unreadIncludes.empty())
        return fail(res::Format("explain.includesUnread", {document.unreadIncludes}));

    EntryExplainer explainer(document, {rules ? &*rules : nullptr, strings ? &*strings : nullptr},
                             *profile);
    std::vector<ExplainedEntry> entries;
    int status = 0;
    for (size_t i = 1; i < operands.size(); ++i) {
        std::vector<ExplainedEntry> found = explainer.Explain(NarrowId(operands[i]));
        if (found.empty()) {
            Print(stderr, Utf8(res::Format("explain.noEntry", {ToWide(NarrowId(operands[i]))})));
            status = 4;
        }
        for (ExplainedEntry &entry : found)
            entries.push_back(std::move(entry));
    }
    if (json)
        PrintJson(entries);
    else
        PrintText(entries);
    return status;
}
