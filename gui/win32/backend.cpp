#include "gui/win32/win32backend.h"

#include "gui/win32/internal.h"

#include <richedit.h>
#include <shlobj.h>

#include <algorithm>
#include <cwctype>
#include <deque>
#include <stdexcept>
#include <thread>

namespace gui::win32 {

namespace {

// The messages of the program's hidden window.
enum : UINT {
    kRunPosted = WM_APP + 1, // run the oldest posted task
    kFilesChanged,           // a watcher's folder changed; wParam: the watcher's number
    kApplicationActivated,   // the program became the active one
};

const wchar_t kMessageWindowClass[] = L"VantaEditMessages";

class TimerImpl;
class WatcherImpl;

} // namespace

struct Backend::State {
    std::u16string settingsFolder;
    HWND messages = nullptr;
    std::deque<std::function<void()>> posted;
    std::map<UINT_PTR, TimerImpl *> timers;
    UINT_PTR nextTimer = 1;
    std::map<WPARAM, WatcherImpl *> watchers;
    WPARAM nextWatcher = 1;
    std::function<void()> activated;
};

namespace {

Backend::State *g_state = nullptr;

class TimerImpl final : public Timer {
public:
    explicit TimerImpl(std::function<void()> timeout)
        : id_(g_state->nextTimer++), timeout_(std::move(timeout)) {
        g_state->timers[id_] = this;
    }
    ~TimerImpl() override {
        stop();
        g_state->timers.erase(id_);
    }
    void start(int milliseconds) override {
        SetTimer(g_state->messages, id_, UINT(std::max(milliseconds, 0)), nullptr);
        active_ = true;
    }
    void stop() override {
        if (active_) KillTimer(g_state->messages, id_);
        active_ = false;
    }
    bool isActive() const override { return active_; }
    void fire() {
        stop();
        timeout_();
    }

private:
    UINT_PTR id_;
    std::function<void()> timeout_;
    bool active_ = false;
};

// What the watcher compares: whether the file is there, when it was written and how long it is.
struct Stamp {
    bool exists = false;
    ULONGLONG written = 0;
    ULONGLONG size = 0;
    bool operator==(const Stamp &) const = default;
};

Stamp StampOf(const std::u16string &path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Wide(path), GetFileExInfoStandard, &data)) return {};
    return {true,
            (ULONGLONG(data.ftLastWriteTime.dwHighDateTime) << 32) |
                data.ftLastWriteTime.dwLowDateTime,
            (ULONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

// Change notifications of the watched files' folders, waited for on a thread of its own, which
// posts each to the hidden window; there the files' stamps tell whether a watched one changed.
class WatcherImpl final : public FileWatcher {
public:
    explicit WatcherImpl(std::function<void()> changed)
        : id_(g_state->nextWatcher++), changed_(std::move(changed)) {
        g_state->watchers[id_] = this;
    }
    ~WatcherImpl() override {
        stopWaiting();
        g_state->watchers.erase(id_);
    }

    void watch(const std::vector<std::u16string> &paths) override {
        stopWaiting();
        files_.clear();
        std::vector<std::u16string> folders;
        for (const std::u16string &path : paths) {
            const Stamp stamp = StampOf(path);
            if (!stamp.exists) continue;
            files_.push_back({path, stamp});
            const size_t slash = path.find_last_of(u"\\/");
            std::u16string folder = slash == std::u16string::npos ? u"." : path.substr(0, slash);
            if (folder.empty() || folder.back() == u':') folder += u'\\';
            if (std::find(folders.begin(), folders.end(), folder) == folders.end())
                folders.push_back(folder);
        }
        std::vector<HANDLE> handles;
        for (const std::u16string &folder : folders) {
            HANDLE change = FindFirstChangeNotificationW(Wide(folder), FALSE,
                                                         FILE_NOTIFY_CHANGE_FILE_NAME |
                                                             FILE_NOTIFY_CHANGE_LAST_WRITE |
                                                             FILE_NOTIFY_CHANGE_SIZE);
            if (change != INVALID_HANDLE_VALUE) handles.push_back(change);
        }
        if (handles.empty()) return;
        stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        handles.insert(handles.begin(), stop_);
        thread_ = std::thread([handles, window = g_state->messages, id = id_] {
            for (;;) {
                const DWORD signalled =
                    WaitForMultipleObjects(DWORD(handles.size()), handles.data(), FALSE, INFINITE);
                const size_t index = signalled - WAIT_OBJECT_0;
                if (index == 0 || index >= handles.size()) break;
                PostMessageW(window, kFilesChanged, id, 0);
                if (!FindNextChangeNotification(handles[index])) break;
            }
            for (size_t i = 1; i < handles.size(); ++i)
                FindCloseChangeNotification(handles[i]);
        });
    }

    void folderChanged() {
        bool changed = false;
        for (File &file : files_) {
            const Stamp now = StampOf(file.path);
            changed = changed || now != file.stamp;
            file.stamp = now;
        }
        if (changed) changed_();
    }

private:
    struct File {
        std::u16string path;
        Stamp stamp;
    };

    void stopWaiting() {
        if (!thread_.joinable()) return;
        SetEvent(stop_);
        thread_.join();
        CloseHandle(stop_);
        stop_ = nullptr;
    }

    WPARAM id_;
    std::function<void()> changed_;
    std::vector<File> files_;
    HANDLE stop_ = nullptr;
    std::thread thread_;
};

LRESULT CALLBACK MessageWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kRunPosted: {
        if (g_state->posted.empty()) return 0;
        std::function<void()> task = std::move(g_state->posted.front());
        g_state->posted.pop_front();
        task();
        return 0;
    }
    case WM_TIMER:
        if (auto it = g_state->timers.find(wParam); it != g_state->timers.end()) it->second->fire();
        return 0;
    case kFilesChanged:
        if (auto it = g_state->watchers.find(wParam); it != g_state->watchers.end())
            it->second->folderChanged();
        return 0;
    case WM_ACTIVATEAPP:
        // Sent in the middle of the switch; the program hears of it once the switch is done.
        if (wParam) PostMessageW(hwnd, kApplicationActivated, 0, 0);
        return 0;
    case kApplicationActivated:
        if (g_state->activated) g_state->activated();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The settings live in one UTF-8 file, by default in the user's application data folder, a
// line per text: the key, a tab, the text with backslash, tab and line breaks escaped.
std::u16string SettingsPath() {
    std::u16string path = g_state->settingsFolder;
    if (path.empty()) {
        wchar_t folder[MAX_PATH];
        if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                    SHGFP_TYPE_CURRENT, folder)))
            return {};
        path = FromWide(folder) + u"\\VantaEdit";
    }
    CreateDirectoryW(Wide(path), nullptr);
    return path + u"\\settings.txt";
}

