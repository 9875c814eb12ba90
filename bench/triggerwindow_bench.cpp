// The trigger window at scale: 20,000 triggers (a generated file with k = 10). Each operation
// should stay well under 100 ms: the fill, a save, the comment refresh that follows a save, a
// delete of ten rows, and the team choices rebuilt from 10,000 teams.

#include "core/document.h"
#include "platform/controls.h"
#include "res/triggerdialog.h"
#include "support/generator.h"
#include "teams/teamloader.h"
#include "triggers/triggerloader.h"
#include "triggers/triggerwindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kFileScale = 10;

void Restore() { testsupport::LoadGeneratedDocument(kFileScale, 1); }

std::unique_ptr<CAIT> FilledWindow() {
    Restore();
    auto window = std::make_unique<CAIT>();
    window->show();
    return window;
}

platform::ReportList *ListOf(CAIT &window) {
    return window.control<platform::ReportList>(res::kIdTriggerList);
}

// A mouse movement over the window's own surface, left of the form.
void MoveMouseOver(CAIT &window) {
    QWidget *surface = ListOf(window)->parentWidget();
    const QPoint at(surface->width() - 2, 2);
    QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
}

void BM_Fill(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        Restore();
        auto window = std::make_unique<CAIT>();
        state.ResumeTiming();
        window->show();
        state.PauseTiming();
        if (ListOf(*window)->rowCount() != g_triggerLastIndex + 1) state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

void BM_Save(benchmark::State &state) {
    auto window = FilledWindow();
    window->ShowTrigger(ListOf(*window)->rowCount() / 2);
    for (auto _ : state)
        window->SaveTrigger();
}

void BM_CommentRefreshAfterSave(benchmark::State &state) {
    auto window = FilledWindow();
    window->ShowTrigger(ListOf(*window)->rowCount() / 2);
    MoveMouseOver(*window); // the team choices, once
    for (auto _ : state) {
        state.PauseTiming();
        window->SaveTrigger();
        state.ResumeTiming();
        MoveMouseOver(*window);
    }
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
        window->DeleteSelectedTriggers();
        state.PauseTiming();
        if (g_triggerLastIndex != 2000 * kFileScale - 11) state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

void BM_TeamChoicesRebuild(benchmark::State &state) {
    auto window = FilledWindow();
    for (auto _ : state) {
        g_teamListChanged = true;
        MoveMouseOver(*window);
    }
}

BENCHMARK(BM_Fill)->Name("TriggerWindow/Fill")->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Save)->Name("TriggerWindow/Save")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommentRefreshAfterSave)
    ->Name("TriggerWindow/CommentRefreshAfterSave")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteTenRows)
    ->Name("TriggerWindow/DeleteTenRows")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_TeamChoicesRebuild)
    ->Name("TriggerWindow/TeamChoicesRebuild")
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
