// The team window at scale: 10,000 teams, scripts and task forces (a generated file with
// k = 10). Each operation should stay well under 100 ms: the fill of the list and both choice
// boxes, a save, the rebuild that lists a new team, a delete of ten rows, and the choices
// refilled after the script and task force lists changed.

#include "core/document.h"
#include "platform/controls.h"
#include "res/teamdialog.h"
#include "scripts/scriptloader.h"
#include "support/generator.h"
#include "taskforces/taskforceloader.h"
#include "teams/teamlist.h"
#include "teams/teamloader.h"
#include "teams/teamwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kFileScale = 10;

void Restore() { testsupport::LoadGeneratedDocument(kFileScale, 1); }

platform::ReportList *ListOf(CArmy &window) {
    return window.control<platform::ReportList>(res::kIdTeamList);
}

void Press(CArmy &window, int id) { window.control<QAbstractButton>(id)->click(); }

// A click on `row` as the list reports it: the row selected and current, then the notification.
void ClickRow(CArmy &window, int row) {
    platform::ReportList *list = ListOf(window);
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect |
                                                QItemSelectionModel::Rows);
    emit list->listClicked();
}

// A mouse movement over the window's own surface, right of the list.
void MoveMouseOver(CArmy &window) {
    QWidget *surface = ListOf(window)->parentWidget();
    const QPoint at(ListOf(window)->geometry().right() + 4, 4);
    QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
}

std::unique_ptr<CArmy> FilledWindow() {
    Restore();
    auto window = std::make_unique<CArmy>();
    window->show();
    return window;
}

void BM_Fill(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        Restore();
        auto window = std::make_unique<CArmy>();
        state.ResumeTiming();
        window->show();
        state.PauseTiming();
        if (ListOf(*window)->rowCount() != 1000 * kFileScale) state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

void BM_Save(benchmark::State &state) {
    auto window = FilledWindow();
    ClickRow(*window, ListOf(*window)->rowCount() / 2);
    for (auto _ : state)
        Press(*window, res::kIdTeamSave);
}

void BM_RebuildAfterNewTeam(benchmark::State &state) {
    auto window = FilledWindow();
    const std::u16string noTemplate = u"/nonexistent/LoadTempTeamData.txt";
    int created = 0;
    for (auto _ : state) {
        state.PauseTiming();
        NewTeam("BenchTeam" + std::to_string(created++), noTemplate);
        state.ResumeTiming();
        MoveMouseOver(*window);
    }
    if (ListOf(*window)->rowCount() != 1000 * kFileScale + created) state.SkipWithError("rows");
}

void BM_DeleteTenRows(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = FilledWindow();
        platform::ReportList *list = ListOf(*window);
        for (int row = 0; row < list->rowCount(); row += list->rowCount() / 10) {
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        state.ResumeTiming();
        Press(*window, res::kIdTeamDelete);
        state.PauseTiming();
        if (list->rowCount() != 1000 * kFileScale - 10) state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

void BM_ChoicesRefresh(benchmark::State &state) {
    auto window = FilledWindow();
    for (auto _ : state) {
        g_scriptListChanged = g_taskForceListChanged = true;
        MoveMouseOver(*window);
    }
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

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