std::string Utf8(const std::u16string &text) {
    if (text.empty()) return {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, Wide(text), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, Wide(text), int(text.size()), result.data(), length, nullptr,
                        nullptr);
    return result;
}

std::u16string FromUtf8(std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), result.data(), length);
    return FromWide(result.data(), result.size());
}

std::u16string Escape(const std::u16string &text) {
    std::u16string result;
    for (char16_t c : text) {
        switch (c) {
        case u'\\':
            result += u"\\\\";
            break;
        case u'\t':
            result += u"\\t";
            break;
        case u'\n':
            result += u"\\n";
            break;
        case u'\r':
            result += u"\\r";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::u16string Unescape(std::u16string_view text) {
    std::u16string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const char16_t next = text[++i];
        result += next == u't' ? u'\t' : next == u'n' ? u'\n' : next == u'r' ? u'\r' : next;
    }
    return result;
}

// Each line of the settings file as key and text.
std::vector<std::pair<std::u16string, std::u16string>> ReadSettings(const std::u16string &path) {
    std::vector<std::pair<std::u16string, std::u16string>> entries;
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return entries;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    const std::u16string text = FromUtf8(bytes);
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find(u'\n', start), text.size());
        const std::u16string_view line(text.data() + start, end - start);
        if (const size_t tab = line.find(u'\t'); tab != std::u16string_view::npos)
            entries.emplace_back(std::u16string(line.substr(0, tab)),
                                 Unescape(line.substr(tab + 1)));
        start = end + 1;
    }
    return entries;
}

} // namespace

