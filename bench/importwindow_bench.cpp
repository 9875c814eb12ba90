// The import window with the generated 16x file (80,000 entries) open in the editor and the same
// file as the other one, so that every row compares bodies: showing the window (the other file
// read as Open reads it, every row's presence), refiltering per keystroke, and an import of a
// trigger chain into the 16x document.

#include "app/importwindow.h"
#include "document/entrytable.h"
#include "document/importentries.h"
#include "platform/codepage.h"
#include "platform/textfile.h"
#include "res/transferdialogs.h"
#include "support/testsupport.h"
#include "windowbench.h"

#include <QLineEdit>

using namespace windowbench;

namespace {

constexpr int kScale = 16;

// The generated file on disk, written once for the run.
const std::u16string &OtherFile() {
    static testsupport::TempDir dir;
    static const std::u16string path = [] {
        const std::u16string file = testsupport::WidePath(dir / "other.ini");
        platform::WriteTextFile(file, testsupport::GenerateAiFile(kScale, 1));
        return file;
    }();
    return path;
}

void BM_ShowImportWindow(benchmark::State &state) {
    LoadDocument(kScale);
    CImportWindow window(model, nullptr);
    for (auto _ : state) {
        window.showEntriesOf(OtherFile());
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = ListOf(window, res::kIdImportList)->model()->rowCount();
}

void BM_FilterImportWindow(benchmark::State &state) {
    LoadDocument(kScale);
    CImportWindow window(model, nullptr);
    window.showEntriesOf(OtherFile());
    auto *filter = gui::qt::WidgetOf<QLineEdit>(window, res::kIdImportFilter);
    const QStringList keystrokes = {QStringLiteral("t"), QStringLiteral("ta"), QStringLiteral("t"),
                                    QStringLiteral("")};
    size_t next = 0;
    for (auto _ : state) {
        filter->setText(keystrokes[qsizetype(next++ % size_t(keystrokes.size()))]);
        QCoreApplication::processEvents();
    }
}

void BM_ImportTriggerChain(benchmark::State &state) {
    Document from;
    testsupport::LoadGeneratedDocument(from, kScale, 2);
    std::vector<EntryRef> picked;
    {
        const EntryTable table(from);
        for (size_t i = 0; i < 10; ++i)
            picked.push_back(
                {NewEntryKind::Trigger, std::string(table.Ids(NewEntryKind::Trigger)[i * 997])});
    }
    size_t entries = 0;
    for (auto _ : state) {
        state.PauseTiming();
        LoadDocument(kScale);
        state.ResumeTiming();
        entries = ImportEntries(doc, from, picked).size();
    }
    state.counters["entries"] = double(entries);
}

} // namespace

BENCHMARK(BM_ShowImportWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterImportWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportTriggerChain)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) { return RunBenchmarks(argc, argv); }
