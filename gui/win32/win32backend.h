#pragma once
// The dialog layer on the Windows API itself: each gui::Dialog a dialog of the system's dialog
// manager built from its template, the controls the system's own (the list view, combo boxes,
// edit boxes, rich edit fields of "Msftedit.dll"), and the seams of platform/seams.h answered
// with the system's boxes and dialogs.

#include "gui/backend.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>
#include <string>

namespace gui::win32 {

class Backend final : public gui::Backend {
public:
    // Loads the rich edit library and initialises the common controls. One per program. The
    // settings are kept in `settingsFolder`; empty: the user's application data folder.
    explicit Backend(std::u16string settingsFolder = {});
    ~Backend() override;
    Backend(const Backend &) = delete;
    Backend &operator=(const Backend &) = delete;

    std::unique_ptr<DialogPeer>
    createDialog(Dialog &dialog, const res::DialogTemplate &dialogTemplate, Dialog *owner) override;
    Rect workArea() const override;
    void post(std::function<void()> task) override;
    std::unique_ptr<Timer> createTimer(std::function<void()> timeout) override;
    std::unique_ptr<FileWatcher> createFileWatcher(std::function<void()> changed) override;
    void setOnApplicationActivated(std::function<void()> activated) override;
    std::vector<std::u16string> readSetting(const std::u16string &key) override;
    void writeSetting(const std::u16string &key,
                      const std::vector<std::u16string> &values) override;

    struct State;

private:
    std::unique_ptr<State> state_;
};

// The window of a dialog, and of its control `id` (nullptr when it has none).
HWND WindowOf(const Dialog &dialog);
HWND ControlWindowOf(const Dialog &dialog, int id);

// Answers the seams of platform/seams.h with the system's message boxes (a task dialog where a
// question names buttons a message box has not), a report window, the open-file dialog and the
// process's end. The boxes said to be the main window's go to the oldest window without an
// owner that is still there: the main window.
void InstallSeams();

} // namespace gui::win32