std::u16string WindowText(HWND window) {
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = GetWindowTextW(window, text.data(), int(text.size()));
    return FromWide(text.data(), size_t(std::max(length, 0)));
}

KeyChord ParseKeys(std::u16string_view keys) {
    static const std::pair<std::u16string_view, UINT> kNamed[] = {
        {u"Enter", VK_RETURN}, {u"Escape", VK_ESCAPE}, {u"Delete", VK_DELETE},
        {u"Tab", VK_TAB},      {u"Up", VK_UP},         {u"Down", VK_DOWN},
        {u"Left", VK_LEFT},    {u"Right", VK_RIGHT},   {u"Home", VK_HOME},
        {u"End", VK_END},      {u"PageUp", VK_PRIOR},  {u"PageDown", VK_NEXT},
        {u"Space", VK_SPACE},
    };
    KeyChord chord;
    for (size_t start = 0; start <= keys.size();) {
        const size_t plus = std::min(keys.find(u'+', start), keys.size());
        const std::u16string_view part = keys.substr(start, plus - start);
        start = plus + 1;
        if (part == u"Ctrl") {
            chord.ctrl = true;
        } else if (part == u"Shift") {
            chord.shift = true;
        } else if (part == u"Alt") {
            chord.alt = true;
        } else if (part.size() == 1 && std::iswalnum(wint_t(part[0])) && part[0] < 0x80) {
            chord.vk = UINT(std::towupper(wint_t(part[0])));
        } else if (part.size() >= 2 && part[0] == u'F' &&
                   std::all_of(part.begin() + 1, part.end(),
                               [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
            int number = 0;
            for (char16_t c : part.substr(1))
                number = number * 10 + (c - u'0');
            if (number < 1 || number > 24) throw std::invalid_argument("no such key");
            chord.vk = VK_F1 + UINT(number - 1);
        } else {
            auto named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                      [part](const auto &key) { return key.first == part; });
            if (named == std::end(kNamed)) throw std::invalid_argument("no such key");
            chord.vk = named->second;
        }
    }
    if (chord.vk == 0) throw std::invalid_argument("keys without a key");
    return chord;
}

bool IsChord(const MSG &msg, const KeyChord &chord) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    auto held = [](int vk) { return (GetKeyState(vk) & 0x8000) != 0; };
    return msg.wParam == chord.vk && held(VK_CONTROL) == chord.ctrl &&
           held(VK_SHIFT) == chord.shift && held(VK_MENU) == chord.alt;
}

Key KeyOf(UINT vk) {
    switch (vk) {
    case VK_RETURN:
        return Key::Enter;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_UP:
        return Key::Up;
    case VK_DOWN:
        return Key::Down;
    case VK_LEFT:
        return Key::Left;
    case VK_RIGHT:
        return Key::Right;
    case VK_PRIOR:
        return Key::PageUp;
    case VK_NEXT:
        return Key::PageDown;
    case VK_HOME:
        return Key::Home;
    case VK_END:
        return Key::End;
    case VK_DELETE:
        return Key::Delete;
    }
    return Key::Other;
}

std::u16string_view CommandKeys(int command) {
    for (const res::Accelerator &accelerator : res::Accelerators())
        if (accelerator.command == command) return accelerator.keys;
    return {};
}

