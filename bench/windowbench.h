#pragma once
// What the window benchmarks share: the generated document at 10,000 entries of each kind (20,000
// triggers), a window filled from it, selections and mouse movements as the user makes them, and
// a main() on the offscreen platform.

#include "platform/controls.h"
#include "platform/dialog.h"
#include "support/generator.h"
#include "support/testdocument.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <initializer_list>
#include <memory>

namespace windowbench {

constexpr int kFileScale = 10;
constexpr int kRows = 1000 * kFileScale; // task forces, scripts and teams

inline void LoadDocument() { testsupport::LoadGeneratedDocument(doc, kFileScale, 1); }

// A window of type W shown once on a fresh document, which fills its list.
template <class W> std::unique_ptr<W> FilledWindow() {
    LoadDocument();
    auto window = std::make_unique<W>(model);
    window->show();
    return window;
}

// Times the first show, which fills the list of `listId`; the row count must come out as
// `expectedRows()` says.
template <class W, class Expected>
void TimeFill(benchmark::State &state, int listId, Expected expectedRows) {
    for (auto _ : state) {
        state.PauseTiming();
        LoadDocument();
        auto window = std::make_unique<W>(model);
        state.ResumeTiming();
        window->show();
        state.PauseTiming();
        if (window->template control<platform::ReportList>(listId)->rowCount() != expectedRows())
            state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

inline void Press(platform::Dialog &window, int id) {
    window.control<QAbstractButton>(id)->click();
}

// Adds `rows` to the selection, as Ctrl-clicks would, without the click notification.
inline void SelectRows(platform::ReportList *list, std::initializer_list<int> rows) {
    for (int row : rows) {
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

// Selects ten rows spread over the list.
inline void SelectTenRows(platform::ReportList *list) {
    for (int row = 0; row < list->rowCount(); row += list->rowCount() / 10)
        SelectRows(list, {row});
}

// A mouse movement over the window's own surface at `at`, where no control stands.
inline void MoveMouseAt(platform::ReportList *list, QPoint at) {
    QWidget *surface = list->parentWidget();
    QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
}

inline int RunBenchmarks(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace windowbench
