#pragma once
// The Qt backend: every gui::Dialog drawn with Qt Widgets, the system services with Qt's, and the
// program's start on a QApplication.

#include "gui/backend.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

namespace gui::qt {

class QtBackend : public Backend {
public:
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
    void languageChanged() override;

    // The first window made without an owner: the main window, which owns the boxes said to be
    // the main window's.
    QWidget *mainWindow() const { return main_; }

private:
    QPointer<QWidget> main_;
    QMetaObject::Connection activated_;
};

// What a program does once the application and the backend stand: its arguments (without the
// program's name) in, the process's exit status out.
using ProgramMain = std::function<int(const std::vector<std::u16string> &arguments)>;

// Whom the windows are for: the user, or a replay of scenarios, which draws them on the offscreen
// platform unless QT_QPA_PLATFORM names another and keeps its settings apart from the user's.
enum class Audience { User, Replay };

// Runs `program` on a QApplication with the Qt backend installed, Qt's standard dialogs in
// Chinese, the program's icon on every window and the seams answered by real dialogs.
int Main(int argc, char **argv, const ProgramMain &program, Audience audience = Audience::User);

} // namespace gui::qt
