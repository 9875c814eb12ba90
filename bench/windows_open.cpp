// Starts `vantaedit.exe FILE` and times it until its four editor lists are filled, read from
// outside the program as any other program sees its windows: the list views found by their ids
// in the program's windows, their row counts asked for with the list view's own message, and one
// cell read through the program's memory, as assistive tools read a virtual list.
//
//     windows_open VANTAEDIT_EXE FILE K
//
// K as given to vantaedit-generate: the file holds 1000 K task forces, scripts and teams and
// 2000 K triggers. Prints the time; exits 1 when the lists are not filled within two minutes.

#include "res/entrytextdialogs.h"
#include "res/teamdialog.h"
#include "res/triggerdialog.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct List {
    int id;
    const char *name;
    int rowsPerK;
    HWND window = nullptr;
    int rows = 0;
};

struct Search {
    DWORD process;
    List *lists;
    size_t count;
};

// Each list of ours among the program's windows.
BOOL CALLBACK FindLists(HWND window, LPARAM data) {
    auto &search = *reinterpret_cast<Search *>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search.process) return TRUE;
    for (size_t i = 0; i < search.count; ++i) {
        HWND list = GetDlgItem(window, search.lists[i].id);
        wchar_t className[32] = {};
        if (list && GetClassNameW(list, className, 32) && std::wstring(className) == WC_LISTVIEWW)
            search.lists[i].window = list;
    }
    return TRUE;
}

// The text of a cell of a list view of another process, through memory of that process.
std::wstring CellText(HANDLE process, HWND list, int row, int column) {
    constexpr int kChars = 256;
    void *remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t),
                                  MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return L"?";
    LVITEMW item = {};
    item.iSubItem = column;
    item.cchTextMax = kChars;
    item.pszText = reinterpret_cast<LPWSTR>(static_cast<char *>(remote) + sizeof(LVITEMW));
    WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
    const LRESULT length =
        SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(remote));
    std::wstring text(kChars, L'\0');
    ReadProcessMemory(process, item.pszText, text.data(), kChars * sizeof(wchar_t), nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    text.resize(size_t(length));
    return text;
}

std::string Utf8(const std::wstring &text) {
    std::string result(text.size() * 3, '\0');
    result.resize(size_t(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()),
                                             result.data(), int(result.size()), nullptr, nullptr)));
    return result;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
    if (argc != 4) {
        std::fputs("usage: windows_open VANTAEDIT_EXE FILE K\n", stderr);
        return 2;
    }
    const int k = std::atoi(Utf8(argv[3]).c_str());
    List lists[] = {{res::kIdTaskForceList, "task forces", 1000},
                    {res::kIdScriptList, "scripts", 1000},
                    {res::kIdTeamList, "teams", 1000},
                    {res::kIdTriggerList, "triggers", 2000}};
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\" \"" + argv[2] + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION editor = {};
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &editor)) {
        std::fputs("cannot start the editor\n", stderr);
        return 2;
    }
    auto elapsed = [&start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    bool filled = false;
    while (!filled && elapsed() < 120) {
        Sleep(5);
        Search search{editor.dwProcessId, lists, std::size(lists)};
        EnumWindows(FindLists, reinterpret_cast<LPARAM>(&search));
        filled = true;
        for (List &list : lists) {
            // Asked with a time limit: a program busy opening answers once it is done.
            DWORD_PTR rows = 0;
            if (list.window &&
                SendMessageTimeoutW(list.window, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 10000, &rows))
                list.rows = int(rows);
            filled = filled && list.rows == list.rowsPerK * k;
        }
    }
    const double seconds = elapsed();
    int status = 0;
    if (filled) {
        std::printf("all four lists filled after %.2f s\n", seconds);
        const List &triggers = lists[3];
        std::printf("trigger list: %d rows, row 0: %s | %s\n", triggers.rows,
                    Utf8(CellText(editor.hProcess, triggers.window, 0, 0)).c_str(),
                    Utf8(CellText(editor.hProcess, triggers.window, 0, 1)).c_str());
    } else {
        std::printf("not filled after %.0f s:", seconds);
        for (const List &list : lists)
            std::printf(" %s %d/%d", list.name, list.rows, list.rowsPerK * k);
        std::printf("\n");
        status = 1;
    }
    TerminateProcess(editor.hProcess, 0);
    WaitForSingleObject(editor.hProcess, 5000);
    CloseHandle(editor.hThread);
    CloseHandle(editor.hProcess);
    return status;
}
