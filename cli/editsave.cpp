#include "cli/editsave.h"

#include "document/documentio.h"
#include "document/filereport.h"
#include "platform/codepage.h"
#include "platform/textfile.h"

#include <cstdio>

std::u16string WideArgument(const char *argument) {
#ifdef _WIN32
    return platform::AnsiToWide(argument);
#else
    return platform::Utf8ToWide(argument);
#endif
}

void PrintBytes(FILE *out, std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), out);
}

std::string Utf8(std::u16string_view text) { return platform::WideToUtf8(text); }

int EditAndSave(const char *file, bool split, bool autodetect,
                const std::function<int(Document &)> &edit) {
    Document document;
    document.openedPath = platform::AbsolutePathOf(file);
    LoadOpenedFile(document, autodetect);
    // Refuses, with its message, when a file that exists was not read whole.
    if (!CanSaveOpenedFile(document)) return 1;
    if (const int status = edit(document)) return status;
    // The user asked for the save, so it goes on; what it drops is said first.
    const DroppedOnSave &dropped = document.droppedOnSave;
    if (!dropped.findings.empty())
        PrintBytes(stderr, Utf8(FileReportText(document.openedPath, dropped, nullptr)));
    return SaveDocument(document, split ? SaveMode::Split : SaveMode::SingleFile) ? 0 : 1;
}