namespace {

// A plain edit box keeps one step to take back, and taking it back is itself the step: what
// the box shows right after the key took a step back, so that the next Undo goes to the
// document and Redo takes the box's step again.
std::map<HWND, std::u16string> g_editUndone;

bool IsClass(HWND window, const wchar_t *name) {
    wchar_t className[64];
    return GetClassNameW(window, className, 64) && _wcsicmp(className, name) == 0;
}

// The text field with the focus takes Undo or Redo when it has typing of its own to take back
// or to do again.
bool TextFieldTakes(res::Accelerator::TextFirst which) {
    using TextFirst = res::Accelerator::TextFirst;
    HWND focus = GetFocus();
    if (!focus) return false;
    if (IsClass(focus, MSFTEDIT_CLASS)) {
        const bool undo = which == TextFirst::Undo;
        if (!SendMessageW(focus, undo ? EM_CANUNDO : EM_CANREDO, 0, 0)) return false;
        SendMessageW(focus, undo ? EM_UNDO : EM_REDO, 0, 0);
        return true;
    }
    if (!IsClass(focus, L"Edit")) return false;
    auto undone = g_editUndone.find(focus);
    const bool justUndone = undone != g_editUndone.end() && undone->second == WindowText(focus);
    if (which == TextFirst::Undo) {
        if (justUndone || !SendMessageW(focus, EM_CANUNDO, 0, 0)) return false;
        SendMessageW(focus, EM_UNDO, 0, 0);
        g_editUndone[focus] = WindowText(focus);
        return true;
    }
    if (!justUndone || !SendMessageW(focus, EM_CANUNDO, 0, 0)) return false;
    g_editUndone.erase(undone);
    SendMessageW(focus, EM_UNDO, 0, 0);
    return true;
}

// The program's keys, before the window with the focus sees them: the menu's keys in every
// window, Ctrl+F, and Enter and Escape as our dialogs route them.
bool TranslateProgramKeys(const MSG &msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    static const std::vector<std::pair<KeyChord, res::Accelerator>> accelerators = [] {
        std::vector<std::pair<KeyChord, res::Accelerator>> parsed;
        for (const res::Accelerator &accelerator : res::Accelerators())
            parsed.emplace_back(ParseKeys(accelerator.keys), accelerator);
        return parsed;
    }();
    for (const auto &[chord, accelerator] : accelerators) {
        if (!IsChord(msg, chord)) continue;
        if (accelerator.textFirst != res::Accelerator::TextFirst::No &&
            TextFieldTakes(accelerator.textFirst))
            return true;
        Peer *peer = Peer::WithMenuCommand(accelerator.command);
        // A window a modal one blocks takes no command.
        if (!peer || !IsWindowEnabled(peer->hwnd())) return false;
        if (peer->isMenuCommandEnabled(accelerator.command))
            SendMessageW(peer->hwnd(), WM_COMMAND, MAKEWPARAM(accelerator.command, 1), 0);
        return true;
    }
    Peer *peer = Peer::FromWindow(GetAncestor(msg.hwnd, GA_ROOT));
    if (!peer) return false;
    static const KeyChord find = ParseKeys(u"Ctrl+F");
    if (IsChord(msg, find) && peer->focusSearchField()) return true;
    const bool plain = msg.message == WM_KEYDOWN && !(GetKeyState(VK_CONTROL) & 0x8000) &&
                       !(GetKeyState(VK_SHIFT) & 0x8000);
    if (plain && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE))
        return peer->enterOrEscape(UINT(msg.wParam));
    return false;
}

bool IsDialogWindow(HWND window) {
    return window && GetClassLongPtrW(window, GCW_ATOM) == ULONG_PTR(WC_DIALOG);
}

} // namespace

void ProcessMessage(MSG &msg) {
    if (TranslateProgramKeys(msg)) return;
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (IsDialogWindow(root) && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void ProcessQueuedMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        ProcessMessage(msg);
    }
}

bool RunModalLoop(const bool &running) {
    MSG msg;
    while (running) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) return false;
        if (got == 0) {
            PostQuitMessage(int(msg.wParam));
            return false;
        }
        ProcessMessage(msg);
    }
    return true;
}

