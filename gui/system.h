#pragma once
// What the windows ask of the system beyond their dialogs: the screen's work area, work for
// later, timers, file watching, the application becoming active, and the user's settings. Each
// call goes to the backend the executable installed (gui/backend.h).

#include "res/text.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gui {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The primary screen without its task bars, in screen coordinates.
Rect WorkArea();

// Runs `task` once on the user-interface thread after the present event has been handled.
void Post(std::function<void()> task);

// A single-shot timer on the user-interface thread.
class Timer {
public:
    virtual ~Timer() = default;
    // (Re)starts it: the timeout runs once, `milliseconds` from now.
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};
std::unique_ptr<Timer> MakeTimer(std::function<void()> timeout);

// Watches files for changes by other programs.
class FileWatcher {
public:
    virtual ~FileWatcher() = default;
    // Watches exactly these files (those that exist); a file replaced by renaming is a new file,
    // so callers watch again after every change.
    virtual void watch(const std::vector<std::u16string> &paths) = 0;
};
// `changed` runs on the user-interface thread after a watched file changed.
std::unique_ptr<FileWatcher> MakeFileWatcher(std::function<void()> changed);

// `activated` runs whenever the program becomes the active one (the user switches back to it),
// in place of the function given before; an empty function runs nothing.
void SetOnApplicationActivated(std::function<void()> activated);

// The user's settings: lists of texts by key, kept between runs.
std::vector<std::u16string> ReadSetting(const std::u16string &key);
void WriteSetting(const std::u16string &key, const std::vector<std::u16string> &values);

// Makes `language` the program's language at once: every text asked for afterwards, the toolkit's
// own texts, and every window, texted again.
void UseLanguage(res::Language language);

} // namespace gui
