// vantaedit-cli: opens an AI file as the editor's Open does and saves it as Save does, or prints
// the file report, without any window. Messages the editor would show in a box go to standard
// error.

#include "cli/actionsoption.h"
#include "cli/commands.h"
#include "cli/diff.h"
#include "cli/explain.h"
#include "cli/json.h"
#include "cli/merge.h"
#include "cli/migrate.h"
#include "core/document.h"
#include "core/initext.h"
#include "document/documentio.h"
#include "document/filereport.h"
#include "document/rulesfile.h"
#include "document/stringtable.h"
#include "newentry/entryops.h"
#include "platform/codepage.h"
#include "platform/language.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "res/text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <optional>
#include <string>
#include <vector>

#ifndef VANTAEDIT_VERSION
#define VANTAEDIT_VERSION "unknown"
#endif

namespace {

std::string Utf8(std::u16string_view text) { return platform::WideToUtf8(text); }

int Usage(FILE *out, int status) {
    std::u16string usage;
    for (const char *part :
         {"cli.usage.synopsis", "cli.usage.save", "cli.usage.rename", "cli.usage.import",
          "cli.usage.copyChain", "cli.usage.check", "cli.usage.explain", "cli.usage.migrate",
          "cli.usage.diff", "cli.usage.merge"})
        usage += res::Str(part);
    std::fputs(Utf8(usage).c_str(), out);
    return status;
}

// A command-line argument as wide text: in the code page on Windows, in UTF-8 elsewhere.
std::u16string Wide(const char *argument) {
#ifdef _WIN32
    return platform::AnsiToWide(argument);
#else
    return platform::Utf8ToWide(argument);
#endif
}

void Print(FILE *out, std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), out); }

enum class Format { Text, Gcc, Json };

// What checking one FILE gave.
struct Checked {
    std::string argument; // as given on the command line
    int status = 0;
    std::string error; // why the file was not checked, UTF-8
    std::vector<Finding> findings;
    int otherSections = 0;
    std::u16string report; // the text form
    std::u16string hint;   // another profile that explains every action the file uses
};

// How bad a status is: a file that could not be checked outweighs findings.
int Severity(int status) { return status == 1 ? 2 : status == 3 ? 1 : 0; }

// A finding's file as the command line would name it: the given FILE's folder, then the name
// relative to it.
std::string PathOf(const Checked &checked, const Finding &finding) {
    if (finding.file.empty()) return checked.argument;
    const std::string &argument = checked.argument;
    const size_t slash = argument.find_last_of(platform::NativeSeparator() == u'\\' ? "\\/" : "/");
    return argument.substr(0, slash == std::string::npos ? 0 : slash + 1) + Utf8(finding.file);
}

// Reports the messages of a load on standard error, and keeps them.
class MessagesToStderr {
public:
    MessagesToStderr() {
        platform::SetMessageBoxHandler([this](const platform::MessageBoxRequest &request) {
            messages.push_back(request.text);
            Print(stderr, Utf8(request.text) + "\n");
            return platform::Answer::Ok;
        });
    }
    ~MessagesToStderr() { platform::SetMessageBoxHandler({}); }
    MessagesToStderr(const MessagesToStderr &) = delete;
    MessagesToStderr &operator=(const MessagesToStderr &) = delete;

    std::vector<std::u16string> messages;
};

Checked CheckOne(const char *file, bool autodetect, const RulesFile *rules,
                 const ActionProfile &actions) {
    Checked checked;
    checked.argument = file;
    // Messages are written where the user sees them, and kept for the report.
    std::vector<std::u16string> messages;
    Document document;
    document.openedPath = platform::AbsolutePathOf(file);
    {
        MessagesToStderr shown;
        LoadOpenedFile(document, autodetect);
        messages = std::move(shown.messages);
    }

    if (document.openedFileUnread || !document.unreadIncludes.empty()) {
        checked.status = 1;
        std::u16string why =
            document.openedFileUnread
                ? (messages.empty() ? res::Str("cli.unreadable") : messages.front())
                : res::Format("cli.includesUnread", {document.unreadIncludes});
        while (!why.empty() && why.back() == u'\n')
            why.pop_back();
        std::replace(why.begin(), why.end(), u'\n', u' ');
        checked.error = Utf8(why);
        return checked;
    }
    const DroppedOnSave &dropped = document.droppedOnSave;
    ActionsCheck actionsCheck{&actions, {}};
    const std::vector<Finding> broken = FindBrokenReferences(document, rules, &actionsCheck);
    checked.report = FileReportText(document.openedPath, dropped, &broken, rules, &actionsCheck);
    checked.hint = std::move(actionsCheck.hint);
    checked.findings = dropped.findings;
    checked.findings.insert(checked.findings.end(), broken.begin(), broken.end());
    checked.otherSections = dropped.otherSections;
    checked.status = checked.findings.empty() ? 0 : 3;
    return checked;
}

