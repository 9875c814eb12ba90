// The task force window at scale: 10,000 task forces (a generated file with k = 10). Filling
// the list, Save, Tidy and Delete should each stay well under 100 ms.

#include "core/document.h"
#include "platform/controls.h"
#include "res/entrytextdialogs.h"
#include "support/generator.h"
#include "taskforces/taskforceloader.h"
#include "taskforces/taskforcewindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kFileScale = 10;
constexpr int kRows = 1000 * kFileScale;

void Restore() { testsupport::LoadGeneratedDocument(kFileScale, 1); }

platform::ReportList *ListOf(CTaskForces &window) {
    return window.control<platform::ReportList>(res::kIdTaskForceList);
}

void Press(CTaskForces &window, int id) { window.control<QAbstractButton>(id)->click(); }

// Selects `rows` as clicks would, then lets the list report the click.
void Select(CTaskForces &window, std::initializer_list<int> rows) {
    platform::ReportList *list = ListOf(window);
    for (int row : rows) {
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    emit list->listClicked();
}

std::unique_ptr<CTaskForces> FilledWindow() {
    Restore();
    auto window = std::make_unique<CTaskForces>();
    window->show();
    return window;
}

void BM_Fill(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        Restore();
        auto window = std::make_unique<CTaskForces>();
        state.ResumeTiming();
        window->show();
        state.PauseTiming();
        if (ListOf(*window)->rowCount() != kRows) state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

void BM_Save(benchmark::State &state) {
    auto window = FilledWindow();
    Select(*window, {kRows / 2});
    for (auto _ : state)
        Press(*window, res::kIdTaskForceSave);
}

void BM_Tidy(benchmark::State &state) {
    auto window = FilledWindow();
    Select(*window, {kRows / 2});
    for (auto _ : state)
        Press(*window, res::kIdTaskForceTidy);
}

void BM_DeleteThreeRows(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = FilledWindow();
        Select(*window, {1, kRows / 2, kRows - 2});
        state.ResumeTiming();
        Press(*window, res::kIdTaskForceDelete);
        state.PauseTiming();
        if (ListOf(*window)->rowCount() != kRows - 3) state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_Fill)->Name("TaskForceWindow/Fill")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Save)->Name("TaskForceWindow/Save")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Tidy)->Name("TaskForceWindow/Tidy")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteThreeRows)
    ->Name("TaskForceWindow/DeleteThreeRows")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