ModalScope::ModalScope(HWND keep, Owned owned) {
    struct Search {
        HWND keep;
        Owned owned;
        std::vector<HWND> *disabled;
    } search{keep, owned, &disabled_};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto *search = reinterpret_cast<Search *>(data);
            bool kept = window == search->keep;
            for (HWND owner = GetWindow(window, GW_OWNER);
                 owner && search->owned == Owned::Kept && !kept; owner = GetWindow(owner, GW_OWNER))
                kept = owner == search->keep;
            if (!kept && IsDialogWindow(window) && IsWindowEnabled(window))
                search->disabled->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND window : disabled_)
        EnableWindow(window, FALSE);
}

ModalScope::~ModalScope() {
    for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it)
        if (IsWindow(*it)) EnableWindow(*it, TRUE);
}

Backend::Backend(std::u16string settingsFolder) : state_(std::make_unique<State>()) {
    if (g_state) throw std::logic_error("a second Windows backend");
    state_->settingsFolder = std::move(settingsFolder);
    g_state = state_.get();
    // The text areas are rich edit fields of this library, kept loaded for the whole run.
    LoadLibraryW(L"Msftedit.dll");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MessageWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kMessageWindowClass;
    RegisterClassExW(&windowClass);
    // A top-level window that is never shown: it hears when the program becomes active, which
    // a message-only window would not.
    state_->messages = CreateWindowExW(0, kMessageWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                       nullptr, windowClass.hInstance, nullptr);
    if (!state_->messages) throw std::runtime_error("cannot create the message window");
}

Backend::~Backend() {
    DestroyWindow(state_->messages);
    UnregisterClassW(kMessageWindowClass, GetModuleHandleW(nullptr));
    g_state = nullptr;
}

std::unique_ptr<DialogPeer>
Backend::createDialog(Dialog &dialog, const res::DialogTemplate &dialogTemplate, Dialog *owner) {
    return std::make_unique<Peer>(dialog, dialogTemplate, owner ? WindowOf(*owner) : nullptr);
}

Rect Backend::workArea() const {
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

void Backend::post(std::function<void()> task) {
    state_->posted.push_back(std::move(task));
    PostMessageW(state_->messages, kRunPosted, 0, 0);
}

std::unique_ptr<Timer> Backend::createTimer(std::function<void()> timeout) {
    return std::make_unique<TimerImpl>(std::move(timeout));
}

std::unique_ptr<FileWatcher> Backend::createFileWatcher(std::function<void()> changed) {
    return std::make_unique<WatcherImpl>(std::move(changed));
}

void Backend::setOnApplicationActivated(std::function<void()> activated) {
    state_->activated = std::move(activated);
}

std::vector<std::u16string> Backend::readSetting(const std::u16string &key) {
    std::vector<std::u16string> values;
    for (auto &[entryKey, value] : ReadSettings(SettingsPath()))
        if (entryKey == key) values.push_back(std::move(value));
    return values;
}

void Backend::writeSetting(const std::u16string &key, const std::vector<std::u16string> &values) {
    const std::u16string path = SettingsPath();
    if (path.empty()) return;
    std::u16string text;
    for (const auto &[entryKey, value] : ReadSettings(path))
        if (entryKey != key) text += entryKey + u'\t' + Escape(value) + u'\n';
    for (const std::u16string &value : values)
        text += key + u'\t' + Escape(value) + u'\n';
    // Written beside the file and moved over it: a failed write leaves the old settings.
    const std::u16string written = path + u".new";
    HANDLE file = CreateFileW(Wide(written), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string bytes = Utf8(text);
    DWORD wrote = 0;
    const bool ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &wrote, nullptr) &&
                    wrote == bytes.size();
    CloseHandle(file);
    if (!ok || !MoveFileExW(Wide(written), Wide(path), MOVEFILE_REPLACE_EXISTING))
        DeleteFileW(Wide(written));
}

HWND WindowOf(const Dialog &dialog) { return static_cast<const Peer &>(dialog.peer()).hwnd(); }

HWND ControlWindowOf(const Dialog &dialog, int id) {
    ControlPeer *control = static_cast<const Peer &>(dialog.peer()).controlPeer(id);
    return control ? control->window() : nullptr;
}

} // namespace gui::win32