// The rules file of a run: as given on the command line, and what reading it gave.
struct Rules {
    std::string argument;
    RulesRead read;
};

// The string table of a run, likewise.
struct Strings {
    std::string argument;
    StringTableRead read;
};

void PrintText(const std::vector<Checked> &files) {
    bool first = true;
    for (const Checked &checked : files) {
        if (checked.status == 1) continue; // its messages went to standard error
        if (!first) Print(stdout, "\n");
        first = false;
        Print(stdout, Utf8(checked.report));
    }
}

void PrintGcc(const std::vector<Checked> &files, const Rules *rules, const Strings *strings,
              const ActionsOption &actions) {
    if (!actions.argument.empty() && !actions.read.table)
        Print(stdout, actions.argument + ": error: " + Utf8(actions.read.error) +
                          " [unreadable-actions]\n");
    if (strings && !strings->read.table)
        Print(stdout, strings->argument + ": error: " + Utf8(strings->read.error) +
                          " [unreadable-strings]\n");
    if (rules && !rules->read.rules)
        Print(stdout,
              rules->argument + ": error: " + Utf8(rules->read.error) + " [unreadable-rules]\n");
    else if (rules && !rules->read.rules->hasTypeList && !rules->read.rules->hasCountryList)
        Print(stdout, rules->argument + ": warning: " + Utf8(RulesFileNote(*rules->read.rules)) +
                          " [rules-without-lists]\n");
    for (const Checked &checked : files) {
        if (checked.status == 1)
            Print(stdout, checked.argument + ": error: " + checked.error + " [unreadable-file]\n");
        if (!checked.hint.empty())
            Print(stdout, checked.argument + ": note: " + Utf8(checked.hint) + " [engine-hint]\n");
        for (const Finding &finding : checked.findings) {
            std::string line = PathOf(checked, finding);
            if (finding.line > 0) line += ":" + std::to_string(finding.line);
            line += ": warning: " + Utf8(ToWide(finding.id)) + ": " + Utf8(finding.what) + " [" +
                    std::string(FindingKindName(finding.kind)) + "]\n";
            Print(stdout, line);
        }
    }
}

void PrintJson(const std::vector<Checked> &files, int status, const Rules *rules,
               const Strings *strings, const ActionsOption &actions, const ActionProfile *profile) {
    Json::Array checkedFiles;
    for (const Checked &checked : files) {
        Json::Object file{{"file", checked.argument}, {"status", checked.status}};
        if (checked.status == 1) file.emplace_back("error", checked.error);
        if (!checked.hint.empty()) file.emplace_back("hint", Utf8(checked.hint));
        Json::Array findings;
        std::array<int, 3> groups{};
        std::map<std::string, int> kinds;
        for (const Finding &finding : checked.findings) {
            const std::string kind(FindingKindName(finding.kind));
            findings.push_back(
                Json::Object{{"kind", kind},
                             {"id", Utf8(ToWide(finding.id))},
                             {"file", PathOf(checked, finding)},
                             {"line", finding.line > 0 ? Json(finding.line) : Json()},
                             {"message", Utf8(finding.what)}});
            ++groups[size_t(GroupOf(finding.kind))];
            ++kinds[kind];
        }
        Json::Object kindCounts;
        for (const auto &[kind, count] : kinds)
            kindCounts.emplace_back(kind, count);
        file.emplace_back("findings", std::move(findings));
        file.emplace_back("summary", Json::Object{{"findings", int(checked.findings.size())},
                                                  {"dropped", groups[0]},
                                                  {"references", groups[1]},
                                                  {"values", groups[2]},
                                                  {"otherSections", checked.otherSections},
                                                  {"kinds", std::move(kindCounts)}});
        checkedFiles.push_back(std::move(file));
    }
    Json::Object run{
        {"version", VANTAEDIT_VERSION}, {"status", status}, {"files", std::move(checkedFiles)}};
    Json::Object used{{"engine", std::string(EngineName(actions.engine))},
                      {"name", Utf8(EngineLabel(actions.engine))}};
    if (!actions.argument.empty()) used.emplace_back("table", actions.argument);
    if (profile) used.emplace_back("actions", int(profile->Actions().size()));
    if (!actions.argument.empty() && !actions.read.table)
        used.emplace_back("error", Utf8(actions.read.error));
    run.emplace_back("actions", std::move(used));
    if (rules && rules->read.rules) {
        const RulesFile &read = *rules->read.rules;
        run.emplace_back("rules", Json::Object{{"file", rules->argument},
                                               {"types", int(read.TypeCount())},
                                               {"countries", int(read.CountryCount())}});
    } else if (rules) {
        run.emplace_back(
            "rules", Json::Object{{"file", rules->argument}, {"error", Utf8(rules->read.error)}});
    }
    if (strings && strings->read.table)
        run.emplace_back("strings", Json::Object{{"file", strings->argument},
                                                 {"texts", int(strings->read.table->size())}});
    else if (strings)
        run.emplace_back("strings", Json::Object{{"file", strings->argument},
                                                 {"error", Utf8(strings->read.error)}});
    Print(stdout, Json(std::move(run)).Indented());
}

