// Open and Save of generated files of k × 5,000 entries, beside the floor they cannot beat: a
// plain read of the file and a split into lines; and the file report, which Open computes.

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "document/documentio.h"
#include "document/entryexplain.h"
#include "document/filereport.h"
#include "document/rulesfile.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "scripts/actiontable.h"
#include "support/generator.h"
#include "support/testsupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

namespace {

// The document the benchmarks open and save.
Document doc;

const testsupport::TempDir &Folder() {
    static testsupport::TempDir dir;
    return dir;
}

// The generated file on disk, CR LF line ends, one per k.
std::u16string GeneratedFile(int k) {
    static std::map<int, std::u16string> files;
    auto it = files.find(k);
    if (it == files.end()) {
        std::u16string path = testsupport::WidePath(Folder() / ("ai" + std::to_string(k) + ".ini"));
        platform::WriteTextFile(path, testsupport::GenerateAiFile(k, 1));
        it = files.emplace(k, path).first;
    }
    return it->second;
}

void Open(const std::u16string &path) {
    doc = {};
    doc.openedPath = path;
    LoadOpenedFile(doc, true);
}

void BM_Read(benchmark::State &state) {
    const std::u16string path = GeneratedFile(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::ReadTextFile(path).text.data());
}

void BM_ReadAndSplit(benchmark::State &state) {
    const std::u16string path = GeneratedFile(int(state.range(0)));
    for (auto _ : state) {
        std::string text = platform::ReadTextFile(path).text;
        std::vector<std::string_view> lines;
        lines.reserve(size_t(std::count(text.begin(), text.end(), '\n')) + 1);
        for (size_t begin = 0, lf; begin < text.size(); begin = lf + 1) {
            lf = text.find('\n', begin);
            if (lf == std::string::npos) lf = text.size();
            lines.push_back(std::string_view(text).substr(begin, lf - begin));
        }
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_Open(benchmark::State &state) {
    const std::u16string path = GeneratedFile(int(state.range(0)));
    for (auto _ : state)
        Open(path);
}

void BM_Save(benchmark::State &state) {
    const std::u16string source = GeneratedFile(int(state.range(0)));
    Open(source);
    doc.openedPath = testsupport::WidePath(Folder() / "saved.ini");
    for (auto _ : state)
        SaveDocument(doc, SaveMode::SingleFile);
}

void BM_OpenAndSave(benchmark::State &state) {
    const std::u16string source = GeneratedFile(int(state.range(0)));
    const std::u16string target = testsupport::WidePath(Folder() / "copy.ini");
    for (auto _ : state) {
        Open(source);
        doc.openedPath = target;
        SaveDocument(doc, SaveMode::SingleFile);
    }
}

// The floor Open and Save are held against: a bare INI parse of the same bytes, as the small C
// INI readers do it (line by line through a fixed buffer, blanks trimmed, sections and comments
// skipped), every key=value pair counted into a map by section and key.
// With `bySection` false the pairs are counted by key alone: a map of a few hundred keys, the
// cheaper floor.
size_t BareParse(const char *path, bool bySection) {
    std::FILE *file = std::fopen(path, "rb");
    if (!file) return 0;
    std::map<std::string, int> pairs;
    std::string section;
    char line[4096];
    auto trim = [](char *begin, char *end) {
        while (begin < end && (*begin == ' ' || *begin == '\t'))
            ++begin;
        while (end > begin &&
               (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\r' || end[-1] == '\n'))
            --end;
        return std::string_view(begin, size_t(end - begin));
    };
    while (std::fgets(line, sizeof line, file)) {
        const std::string_view text = trim(line, line + std::strlen(line));
        if (text.empty() || text[0] == ';' || text[0] == '#') continue;
        if (text[0] == '[') {
            section.assign(text.substr(1, text.find(']') - 1));
            continue;
        }
        const size_t equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        std::string key = bySection ? section + '.' : std::string();
        key += trim(const_cast<char *>(text.data()), const_cast<char *>(text.data()) + equals);
        ++pairs[key];
    }
    std::fclose(file);
    return pairs.size();
}

std::string Narrow(const std::u16string &path) { return std::filesystem::path(path).string(); }

void BM_BareParse(benchmark::State &state) {
    const std::string path = Narrow(GeneratedFile(int(state.range(0))));
    state.counters["bytes"] = double(std::filesystem::file_size(path));
    for (auto _ : state)
        benchmark::DoNotOptimize(BareParse(path.c_str(), state.range(1) != 0));
}

// `vantaedit-cli save FILE` as a build script runs it: a process of its own, starting, opening,
// saving in place. Set beside BareParse of the same size. VANTAEDIT_BENCH_CLI names another build
// of the command to measure instead, so that two builds can be set side by side in one run.
void BM_CliSave(benchmark::State &state) {
    const char *other = std::getenv("VANTAEDIT_BENCH_CLI");
    const std::filesystem::path source(GeneratedFile(int(state.range(0))));
    const std::filesystem::path copy = Folder() / "cli.ini";
    std::filesystem::copy_file(source, copy, std::filesystem::copy_options::overwrite_existing);
    const std::string command =
        std::string(other ? other : VANTAEDIT_CLI) + " save " + copy.string();
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("vantaedit-cli save failed");
    }
}

// A hostile include section: n include lines, all past the fifteenth but one comment line each
// before them, so no file is read and the walk over the lines is all that is measured.
void BM_OpenIncludeLines(benchmark::State &state) {
    const int n = int(state.range(0));
    std::string text = "[#include]\n";
    for (int i = 0; i < 15; ++i)
        text += ";\n";
    for (int i = 0; i < n; ++i)
        text += std::to_string(i) + "=TeamTypes" + std::to_string(i) + ".ini\n";
    const std::u16string path = testsupport::WidePath(Folder() / "includes.ini");
    platform::WriteTextFile(path, text);
    platform::SetMessageBoxHandler(
        [](const platform::MessageBoxRequest &) { return platform::Answer::Ok; });
    for (auto _ : state)
        Open(path);
    platform::SetMessageBoxHandler({});
    state.SetItemsProcessed(state.iterations() * n);
}

// The part of the report that Open computes, on the slots Open fills.
void BM_DroppedOnSave(benchmark::State &state) {
    const std::u16string path = GeneratedFile(int(state.range(0)));
    testsupport::FillSlots(doc, {platform::ReadTextFile(path).text});
    doc.fileSlots[0].path = path;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindDroppedOnSave(doc.fileSlots).findings.data());
}

// The part that the menu item computes from the document texts.
void BM_BrokenReferences(benchmark::State &state) {
    Open(GeneratedFile(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindBrokenReferences(doc).data());
}

// What `vantaedit-cli check` does: Open, then the report of the document. To be set beside
// OpenAndSave, what `vantaedit-cli save` does.
void BM_Check(benchmark::State &state) {
    const std::u16string path = GeneratedFile(int(state.range(0)));
    size_t findings = 0;
    for (auto _ : state) {
        Open(path);
        const std::vector<Finding> broken = FindBrokenReferences(doc);
        benchmark::DoNotOptimize(FileReportText(doc.openedPath, doc.droppedOnSave, &broken).data());
        findings = broken.size() + doc.droppedOnSave.findings.size();
    }
    // The generated file is clean: any finding here is a false one.
    state.counters["findings"] = double(findings);
}

// `vantaedit-cli check --rules RULES FILE`: Check, and the mod's rules file of k MB read and its
// names looked up. To be set beside Check of the same k.
void BM_CheckWithRules(benchmark::State &state) {
    const int k = int(state.range(0));
    const std::u16string path = GeneratedFile(k);
    const std::u16string rulesPath =
        testsupport::WidePath(Folder() / ("rules" + std::to_string(k) + ".ini"));
    platform::WriteTextFile(rulesPath, testsupport::GenerateRulesFile(k));
    size_t findings = 0;
    for (auto _ : state) {
        Open(path);
        const RulesRead rules = ReadRulesFile(rulesPath);
        const std::vector<Finding> broken = FindBrokenReferences(doc, &*rules.rules);
        benchmark::DoNotOptimize(
            FileReportText(doc.openedPath, doc.droppedOnSave, &broken, &*rules.rules).data());
        findings = broken.size() + doc.droppedOnSave.findings.size();
    }
    // Every name of the generated file is in the generated rules file.
    state.counters["findings"] = double(findings);
}

// `vantaedit-cli check --engine phobos --actions TABLE FILE`: Check, with a modder's table of 40
// actions read and laid over the Phobos profile. To be set beside Check of the same k.
void BM_CheckWithActions(benchmark::State &state) {
    const std::u16string path = GeneratedFile(int(state.range(0)));
    std::string table = "[ScriptActions]\n";
    for (int i = 0; i < 40; ++i)
        table += std::to_string(114 + i) + "=自己的动作,number,说明\n";
    const std::u16string tablePath = testsupport::WidePath(Folder() / "actions.ini");
    platform::WriteTextFile(tablePath, table);
    size_t findings = 0;
    for (auto _ : state) {
        Open(path);
        const ActionTableRead read = ReadActionTable(tablePath);
        const ActionProfile profile(Engine::Phobos, &*read.table);
        ActionsCheck actions{&profile, {}};
        const std::vector<Finding> broken = FindBrokenReferences(doc, nullptr, &actions);
        benchmark::DoNotOptimize(
            FileReportText(doc.openedPath, doc.droppedOnSave, &broken, nullptr, &actions).data());
        findings = broken.size() + doc.droppedOnSave.findings.size();
    }
    state.counters["findings"] = double(findings);
}

// The same on a file in which every trigger names a team that is not there: each finding is
// told by file and line, through one more scan of the files.
void BM_CheckWithFindings(benchmark::State &state) {
    const int k = int(state.range(0));
    static std::map<int, std::u16string> files;
    if (!files.count(k)) {
        std::string text = testsupport::GenerateAiFile(k, 1);
        text += "[AITriggerTypes]\n";
        for (int i = 0; i < 1000 * k; ++i)
            text += "X" + std::to_string(i) +
                    "=n,Gone,<all>,0,1,NoCheck,0,5,5,5,1,0,0,0,<none>,1,1,1\n";
        files[k] = testsupport::WidePath(Folder() / ("findings" + std::to_string(k) + ".ini"));
        platform::WriteTextFile(files[k], text);
    }
    for (auto _ : state) {
        Open(files[k]);
        const std::vector<Finding> broken = FindBrokenReferences(doc);
        benchmark::DoNotOptimize(FileReportText(doc.openedPath, doc.droppedOnSave, &broken).data());
    }
}

// `vantaedit-cli explain --rules RULES FILE ID...` with every entry's ID: each line of every task
// force, script, team and trigger in words, with the mod's names, after Open and the rules file.
void BM_ExplainEveryEntry(benchmark::State &state) {
    const int k = int(state.range(0));
    const std::u16string path = GeneratedFile(k);
    const std::u16string rulesPath =
        testsupport::WidePath(Folder() / ("rules" + std::to_string(k) + ".ini"));
    platform::WriteTextFile(rulesPath, testsupport::GenerateRulesFile(k));
    size_t lines = 0;
    for (auto _ : state) {
        Open(path);
        const RulesRead rules = ReadRulesFile(rulesPath);
        EntryExplainer explainer(doc, {&*rules.rules, nullptr});
        std::vector<std::string_view> ids;
        for (const std::string *list :
             {&doc.taskForceListText, &doc.scriptListText, &doc.teamListText}) {
            const std::vector<std::string_view> listed = ListIds(*list);
            ids.insert(ids.end(), listed.begin(), listed.end());
        }
        ForEachLine(doc.triggerText, [&](std::string_view row) {
            if (!StartsWith(row, "[") && row.find('=') != std::string_view::npos)
                ids.push_back(row.substr(0, row.find('=')));
        });
        lines = 0;
        for (std::string_view id : ids)
            for (const ExplainedEntry &entry : explainer.Explain(id))
                lines += entry.lines.size();
    }
    state.counters["lines"] = double(lines);
}

void Sizes(benchmark::internal::Benchmark *benchmark) {
    benchmark->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Read)->Name("Read")->Apply(Sizes);
BENCHMARK(BM_ReadAndSplit)->Name("ReadAndSplit")->Apply(Sizes);
BENCHMARK(BM_Open)->Name("Open")->Apply(Sizes);
BENCHMARK(BM_DroppedOnSave)->Name("DroppedOnSave")->Apply(Sizes);
BENCHMARK(BM_BrokenReferences)->Name("BrokenReferences")->Apply(Sizes);
BENCHMARK(BM_Save)->Name("Save")->Apply(Sizes);
BENCHMARK(BM_OpenAndSave)->Name("OpenAndSave")->Apply(Sizes);
BENCHMARK(BM_Check)->Name("Check")->Apply(Sizes);
BENCHMARK(BM_CheckWithRules)->Name("CheckWithRules")->Apply(Sizes);
BENCHMARK(BM_CheckWithActions)->Name("CheckWithActions")->Apply(Sizes);
BENCHMARK(BM_CheckWithFindings)->Name("CheckWithFindings")->Apply(Sizes);
BENCHMARK(BM_ExplainEveryEntry)->Name("ExplainEveryEntry")->Apply(Sizes);
BENCHMARK(BM_BareParse)
    ->Name("BareParse")
    ->ArgsProduct({{1, 4, 16}, {1, 0}})
    ->ArgNames({"", "bySection"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliSave)->Name("CliSave")->Apply(Sizes)->UseRealTime();
BENCHMARK(BM_OpenIncludeLines)
    ->Name("OpenIncludeLines")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
