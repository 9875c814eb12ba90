#include "gui/win32/internal.h"
#include "gui/win32/win32backend.h"
#include "res/text.h"

#include <commdlg.h>

#include <cstdio>
#include <cstdlib>

namespace gui::win32 {

namespace {

using platform::Answer;
using platform::Buttons;

// A button of a task dialog: the key of what it shows, and what it answers.
struct Choice {
    const char *text;
    Answer answer;
};

// Every box is a task dialog with buttons of the program's own, so that they speak the program's
// language rather than the system's. The last button's answer is also that of Escape and the
// close box: a box with only OK gives OK, whichever way it was closed.
std::vector<Choice> ChoicesOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return {{"button.ok", Answer::Ok}};
    case Buttons::YesNo:
        return {{"button.yes", Answer::Yes}, {"button.no", Answer::No}};
    case Buttons::YesNoCancel:
        return {{"button.yes", Answer::Yes},
                {"button.no", Answer::No},
                {"button.cancel", Answer::Cancel}};
    case Buttons::SaveCancel:
        return {{"button.save", Answer::Save}, {"button.cancel", Answer::Cancel}};
    case Buttons::Close:
        return {{"button.close", Answer::Ok}};
    case Buttons::SaveDiscardCancel:
        return {{"button.save", Answer::Save},
                {"button.discard", Answer::Discard},
                {"button.cancel", Answer::Cancel}};
    case Buttons::ReloadIgnore:
        return {{"button.reload", Answer::Reload}, {"button.ignore", Answer::Ignore}};
    case Buttons::OverwriteCancel:
        return {{"button.overwrite", Answer::Overwrite}, {"button.cancel", Answer::Cancel}};
    case Buttons::RestoreDiscardLater:
        return {{"button.restore", Answer::Restore},
                {"button.discardRecovery", Answer::Discard},
                {"button.later", Answer::Later}};
    }
    return {{"button.ok", Answer::Ok}};
}

constexpr int kFirstChoice = 1000;

Answer AskWithTaskDialog(const platform::MessageBoxRequest &request, HWND owner) {
    const std::vector<Choice> choices = ChoicesOf(request.buttons);
    std::vector<std::u16string> texts;
    for (const Choice &choice : choices)
        texts.push_back(res::Str(choice.text));
    // The last button is the box's Cancel: Escape and the close box press it.
    std::vector<TASKDIALOG_BUTTON> buttons;
    for (size_t i = 0; i < choices.size(); ++i)
        buttons.push_back(
            {i + 1 == choices.size() ? IDCANCEL : kFirstChoice + int(i), Wide(texts[i])});
    TASKDIALOGCONFIG config = {};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.pszWindowTitle = Wide(request.caption);
    config.pszContent = Wide(request.text);
    if (request.icon == platform::Icon::Question) {
        config.dwFlags |= TDF_USE_HICON_MAIN;
        config.hMainIcon = LoadIconW(nullptr, IDI_QUESTION);
    }
    config.cButtons = UINT(buttons.size());
    config.pButtons = buttons.data();
    config.nDefaultButton = buttons.front().nButtonID;
    int pressed = IDCANCEL;
    ModalScope modal(owner);
    if (FAILED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr))) pressed = IDCANCEL;
    const size_t index = size_t(pressed - kFirstChoice);
    return index < choices.size() ? choices[index].answer : choices.back().answer;
}

// The owner of a box: the main window, or for the application's box the active window.
HWND OwnerOf(const platform::MessageBoxRequest &request, HWND mainWindow) {
    HWND active = GetActiveWindow();
    return request.ownedByMainWindow || !active ? mainWindow : active;
}

Answer Ask(const platform::MessageBoxRequest &request, HWND mainWindow) {
    HWND owner = OwnerOf(request, mainWindow);
    if (request.scrollable) return ShowReport(request, owner);
    return AskWithTaskDialog(request, owner);
}

std::u16string AskOpenFile(const std::u16string &filter, HWND mainWindow) {
    // "Name|pattern|...||" is the dialog's own list with NULs for the bars.
    std::u16string filters = filter;
    for (char16_t &c : filters)
        if (c == u'|') c = u'\0';
    std::wstring file(32768, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    HWND active = GetActiveWindow();
    dialog.hwndOwner = active ? active : mainWindow;
    dialog.lpstrFilter = filters.empty() ? nullptr : Wide(filters);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = DWORD(file.size());
    const std::u16string title = res::Str("dialog.open");
    dialog.lpstrTitle = Wide(title);
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    ModalScope modal(dialog.hwndOwner);
    if (!GetOpenFileNameW(&dialog)) return {};
    return FromWide(file.c_str());
}

[[noreturn]] void ExitNow(int status) {
    // At once: no window is closed first.
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace

void InstallSeams() {
    auto main = [] {
        Peer *peer = Peer::MainWindow();
        return peer ? peer->hwnd() : nullptr;
    };
    platform::SetMessageBoxHandler(
        [main](const platform::MessageBoxRequest &request) { return Ask(request, main()); });
    platform::SetOpenFileHandler(
        [main](const std::u16string &filter) { return AskOpenFile(filter, main()); });
    platform::SetExitHandler(ExitNow);
}

} // namespace gui::win32