// check [--no-autodetect] [--rules RULES] [--engine NAME] [--actions TABLE] [--format=...] FILE...
int Check(int argc, char **argv) {
    bool autodetect = true;
    Format format = Format::Text;
    std::optional<Rules> rules;
    std::optional<Strings> strings;
    ActionsOption actions;
    std::vector<const char *> files;
    for (int i = 2; i < argc; ++i) {
        const ActionsOption::Parsed parsed = actions.Parse(argc, argv, i);
        if (parsed == ActionsOption::Parsed::BadUsage) return Usage(stderr, 2);
        if (parsed == ActionsOption::Parsed::Taken) continue;
        if (std::strcmp(argv[i], "--no-autodetect") == 0) {
            autodetect = false;
        } else if (std::strcmp(argv[i], "--csf") == 0) {
            if (i + 1 == argc || !*argv[i + 1] || strings) return Usage(stderr, 2);
            strings.emplace().argument = argv[++i];
        } else if (std::strcmp(argv[i], "--rules") == 0) {
            if (i + 1 == argc || !*argv[i + 1] || rules) return Usage(stderr, 2);
            rules.emplace().argument = argv[++i];
        } else if (std::strcmp(argv[i], "--format=text") == 0) {
            format = Format::Text;
        } else if (std::strcmp(argv[i], "--format=gcc") == 0) {
            format = Format::Gcc;
        } else if (std::strcmp(argv[i], "--format=json") == 0) {
            format = Format::Json;
        } else if (argv[i][0] == '-' || !*argv[i]) {
            return Usage(stderr, 2);
        } else {
            files.push_back(argv[i]);
        }
    }
    if (files.empty()) return Usage(stderr, 2);

    std::vector<Checked> checked;
    int status = 0;
    if (rules) {
        MessagesToStderr shown; // about its include files
        rules->read = ReadRulesFile(platform::AbsolutePathOf(rules->argument.c_str()));
    }
    if (strings)
        strings->read = ReadStringTable(platform::AbsolutePathOf(strings->argument.c_str()));
    const RulesFile *names = rules && rules->read.rules ? &*rules->read.rules : nullptr;
    std::optional<ActionProfile> profile = actions.Profile();
    if (strings && !strings->read.table) {
        // A string table the user named but that cannot be read fails the run as a rules file does.
        status = 1;
        if (format == Format::Text) Print(stderr, Utf8(strings->read.error) + "\n");
    } else if (!profile) {
        // Checked against other actions than the user asked for, the report would mislead.
        status = 1;
        if (format == Format::Text) Print(stderr, Utf8(actions.read.error) + "\n");
    } else if (rules && !names) {
        // Checked without the names the user asked for, the files would look clean: no file is.
        status = 1;
        if (format == Format::Text) Print(stderr, Utf8(rules->read.error) + "\n");
    } else {
        for (const char *file : files) {
            checked.push_back(CheckOne(file, autodetect, names, *profile));
            if (Severity(checked.back().status) > Severity(status)) status = checked.back().status;
        }
    }
    const Rules *given = rules ? &*rules : nullptr;
    const Strings *table = strings ? &*strings : nullptr;
    if (format == Format::Text) PrintText(checked);
    if (format == Format::Gcc) PrintGcc(checked, given, table, actions);
    if (format == Format::Json)
        PrintJson(checked, status, given, table, actions, profile ? &*profile : nullptr);
    return status;
}

