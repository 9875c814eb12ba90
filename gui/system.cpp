#include "gui/backend.h"

#include <stdexcept>

namespace gui {

namespace {

Backend *g_backend = nullptr;

} // namespace

void SetBackend(Backend *backend) { g_backend = backend; }

void UseLanguage(res::Language language) {
    res::SetLanguage(language);
    CurrentBackend().languageChanged();
    Dialog::RetextAll();
}

Backend &CurrentBackend() {
    if (!g_backend) throw std::logic_error("no user-interface backend installed");
    return *g_backend;
}

Rect WorkArea() { return CurrentBackend().workArea(); }

void Post(std::function<void()> task) { CurrentBackend().post(std::move(task)); }

std::unique_ptr<Timer> MakeTimer(std::function<void()> timeout) {
    return CurrentBackend().createTimer(std::move(timeout));
}

std::unique_ptr<FileWatcher> MakeFileWatcher(std::function<void()> changed) {
    return CurrentBackend().createFileWatcher(std::move(changed));
}

void SetOnApplicationActivated(std::function<void()> activated) {
    CurrentBackend().setOnApplicationActivated(std::move(activated));
}

std::vector<std::u16string> ReadSetting(const std::u16string &key) {
    return CurrentBackend().readSetting(key);
}

void WriteSetting(const std::u16string &key, const std::vector<std::u16string> &values) {
    CurrentBackend().writeSetting(key, values);
}

} // namespace gui
