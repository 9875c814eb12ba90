// The trigger window at scale: 20,000 triggers. Each operation should stay well under 100 ms: the
// fill, a save, the comment refresh that follows a save, a delete of ten rows, and the team
// choices rebuilt from 10,000 teams. Showing another trigger in the file of 80,000 entries stays
// under 50 ms.

#include "core/document.h"
#include "core/windowsignals.h"
#include "res/triggerdialog.h"
#include "triggers/triggerloader.h"
#include "triggers/triggerwindow.h"
#include "windowbench.h"

#include <QLineEdit>

using namespace windowbench;

namespace {

constexpr int kTriggers = 2 * kRows;

gui::qt::ReportView *ListOf(CAIT &window) {
    return windowbench::ListOf(window, res::kIdTriggerList);
}

// Near the window's right edge, beside the form.
void MoveMouseOver(CAIT &window) {
    MoveMouseAt(ListOf(window), QPoint(ListOf(window)->parentWidget()->width() - 2, 2));
}

void BM_Fill(benchmark::State &state) {
    TimeFill<CAIT>(state, res::kIdTriggerList, [] { return kTriggers; });
}

// A save that changes the name, to one of two in turn: a save without a change writes nothing.
void SaveRenamed(CAIT &window, bool &odd) {
    odd = !odd;
    window.control<QLineEdit>(res::kIdTriggerName)
        ->setText(odd ? QStringLiteral("Odd") : QStringLiteral("Even"));
    window.SaveTrigger();
}

void BM_Save(benchmark::State &state) {
    auto window = FilledWindow<CAIT>();
    window->ShowTrigger(kTriggers / 2);
    bool odd = false;
    for (auto _ : state)
        SaveRenamed(*window, odd);
}

void BM_CommentRefreshAfterSave(benchmark::State &state) {
    auto window = FilledWindow<CAIT>();
    window->ShowTrigger(kTriggers / 2);
    MoveMouseOver(*window); // the team choices, once
    bool odd = false;
    for (auto _ : state) {
        state.PauseTiming();
        SaveRenamed(*window, odd);
        state.ResumeTiming();
        MoveMouseOver(*window);
    }
}

void BM_DeleteTenRows(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = FilledWindow<CAIT>();
        SelectTenRows(ListOf(*window));
        state.ResumeTiming();
        window->DeleteSelectedTriggers();
        state.PauseTiming();
        if (doc.triggerLastIndex != kTriggers - 11) state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

void BM_TeamChoicesRebuild(benchmark::State &state) {
    auto window = FilledWindow<CAIT>();
    for (auto _ : state) {
        g_teamListChanged = true;
        MoveMouseOver(*window);
    }
}

// Another trigger shown in the file of 80,000 entries, its two team boxes of 16,000 items each
// filled, without and with assistive tools.
void BM_ShowEntry(benchmark::State &state) {
    auto window = FilledWindow<CAIT>(kLargestScale);
    g_teamListChanged = true;
    MoveMouseOver(*window); // the team choices, once
    WithAssistiveTools(state, *window, {res::kIdTriggerTeam, res::kIdTriggerSecondTeam});
    const int last = ListOf(*window)->model()->rowCount() - 1;
    int row = 0;
    for (auto _ : state)
        window->ShowTrigger(row++ % 2 ? 1 : last);
    QAccessible::setActive(false);
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
BENCHMARK(BM_ShowEntry)
    ->Name("TriggerWindow/ShowEntry16x")
    ->ArgName("assistive")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return RunBenchmarks(argc, argv); }