// save [--split] [--no-autodetect] FILE
// save [--split] [--no-autodetect] FILE, or rename [--split] [--no-autodetect] FILE OLD NEW
int Save(int argc, char **argv, bool rename) {
    bool split = false;
    bool autodetect = true;
    std::vector<const char *> operands;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--split") == 0) {
            split = true;
        } else if (std::strcmp(argv[i], "--no-autodetect") == 0) {
            autodetect = false;
        } else if (argv[i][0] == '-') {
            return Usage(stderr, 2);
        } else {
            operands.push_back(argv[i]);
        }
    }
    if (operands.size() != (rename ? 3u : 1u) || !*operands[0]) return Usage(stderr, 2);

    Document document;
    document.openedPath = platform::AbsolutePathOf(operands[0]);
    LoadOpenedFile(document, autodetect);
    // Refuses, with its message, when a file that exists was not read whole.
    if (!CanSaveOpenedFile(document)) return 1;
    if (rename) {
        const std::u16string from = Wide(operands[1]), to = Wide(operands[2]);
        if (const std::optional<std::u16string> problem = RenameProblem(document, from, to)) {
            Print(stderr, Utf8(res::Format("cli.notRenamed", {*problem})));
            return 4;
        }
        RenameEntry(document, from, to);
    }
    // The user asked for the save, so it goes on; what it drops is said first.
    const DroppedOnSave &dropped = document.droppedOnSave;
    if (!dropped.findings.empty())
        Print(stderr, Utf8(FileReportText(document.openedPath, dropped, nullptr)));
    return SaveDocument(document, split ? SaveMode::Split : SaveMode::SingleFile) ? 0 : 1;
}

// Takes `--lang zh|en` out of the arguments, wherever it stands; without it the system's
// language. False when the option is given wrongly.
bool TakeLanguage(std::vector<char *> &arguments) {
    res::SetLanguage(platform::SystemLanguage());
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (std::strcmp(arguments[i], "--lang") != 0) continue;
        const std::optional<res::Language> language =
            i + 1 < arguments.size() ? res::LanguageNamed(Wide(arguments[i + 1])) : std::nullopt;
        if (!language) return false;
        res::SetLanguage(*language);
        arguments.erase(arguments.begin() + std::ptrdiff_t(i),
                        arguments.begin() + std::ptrdiff_t(i) + 2);
        --i;
    }
    return true;
}

int Run(int argc, char **argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
        return Usage(stdout, 0);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("vantaedit-cli " VANTAEDIT_VERSION);
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "check") == 0) return Check(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "save") == 0) return Save(argc, argv, false);
    if (argc >= 3 && std::strcmp(argv[1], "rename") == 0) return Save(argc, argv, true);
    if (argc >= 3 && std::strcmp(argv[1], "explain") == 0)
        return Explain(argc, argv, [] { return Usage(stderr, 2); });
    if (argc >= 3 && std::strcmp(argv[1], "migrate") == 0)
        return Migrate(argc, argv, [] { return Usage(stderr, 2); });
    if (argc >= 3 && std::strcmp(argv[1], "diff") == 0)
        return RunDiff(argc, argv, [] { return Usage(stderr, 2); });
    if (argc >= 3 && std::strcmp(argv[1], "merge") == 0)
        return RunMerge(argc, argv, [] { return Usage(stderr, 2); });
    int status = kBadUsage;
    if (argc >= 3 && std::strcmp(argv[1], "import") == 0) status = ImportCommand(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "copy-chain") == 0) status = CopyChainCommand(argc, argv);
    if (status != kBadUsage) return status;
    return Usage(stderr, 2);
}

} // namespace

int main(int argc, char **argv) {
    platform::PrintUtf8ToConsole();
    try {
        std::vector<char *> arguments(argv, argv + argc);
        if (!TakeLanguage(arguments)) return Usage(stderr, 2);
        return Run(int(arguments.size()), arguments.data());
    } catch (const std::exception &e) {
        std::fputs(Utf8(res::Format("cli.internalError", {platform::Utf8ToWide(e.what())})).c_str(),
                   stderr);
    } catch (...) {
        std::fputs(Utf8(res::Str("cli.internalErrorUnknown")).c_str(), stderr);
    }
    return 1;
}
