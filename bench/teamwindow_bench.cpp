// The team window at scale: 10,000 teams, scripts and task forces. Each operation should stay
// well under 100 ms: the fill of the list and both choice boxes, a save, the rebuild that lists a
// new team, a delete of ten rows, and the choices refilled after the script and task force lists
// changed. Showing another team in the file of 80,000 entries stays under 50 ms.

#include "core/document.h"
#include "core/windowsignals.h"
#include "res/teamdialog.h"
#include "teams/teamlist.h"
#include "teams/teamwindow.h"
#include "windowbench.h"

using namespace windowbench;

namespace {

gui::qt::ReportView *ListOf(CArmy &window) { return windowbench::ListOf(window, res::kIdTeamList); }

// A click on `row` as the list reports it: the row selected and current, then the notification.
void ClickRow(CArmy &window, int row) {
    gui::qt::ReportView *list = ListOf(window);
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
    emit list->listClicked();
}

// Right of the list.
void MoveMouseOver(CArmy &window) {
    MoveMouseAt(ListOf(window), QPoint(ListOf(window)->geometry().right() + 4, 4));
}

void BM_Fill(benchmark::State &state) {
    TimeFill<CArmy>(state, res::kIdTeamList, [] { return kRows; });
}

void BM_Save(benchmark::State &state) {
    auto window = FilledWindow<CArmy>();
    ClickRow(*window, kRows / 2);
    for (auto _ : state)
        Press(*window, res::kIdTeamSave);
}

void BM_RebuildAfterNewTeam(benchmark::State &state) {
    auto window = FilledWindow<CArmy>();
    const std::u16string noTemplate = u"/nonexistent/LoadTempTeamData.txt";
    int created = 0;
    for (auto _ : state) {
        state.PauseTiming();
        NewTeam(doc, "BenchTeam" + std::to_string(created++), noTemplate);
        state.ResumeTiming();
        MoveMouseOver(*window);
    }
    if (ListOf(*window)->model()->rowCount() != kRows + created) state.SkipWithError("rows");
}

void BM_DeleteTenRows(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = FilledWindow<CArmy>();
        SelectTenRows(ListOf(*window));
        state.ResumeTiming();
        Press(*window, res::kIdTeamDelete);
        state.PauseTiming();
        if (ListOf(*window)->model()->rowCount() != kRows - 10) state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

void BM_ChoicesRefresh(benchmark::State &state) {
    auto window = FilledWindow<CArmy>();
    for (auto _ : state) {
        g_scriptListChanged = g_taskForceListChanged = true;
        MoveMouseOver(*window);
    }
}

// Another row clicked in the file of 80,000 entries: the form and its boxes of 16,000 items each
// show the team, without and with assistive tools.
void BM_ShowEntry(benchmark::State &state) {
    auto window = FilledWindow<CArmy>(kLargestScale);
    WithAssistiveTools(state, *window, {res::kIdTeamTaskForce, res::kIdTeamScript});
    int row = 0;
    for (auto _ : state)
        ClickRow(*window, row++ % 2 ? 1 : ListOf(*window)->model()->rowCount() - 1);
    QAccessible::setActive(false);
}

BENCHMARK(BM_Fill)->Name("TeamWindow/Fill")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Save)->Name("TeamWindow/Save")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildAfterNewTeam)
    ->Name("TeamWindow/RebuildAfterNewTeam")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_DeleteTenRows)
    ->Name("TeamWindow/DeleteTenRows")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_ChoicesRefresh)->Name("TeamWindow/ChoicesRefresh")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowEntry)
    ->Name("TeamWindow/ShowEntry16x")
    ->ArgName("assistive")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return RunBenchmarks(argc, argv); }
