// A rename with its references at scale: 20,000 entries of each kind, 1,000 of them naming the
// renamed entry. It should take at most 50 ms.

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "newentry/entryops.h"
#include "support/generator.h"

#include <benchmark/benchmark.h>
#include <functional>

namespace {

// `text` with the first 1,000 lines that `refer` rewrites (it returns nullopt for a line it
// leaves) made to name `target`.
std::string Referring(
    std::string_view text, const std::string &target,
    const std::function<std::optional<std::string>(std::string_view, const std::string &)> &refer) {
    std::string out;
    int named = 0;
    ForEachLine(text, [&](std::string_view line) {
        const std::optional<std::string> rewritten =
            named < 1000 ? refer(line, target) : std::nullopt;
        named += rewritten.has_value();
        out += rewritten ? *rewritten : std::string(line);
        out += '\n';
    });
    return out;
}

// Renames `target` of `kind` back and forth.
void TimeRenames(benchmark::State &state, Document &doc, NewEntryKind kind,
                 const std::string &target) {
    // Entries beyond the 1,000 may name it too.
    const int references = ReferenceCount(doc, kind, target);
    state.counters["references"] = references;
    std::u16string from = ToWide(target);
    std::u16string to = u"RENAMED-G";
    for (auto _ : state) {
        if (RenameEntry(doc, from, to) != references) state.SkipWithError("references");
        std::swap(from, to);
    }
}

// A task force named by 1,000 teams: the team sections are read line by line.
void BM_RenameTaskForce(benchmark::State &state) {
    Document doc;
    testsupport::LoadGeneratedDocument(doc, 20, 1);
    const std::string target = std::string(ListIds(doc.taskForceListText).front());
    doc.teamSectionsText =
        Referring(doc.teamSectionsText, target,
                  [](std::string_view line, const std::string &id) -> std::optional<std::string> {
                      if (!line.starts_with("TaskForce=")) return std::nullopt;
                      return "TaskForce=" + id;
                  });
    TimeRenames(state, doc, NewEntryKind::TaskForce, target);
}

// A team named by 1,000 of the 40,000 triggers: every trigger line is read field by field.
void BM_RenameTeam(benchmark::State &state) {
    Document doc;
    testsupport::LoadGeneratedDocument(doc, 20, 1);
    const std::string target = std::string(ListIds(doc.teamListText).front());
    doc.triggerText = Referring(
        doc.triggerText, target,
        [](std::string_view line, const std::string &id) -> std::optional<std::string> {
            const size_t comma = line.find(',');
            const size_t next = comma == std::string_view::npos ? comma : line.find(',', comma + 1);
            if (next == std::string_view::npos) return std::nullopt;
            return std::string(line.substr(0, comma + 1)) + id + std::string(line.substr(next));
        });
    TimeRenames(state, doc, NewEntryKind::Team, target);
}

} // namespace

BENCHMARK(BM_RenameTeam)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameTaskForce)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
