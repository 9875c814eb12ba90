// Time of each loader on generated files of k × 5,000 entries; growth should be linear in k.

#include "core/document.h"
#include "scripts/scriptloader.h"
#include "support/generator.h"
#include "taskforces/taskforceloader.h"
#include "teams/teamloader.h"
#include "triggers/triggerloader.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

const std::string &GeneratedFile(int k) {
    static std::map<int, std::string> files;
    auto it = files.find(k);
    if (it == files.end()) it = files.emplace(k, testsupport::GenerateAiFile(k, 1)).first;
    return it->second;
}

void LoadTeams(Document &doc) { LoadTeamTypes(doc, false); }
void LoadScriptsAlone(Document &doc) { LoadScripts(doc); }
void LoadTaskForcesAlone(Document &doc) { LoadTaskForces(doc); }

// As Open runs them: the registry kinds share the slots' header indexes.
void LoadAll(Document &doc) {
    SlotIndexes indexes;
    LoadTeamTypes(doc, false, &indexes);
    LoadScripts(doc, &indexes);
    LoadTaskForces(doc, &indexes);
    LoadAITriggerTypes(doc);
}

template <void (*Load)(Document &)> void BM_Loader(benchmark::State &state) {
    const std::string &text = GeneratedFile(int(state.range(0)));
    Document loaded;
    testsupport::FillSlots(loaded, {text});
    for (auto _ : state) {
        Document doc;
        doc.fileSlots = loaded.fileSlots;
        Load(doc);
        benchmark::DoNotOptimize(doc.triggerText.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void Sizes(benchmark::internal::Benchmark *benchmark) {
    benchmark->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Loader<LoadTaskForcesAlone>)->Name("LoadTaskForces")->Apply(Sizes);
BENCHMARK(BM_Loader<LoadScriptsAlone>)->Name("LoadScripts")->Apply(Sizes);
BENCHMARK(BM_Loader<LoadTeams>)->Name("LoadTeamTypes")->Apply(Sizes);
BENCHMARK(BM_Loader<LoadAITriggerTypes>)->Name("LoadAITriggerTypes")->Apply(Sizes);
BENCHMARK(BM_Loader<LoadAll>)->Name("LoadAll")->Apply(Sizes);

} // namespace

BENCHMARK_MAIN();
