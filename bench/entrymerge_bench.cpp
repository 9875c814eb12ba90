// Diff and merge by entry of the generated file of k × 5,000 entries against copies in which 1% of
// the entries changed (OURS and THEIRS each its own 1%), set beside Open and Save of the same file:
// in the program (what each command does, without starting a process) and as `vantaedit-cli`
// processes.

#include "core/document.h"
#include "document/documentio.h"
#include "document/entrydiff.h"
#include "document/entrymerge.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "support/generator.h"
#include "support/testsupport.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <sys/wait.h>

namespace {

const testsupport::TempDir &Folder() {
    static testsupport::TempDir dir;
    return dir;
}

// Every 100th entry from `first` on changed: a line added to its section, or a trigger's name
// changed.
std::string Changed(const std::string &text, int first) {
    std::string out;
    out.reserve(text.size() + text.size() / 50);
    bool triggers = false;
    int entry = 0;
    for (size_t begin = 0; begin < text.size();) {
        const size_t lf = std::min(text.find('\n', begin), text.size());
        const std::string_view line = std::string_view(text).substr(begin, lf - begin);
        begin = lf + 1;
        const bool header = !line.empty() && line[0] == '[';
        if (header) triggers = line == "[AITriggerTypes]";
        const bool list = line == "[TaskForces]" || line == "[ScriptTypes]" ||
                          line == "[TeamTypes]" || line == "[AITriggerTypes]" ||
                          line == "[General]";
        const bool isEntry = (header && !list) || (triggers && !header && line.find('=') != 0 &&
                                                   line.find('=') != std::string_view::npos);
        const bool change = isEntry && entry++ % 100 == first;
        if (change && triggers) {
            const size_t equals = line.find('=');
            out.append(line.substr(0, equals + 1)).append("x").append(line.substr(equals + 1));
        } else {
            out.append(line);
        }
        out += '\n';
        if (change && !triggers) out += "Changed=yes\n";
    }
    return out;
}

struct Files {
    std::u16string base, ours, theirs, out;
};

// BASE, OURS and THEIRS of the generated file on disk, CR LF line ends, one set per k.
const Files &GeneratedFiles(int k) {
    static std::map<int, Files> made;
    auto it = made.find(k);
    if (it != made.end()) return it->second;
    const std::string base = testsupport::GenerateAiFile(k, 1);
    auto write = [k](const char *name, const std::string &text) {
        const std::u16string path =
            testsupport::WidePath(Folder() / (name + std::to_string(k) + ".ini"));
        platform::WriteTextFile(path, text);
        return path;
    };
    Files files{write("base", base), write("ours", Changed(base, 0)),
                write("theirs", Changed(base, 50)),
                testsupport::WidePath(Folder() / ("merged" + std::to_string(k) + ".ini"))};
    return made.emplace(k, std::move(files)).first->second;
}

void Load(Document &document, const std::u16string &path) {
    document = {};
    document.openedPath = path;
    LoadOpenedFile(document, true);
}

// What `vantaedit-cli save` does.
void BM_OpenAndSave(benchmark::State &state) {
    const Files &files = GeneratedFiles(int(state.range(0)));
    Document document;
    for (auto _ : state) {
        Load(document, files.base);
        document.openedPath = files.out;
        SaveDocument(document, SaveMode::SingleFile);
    }
}

// What `vantaedit-cli diff BASE OURS` does.
void BM_Diff(benchmark::State &state) {
    const Files &files = GeneratedFiles(int(state.range(0)));
    Document before, after;
    size_t changes = 0;
    for (auto _ : state) {
        Load(before, files.base);
        Load(after, files.ours);
        changes = DiffEntries(EntriesOf(before), EntriesOf(after)).size();
    }
    state.counters["changes"] = double(changes);
}

// What `vantaedit-cli merge BASE OURS THEIRS -o OUT` does.
void BM_Merge(benchmark::State &state) {
    const Files &files = GeneratedFiles(int(state.range(0)));
    size_t conflicts = 0;
    for (auto _ : state) {
        const MergeResult merged = MergeAiTexts(platform::ReadTextFile(files.base).text,
                                                platform::ReadTextFile(files.ours).text,
                                                platform::ReadTextFile(files.theirs).text);
        platform::WriteTextFile(files.out, merged.text);
        conflicts = merged.conflicts.size();
    }
    // The two sides changed different entries.
    state.counters["conflicts"] = double(conflicts);
}

std::string Narrow(const std::u16string &path) { return std::filesystem::path(path).string(); }

// The three commands as processes of their own, one after another in each iteration's order:
// 0 save, 1 diff, 2 merge.
void BM_Cli(benchmark::State &state) {
    const Files &files = GeneratedFiles(int(state.range(0)));
    const std::string cli = VANTAEDIT_CLI, base = Narrow(files.base), out = Narrow(files.out);
    const std::string commands[] = {
        cli + " save " + out, cli + " diff " + base + " " + Narrow(files.ours) + " >/dev/null",
        cli + " merge " + base + " " + Narrow(files.ours) + " " + Narrow(files.theirs) + " -o " +
            out};
    const std::string &command = commands[state.range(1)];
    for (auto _ : state) {
        if (state.range(1) == 0) {
            state.PauseTiming();
            std::filesystem::copy_file(files.base, files.out,
                                       std::filesystem::copy_options::overwrite_existing);
            state.ResumeTiming();
        }
        const int status = std::system(command.c_str());
        // diff finds the changes: 1.
        if (status != 0 && !(state.range(1) == 1 && WEXITSTATUS(status) == 1))
            state.SkipWithError("vantaedit-cli failed");
    }
}

} // namespace

BENCHMARK(BM_OpenAndSave)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Diff)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Merge)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cli)
    ->ArgsProduct({{16}, {0, 1, 2}})
    ->ArgNames({"k", "save|diff|merge"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
