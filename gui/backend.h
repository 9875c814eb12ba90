#pragma once
// What a backend implements: the windows and controls of a toolkit behind gui::Dialog and the
// control handles, and the system services of gui/system.h. The executable installs one backend
// before it makes any window.

#include "gui/dialog.h"
#include "gui/system.h"
#include "res/resources.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gui {

// One window of the backend's, built from a template for a gui::Dialog, to which it delivers
// the window's events through DialogEvents.
class DialogPeer {
public:
    virtual ~DialogPeer() = default;
    virtual Control *control(int id) const = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void showNormal() = 0;
    virtual void showMaximized() = 0;
    virtual bool isVisible() const = 0;
    virtual void move(int x, int y) = 0;
    virtual Size frameSize() const = 0;
    virtual void setCaption(const std::u16string &caption) = 0;
    virtual std::u16string caption() const = 0;
    virtual bool exec() = 0;
    virtual void done(bool accepted) = 0;
    virtual void attachMenu(const res::Menu &menu) = 0;
    // The texts of the template and of the attached menu again, in the current language.
    virtual void retext() = 0;
    virtual void setMenuItem(int command, const std::u16string &text, bool enabled) = 0;
    virtual void setSubmenu(int command, const std::vector<std::u16string> &items,
                            std::function<void(size_t index)> chosen) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual std::unique_ptr<DialogPeer>
    createDialog(Dialog &dialog, const res::DialogTemplate &dialogTemplate, Dialog *owner) = 0;
    virtual Rect workArea() const = 0;
    virtual void post(std::function<void()> task) = 0;
    virtual std::unique_ptr<Timer> createTimer(std::function<void()> timeout) = 0;
    virtual std::unique_ptr<FileWatcher> createFileWatcher(std::function<void()> changed) = 0;
    virtual void setOnApplicationActivated(std::function<void()> activated) = 0;
    virtual std::vector<std::u16string> readSetting(const std::u16string &key) = 0;
    virtual void writeSetting(const std::u16string &key,
                              const std::vector<std::u16string> &values) = 0;
    // The program's language changed (res::CurrentLanguage): the toolkit's own texts follow it.
    virtual void languageChanged() {}
};

// Installs the backend every window and service uses; it must outlive them.
void SetBackend(Backend *backend);
// The installed backend. Calling anything of gui/ without one is a programming error.
Backend &CurrentBackend();

} // namespace gui
