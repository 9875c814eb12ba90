// Arbitrary bytes as loaded file slots for the four loaders and the file report, and as text and
// arguments for the INI text helpers. Besides crashes and sanitizer reports it aborts when the
// header index and the literal line-start search disagree.

#include "core/document.h"
#include "core/headerindex.h"
#include "core/initext.h"
#include "document/filereport.h"
#include "scripts/scriptloader.h"
#include "taskforces/taskforceloader.h"
#include "teams/teamloader.h"
#include "triggers/triggerloader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdlib>

namespace {

Document doc;

constexpr char kSlotSeparator = '\x01';
constexpr char kUnreadableMark = '\x02'; // the slot of an include file that could not be read

// Splits `bytes` at kSlotSeparator into up to 16 slot texts. An empty piece leaves its slot
// unused; a piece that starts with kUnreadableMark keeps its text but gets length 0.
void FillSlotsFrom(std::string_view bytes) {
    for (int slot = 0; slot < kFileSlotCount && !bytes.empty(); ++slot) {
        size_t end = slot + 1 < kFileSlotCount ? bytes.find(kSlotSeparator) : bytes.npos;
        std::string_view piece = bytes.substr(0, end);
        bytes = end == bytes.npos ? std::string_view() : bytes.substr(end + 1);
        if (piece.empty()) continue;
        const bool unreadable = piece.front() == kUnreadableMark;
        doc.fileSlots[size_t(slot)].text = std::string(piece);
        doc.fileSlots[size_t(slot)].length = unreadable ? 0 : int(piece.size());
    }
}

void CheckIndex(const HeaderIndex &index, std::string_view text, std::string_view id) {
    // IDs come from one line, so the loaders never look up one that holds an LF.
    if (id.find('\n') != std::string_view::npos) return;
    if (index.Find(id) != HeaderLineOf(text, id)) std::abort();
}

void ExerciseHelpers(std::string_view text, std::string_view key, int a, int b, int c) {
    const int size = int(text.size());
    FindInText(a, b, text, key, c & 1);
    FindInText(size, b, text, key, c & 1);
    CutText(text, a, b, c);
    SqueezeLineBreaks(text);
    CountLines(text);
    GetLine(text, a);
    ValueOfKey(text, key);
    NextHeaderLine(text, a);
    HeaderLineOf(text, key, b);
    EntrySectionOf(text, key);
    StartsWith(text, key);
    FieldsBetween(text, ',', a, b);
    NormalizeEditText(text);
    NarrowToInt(text);
    ToNarrow(ToWide(text));
    DirectoryOf(text);
    StripDotSlash(text);
    std::string copy(text);
    RemoveLineWith(copy, key);
    ReplaceChar(copy, char(a), char(b));

    const HeaderIndex index(text);
    CheckIndex(index, text, key);
    for (size_t begin = 0; begin < text.size();) {
        size_t lf = text.find('\n', begin);
        std::string_view line = text.substr(begin, lf == text.npos ? lf : lf - begin);
        begin = lf == text.npos ? text.size() : lf + 1;
        IsAssignmentLine(line);
        IsRegistryLine(line);
        SplitKeyValue(line, key.empty() ? '=' : key.front(), c & 1);
        if (std::optional<std::string> id = SplitKeyValue(line, '=', 1))
            CheckIndex(index, text, *id);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    const uint8_t flags = input.ConsumeIntegral<uint8_t>();
    const int a = input.ConsumeIntegral<int16_t>();
    const int b = input.ConsumeIntegral<int16_t>();
    const int c = input.ConsumeIntegral<int16_t>();
    const std::string key = input.ConsumeRandomLengthString(24);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    doc = {};
    constexpr int kStarts[] = {0, 100, -1, INT_MAX, INT_MIN};
    doc.startNumber = kStarts[(flags >> 1) % 5];
    FillSlotsFrom(bytes);
    LoadTeamTypes(doc, flags & 1);
    LoadScripts(doc);
    LoadTaskForces(doc);
    LoadAITriggerTypes(doc);
    const DroppedOnSave dropped = FindDroppedOnSave(doc.fileSlots);
    const std::vector<Finding> broken = FindBrokenReferences(doc);
    FileReportText(doc.openedPath, dropped, &broken);

    ExerciseHelpers(bytes, key, a, b, c);
    return 0;
}
