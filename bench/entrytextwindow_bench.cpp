// The task force window at scale: 10,000 task forces. Filling the list, Save, Tidy and Delete
// should each stay well under 100 ms.

#include "document/rulesfile.h"
#include "platform/textfile.h"
#include "res/entrytextdialogs.h"
#include "support/testsupport.h"
#include "taskforces/taskforcewindow.h"
#include "windowbench.h"

using namespace windowbench;

namespace {

gui::qt::ReportView *ListOf(CTaskForces &window) {
    return windowbench::ListOf(window, res::kIdTaskForceList);
}

// Selects `rows` as clicks would, then lets the list report the click.
void Select(CTaskForces &window, std::initializer_list<int> rows) {
    SelectRows(ListOf(window), rows);
    emit ListOf(window)->listClicked();
}

void BM_Fill(benchmark::State &state) {
    TimeFill<CTaskForces>(state, res::kIdTaskForceList, [] { return kRows; });
}

void BM_Save(benchmark::State &state) {
    auto window = FilledWindow<CTaskForces>();
    Select(*window, {kRows / 2});
    for (auto _ : state)
        Press(*window, res::kIdTaskForceSave);
}

void BM_Tidy(benchmark::State &state) {
    auto window = FilledWindow<CTaskForces>();
    Select(*window, {kRows / 2});
    for (auto _ : state)
        Press(*window, res::kIdTaskForceTidy);
}

void BM_DeleteThreeRows(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = FilledWindow<CTaskForces>();
        Select(*window, {1, kRows / 2, kRows - 2});
        state.ResumeTiming();
        Press(*window, res::kIdTaskForceDelete);
        state.PauseTiming();
        if (ListOf(*window)->model()->rowCount() != kRows - 3) state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

// Showing an entry of the 16x file with the mod's rules file of 32,000 types in use: the text, the
// explanation of the caret's line by the type's name, and 插入成员 holding every type.
void BM_ShowEntryWithNames(benchmark::State &state) {
    auto window = FilledWindow<CTaskForces>(16);
    const testsupport::TempDir dir;
    const std::u16string rules = testsupport::WidePath(dir / "rules.ini");
    platform::WriteTextFile(rules, testsupport::GenerateRulesFile(16));
    model.SetRules(ReadRulesFile(rules).rules);
    int row = 0;
    for (auto _ : state) {
        Select(*window, {row});
        row = (row + 997) % (16 * 1000);
    }
    if (window->control<gui::ComboBox>(res::kIdTaskForceInsertMember)->itemCount() < 32000)
        state.SkipWithError("types");
}

BENCHMARK(BM_Fill)->Name("TaskForceWindow/Fill")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Save)->Name("TaskForceWindow/Save")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tidy)->Name("TaskForceWindow/Tidy")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowEntryWithNames)
    ->Name("TaskForceWindow/ShowEntryWithNames16x")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteThreeRows)
    ->Name("TaskForceWindow/DeleteThreeRows")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char **argv) { return RunBenchmarks(argc, argv); }
