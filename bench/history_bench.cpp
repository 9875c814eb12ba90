// The undo history at scale. At 20,000 entries of each kind, recording a step (taking the texts
// before an action and keeping what it changed) and undoing it should each cost at most 16 ms
// beyond the action itself; 100 steps on a 1 MB file should keep well under the 64 MiB budget.

#include "core/document.h"
#include "core/history.h"
#include "support/generator.h"
#include "teams/teamform.h"
#include "teams/teamlist.h"

#include <benchmark/benchmark.h>

namespace {

Document &Loaded(int k) {
    static std::map<int, Document> documents;
    auto it = documents.find(k);
    if (it == documents.end()) {
        it = documents.emplace(k, Document()).first;
        testsupport::LoadGeneratedDocument(it->second, k, 1);
    }
    return it->second;
}

// The IDs of the teams, in list order.
std::vector<std::string> TeamIds(const Document &doc) {
    std::vector<std::string> ids;
    for (const TeamRow &row : RebuildTeamTexts(const_cast<Document &>(doc)))
        ids.push_back(row.id);
    return ids;
}

// A team form's Save: one changed priority written into a team in the middle.
void SaveTeam(Document &doc, const std::string &id, int priority) {
    const std::string body = *TeamBodyOf(doc.teamSectionsText, id);
    const TeamForm shown = ReadTeamForm(body);
    TeamForm edited = shown;
    edited[kTeamPriority] = std::to_string(priority);
    ReplaceTeamBody(doc.teamSectionsText, id, UpdateTeamBody(body, shown, edited));
}

// The action alone, to set beside the recorded one.
void BM_TeamSave(benchmark::State &state) {
    Document &doc = Loaded(int(state.range(0)));
    const std::string id = TeamIds(doc)[size_t(state.range(0)) * 500];
    int priority = 0;
    for (auto _ : state)
        SaveTeam(doc, id, ++priority);
}

void BM_TeamSaveRecorded(benchmark::State &state) {
    Document &doc = Loaded(int(state.range(0)));
    const std::string id = TeamIds(doc)[size_t(state.range(0)) * 500];
    History history;
    int priority = 0;
    for (auto _ : state) {
        history.Begin(doc);
        SaveTeam(doc, id, ++priority);
        history.Commit(doc, u"保存队伍");
    }
}

// Undo of the step above; redo, untimed, brings it back for the next round.
void BM_Undo(benchmark::State &state) {
    Document &doc = Loaded(int(state.range(0)));
    const std::string id = TeamIds(doc)[size_t(state.range(0)) * 500];
    History history;
    // A value no earlier run wrote, so that the step changes something.
    static int priority = 100000;
    history.Begin(doc);
    SaveTeam(doc, id, ++priority);
    history.Commit(doc, u"保存队伍");
    for (auto _ : state) {
        const bool undone = history.Undo(doc);
        state.PauseTiming();
        if (!undone || !history.Redo(doc)) {
            state.SkipWithError("undo");
            break;
        }
        state.ResumeTiming();
    }
}

// 100 saves of 100 teams, and a delete of a team every tenth step: what the history keeps.
void BM_HundredSteps(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        Document doc = Loaded(int(state.range(0)));
        const std::vector<std::string> ids = TeamIds(doc);
        History history;
        state.ResumeTiming();
        for (int step = 0; step < 100; ++step) {
            history.Begin(doc);
            if (step % 10 == 9)
                DeleteTeams(doc, {{{}, ids[size_t(step)], {}}});
            else
                SaveTeam(doc, ids[size_t(step)], step);
            history.Commit(doc, u"step");
        }
        state.counters["steps"] = double(history.StepCount());
        state.counters["MiB"] = double(history.Bytes()) / (1 << 20);
    }
}

} // namespace

BENCHMARK(BM_TeamSave)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamSaveRecorded)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Undo)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HundredSteps)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
