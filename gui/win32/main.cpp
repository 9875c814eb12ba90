#include "gui/win32/main.h"

#include "gui/win32/internal.h"
#include "gui/win32/win32backend.h"
#include "platform/codepage.h"

#include <shellapi.h>

#include <cstdio>
#include <exception>

namespace gui::win32 {

namespace {

std::vector<std::u16string> CommandLineArguments() {
    int count = 0;
    LPWSTR *words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(FromWide(words[i]));
    LocalFree(words);
    return arguments;
}

// A folder of the replays' own in the temporary folder for the settings: a replay leaves the
// user's recent files and rules files as they are. (The player keeps the recovery files apart.)
std::u16string ReplayFolder() {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    return FromWide(temp, length) + u"VantaEdit-replay";
}

void Report(const std::u16string &text, Audience audience) {
    if (audience == Audience::User) {
        MessageBoxW(nullptr, Wide(text), L"VantaEdit", MB_OK | MB_ICONERROR);
    } else {
        std::fprintf(stderr, "%s\n", platform::WideToUtf8(text).c_str());
    }
}

} // namespace

int Main(const ProgramMain &program, Audience audience) {
    // Nothing may end the program with an abort: an exception is reported and the run ends.
    try {
        Backend backend(audience == Audience::Replay ? ReplayFolder() : std::u16string());
        SetBackend(&backend);
        InstallSeams();
        const int status = program(CommandLineArguments());
        SetBackend(nullptr);
        return status;
    } catch (const std::exception &e) {
        Report(u"VantaEdit: " + platform::Utf8ToWide(e.what()), audience);
    } catch (...) {
        Report(u"VantaEdit: unknown error", audience);
    }
    SetBackend(nullptr);
    return 1;
}

} // namespace gui::win32
