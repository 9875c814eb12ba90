#pragma once
// The dialog layer on the Windows API itself: each gui::Dialog a dialog of the system's dialog
// manager built from its template, the controls the system's own (the list view, combo boxes,
// edit boxes, rich edit fields of "Msftedit.dll"), input through the window messages a user's
// input makes, and the seams of platform/seams.h answered with the system's boxes and dialogs.

#include "gui/backend.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>
#include <string_view>

namespace gui::win32 {

class Driver final : public gui::Driver {
public:
    void clickRow(Dialog &window, int listId, int row, bool ctrl) override;
    void pressKey(Dialog &window, int controlId, Key key) override;
    void moveOverSurface(Dialog &window) override;
    void click(Dialog &window, int controlId) override;
    void type(Dialog &window, int controlId, const std::u16string &text) override;
    void choose(Dialog &window, int comboId, int index) override;
    void command(Dialog &window, int command) override;
    void settle() override;
    // Keys in the portable form ("Ctrl+F", "Ctrl+Shift+Z") pressed in control `controlId`
    // (res::kNoId: the window).
    void pressKeys(Dialog &window, int controlId, std::u16string_view keys);
};

class Backend final : public gui::Backend {
public:
    // Loads the rich edit library and initialises the common controls. One per program.
    Backend();
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
    Driver &driver() override { return driver_; }

    struct State;

private:
    std::unique_ptr<State> state_;
    Driver driver_;
};

// The window of a dialog, and of its control `id` (nullptr when it has none).
HWND WindowOf(const Dialog &dialog);
HWND ControlWindowOf(const Dialog &dialog, int id);

// Answers the seams of platform/seams.h with the system's message boxes (a task dialog where a
// question names buttons a message box has not), a report window, the open-file dialog and the
// process's end. Boxes owned by the main window go to `mainWindow`, which must outlive them.
void InstallSeams(const Dialog &mainWindow);

} // namespace gui::win32
