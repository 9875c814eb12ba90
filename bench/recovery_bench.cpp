// Recovery files of generated documents of k × 5,000 entries (k = 16: the 18.9 MB file). The
// user-interface thread only takes the snapshot and hands it over, which must stay well under
// 100 ms; the writer thread serializes and writes it (flushed to disk). Reading one back is what
// a restore costs.

#include "document/recovery.h"
#include "platform/textfile.h"
#include "support/generator.h"
#include "support/testsupport.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

const testsupport::TempDir &Folder() {
    static testsupport::TempDir dir;
    return dir;
}

// The document of the generated file, opened from disk so that it has stamps to keep.
struct Opened {
    Document document;
    std::vector<FileStamp> stamps;
};

const Opened &OpenedFile(int k) {
    static std::map<int, Opened> opened;
    auto it = opened.find(k);
    if (it == opened.end()) {
        it = opened.emplace(k, Opened()).first;
        Document &document = it->second.document;
        testsupport::LoadGeneratedDocument(document, k, 1);
        document.openedPath = testsupport::WidePath(Folder() / ("ai" + std::to_string(k) + ".ini"));
        platform::WriteTextFile(document.openedPath, testsupport::GenerateAiFile(k, 1));
        FileStamps stamps;
        stamps.Take({document.openedPath});
        it->second.stamps = stamps.Taken();
    }
    return it->second;
}

// Where the benchmarks keep their recovery files.
std::u16string Kept() { return testsupport::WidePath(Folder() / "recovery"); }

// The part on the user-interface thread: the texts copied.
void BM_Snapshot(benchmark::State &state) {
    const Opened &opened = OpenedFile(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(RecoveryOf(opened.document, opened.stamps).texts.data());
}

// The snapshot handed to a writer that is busy with the one before.
void BM_HandOver(benchmark::State &state) {
    const Opened &opened = OpenedFile(int(state.range(0)));
    RecoveryWriter writer(Kept());
    for (auto _ : state)
        writer.Write(RecoveryOf(opened.document, opened.stamps));
}

void BM_Serialize(benchmark::State &state) {
    const Opened &opened = OpenedFile(int(state.range(0)));
    const Recovery recovery = RecoveryOf(opened.document, opened.stamps);
    for (auto _ : state)
        benchmark::DoNotOptimize(SerializeRecovery(recovery).data());
}

// The writer thread's work: serialized, written to a temporary file, flushed, renamed.
void BM_SerializeAndWrite(benchmark::State &state) {
    const Opened &opened = OpenedFile(int(state.range(0)));
    const Recovery recovery = RecoveryOf(opened.document, opened.stamps);
    for (auto _ : state)
        if (!WriteRecoveryFile(Kept(), recovery).ok) state.SkipWithError("write failed");
}

void BM_Read(benchmark::State &state) {
    const Opened &opened = OpenedFile(int(state.range(0)));
    WriteRecoveryFile(Kept(), RecoveryOf(opened.document, opened.stamps));
    const std::u16string file = RecoveryFilePath(Kept(), opened.document.openedPath);
    for (auto _ : state)
        if (ReadRecoveryFile(file).status != RecoveryRead::Status::Ok)
            state.SkipWithError("read failed");
}

// What a recovery keeps of each file, and the check for changes on disk takes each time.
void BM_StampOf(benchmark::State &state) {
    const Opened &opened = OpenedFile(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(StampOf(opened.document.openedPath).content);
}

void Sizes(benchmark::internal::Benchmark *benchmark) {
    benchmark->Arg(1)->Arg(16)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_Snapshot)->Name("Snapshot")->Apply(Sizes);
BENCHMARK(BM_HandOver)->Name("HandOver")->Apply(Sizes);
BENCHMARK(BM_Serialize)->Name("Serialize")->Apply(Sizes);
BENCHMARK(BM_SerializeAndWrite)->Name("SerializeAndWrite")->Apply(Sizes);
BENCHMARK(BM_Read)->Name("Read")->Apply(Sizes);
BENCHMARK(BM_StampOf)->Name("StampOf")->Apply(Sizes);

} // namespace

BENCHMARK_MAIN();
