#pragma once
// What the window benchmarks share: the generated document at 10,000 entries of each kind (20,000
// triggers), a window filled from it, selections and mouse movements as the user makes them, and
// a main() on the offscreen platform.

#include "gui/qt/qtbackend.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qtwindow.h"
#include "support/generator.h"
#include "support/testdocument.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <initializer_list>
#include <memory>

namespace windowbench {

constexpr int kFileScale = 10;
constexpr int kRows = 1000 * kFileScale; // task forces, scripts and teams

inline void LoadDocument(int scale = kFileScale) {
    testsupport::LoadGeneratedDocument(doc, scale, 1);
}

// The list `listId` of a window.
inline gui::qt::ReportView *ListOf(const gui::Dialog &window, int listId) {
    return gui::qt::WidgetOf<gui::qt::ReportView>(window, listId);
}

// A window of type W shown once on a fresh document of `scale` × 1,000 entries of each kind,
// which fills its list.
template <class W> std::unique_ptr<W> FilledWindow(int scale = kFileScale) {
    LoadDocument(scale);
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
        if (ListOf(*window, listId)->model()->rowCount() != expectedRows())
            state.SkipWithError("rows");
        window.reset();
        state.ResumeTiming();
    }
}

inline void Press(gui::Dialog &window, int id) {
    gui::qt::WidgetOf<QAbstractButton>(window, id)->click();
}

// Adds `rows` to the selection, as Ctrl-clicks would, without the click notification.
inline void SelectRows(gui::qt::ReportView *list, std::initializer_list<int> rows) {
    for (int row : rows) {
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

// Selects ten rows spread over the list.
inline void SelectTenRows(gui::qt::ReportView *list) {
    const int rows = list->model()->rowCount();
    for (int row = 0; row < rows; row += rows / 10)
        SelectRows(list, {row});
}

// A mouse movement over the window's own surface at `at`, where no control stands.
inline void MoveMouseAt(gui::qt::ReportView *list, QPoint at) {
    QWidget *surface = list->parentWidget();
    QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
}

// The generated file's scale at which showing an entry must stay under 50 ms: 80,000 entries.
constexpr int kLargestScale = 16;

// Assistive tools on (state.range(0) == 1): events go to them, and every item of the combo boxes
// `ids` has been read, as a screen reader walking each list leaves it.
inline void WithAssistiveTools(benchmark::State &state, const gui::Dialog &window,
                               std::initializer_list<int> ids) {
    QAccessible::setActive(state.range(0) == 1);
    if (state.range(0) != 1) return;
    for (int id : ids) {
        QAccessibleInterface *items =
            QAccessible::queryAccessibleInterface(gui::qt::WidgetOf<QWidget>(window, id))->child(0);
        if (items->childCount() < 1000 * kLargestScale) state.SkipWithError("items");
        for (int i = 0; i < items->childCount(); ++i)
            benchmark::DoNotOptimize(items->child(i)->text(QAccessible::Name));
    }
}

inline int RunBenchmarks(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gui::qt::QtBackend backend;
    gui::SetBackend(&backend);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace windowbench
