// A rename with its references at scale: 20,000 entries of each kind, 1,000 teams naming the
// renamed task force. It should take at most 50 ms.

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "newentry/entryops.h"
#include "support/generator.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RenameTaskForce(benchmark::State &state) {
    Document doc;
    testsupport::LoadGeneratedDocument(doc, 20, 1);
    const std::string target = std::string(ListIds(doc.taskForceListText).front());
    // The first 1,000 teams name the target.
    std::string sections;
    int named = 0;
    ForEachLine(doc.teamSectionsText, [&](std::string_view line) {
        if (named < 1000 && line.starts_with("TaskForce=")) {
            sections += "TaskForce=" + target;
            ++named;
        } else {
            sections += line;
        }
        sections += '\n';
    });
    doc.teamSectionsText = std::move(sections);

    // Other teams may name it too.
    const int references = ReferenceCount(doc, NewEntryKind::TaskForce, target);
    state.counters["references"] = references;
    std::u16string from = ToWide(target);
    std::u16string to = u"RENAMED-G";
    for (auto _ : state) {
        if (RenameEntry(doc, from, to) != references) state.SkipWithError("references");
        std::swap(from, to);
    }
}

// A team named by 1,000 of the 40,000 triggers: every trigger line is read field by field.
void BM_RenameTeam(benchmark::State &state) {
    Document doc;
    testsupport::LoadGeneratedDocument(doc, 20, 1);
    const std::string target = std::string(ListIds(doc.teamListText).front());
    std::string triggers;
    int named = 0;
    ForEachLine(doc.triggerText, [&](std::string_view line) {
        const size_t comma = line.find(',');
        if (named < 1000 && comma != std::string_view::npos) {
            const size_t next = line.find(',', comma + 1);
            triggers +=
                std::string(line.substr(0, comma + 1)) + target + std::string(line.substr(next));
            ++named;
        } else {
            triggers += line;
        }
        triggers += '\n';
    });
    doc.triggerText = std::move(triggers);
    const int references = ReferenceCount(doc, NewEntryKind::Team, target);
    state.counters["references"] = references;
    std::u16string from = ToWide(target);
    std::u16string to = u"RENAMED-G";
    for (auto _ : state) {
        if (RenameEntry(doc, from, to) != references) state.SkipWithError("references");
        std::swap(from, to);
    }
}

} // namespace

BENCHMARK(BM_RenameTeam)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameTaskForce)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
