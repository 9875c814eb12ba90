#include "gui/layout.h"
#include "gui/win32/internal.h"
#include "res/text.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace gui::win32 {

namespace {

// The commands of submenu items: a block of 256 per submenu.
constexpr int kSubmenuFirst = 0xE000;
constexpr int kSubmenuItems = 0x100;
constexpr int kSubmenuLast = 0xEFFF;

std::vector<Peer *> g_menuPeers;
// The windows without an owner, oldest first.
std::vector<Peer *> g_ownerless;

// The predefined classes by their atoms in a template.
enum : WORD { kButtonClass = 0x80, kEditClass = 0x81, kStaticClass = 0x82, kComboBoxClass = 0x85 };

struct Item {
    const res::Control *control; // nullptr: the hidden label that names the next control
    std::u16string_view text;
    res::Rect rect;
};

// The system's classes and styles of the template's kinds.
void WriteItem(TemplateWriter &writer, const Item &item) {
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD input = child | WS_TABSTOP | WS_GROUP;
    DWORD style = WS_CHILD | SS_LEFT | SS_NOPREFIX;
    DWORD exStyle = 0;
    WORD atom = kStaticClass;
    std::u16string_view className;
    std::u16string_view text = item.text;
    if (const res::Control *control = item.control) {
        const unsigned flags = control->style;
        switch (control->kind) {
        case res::Kind::Static:
            style = child | SS_LEFT | SS_NOPREFIX;
            break;
        case res::Kind::Edit:
            style = input | ES_LEFT | ES_AUTOHSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            atom = kEditClass;
            text = {}; // a search field's text is its cue, not its content
            break;
        case res::Kind::TextArea:
            style = input | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
            if (flags & res::kNoWrap) style |= ES_AUTOHSCROLL | WS_HSCROLL;
            exStyle = WS_EX_CLIENTEDGE;
            className = u"RICHEDIT50W";
            break;
        case res::Kind::Button:
            style = input | BS_PUSHBUTTON;
            atom = kButtonClass;
            break;
        case res::Kind::CheckBox:
            style = input | BS_AUTOCHECKBOX;
            atom = kButtonClass;
            break;
        case res::Kind::ComboBox:
            style = input | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
            atom = kComboBoxClass;
            break;
        case res::Kind::List:
            style = input | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER;
            if (flags & res::kSingleSelection) style |= LVS_SINGLESEL;
            exStyle = WS_EX_CLIENTEDGE;
            className = u"SysListView32";
            break;
        }
    }
    writer.alignToDword();
    writer.dword(0); // help id
    writer.dword(exStyle);
    writer.dword(style);
    writer.rect(item.rect);
    writer.dword(DWORD(item.control ? item.control->id : res::kNoId));
    if (className.empty()) {
        writer.word(0xFFFF);
        writer.word(atom);
    } else {
        writer.text(className);
    }
    writer.text(text);
    writer.word(0); // no creation data
}

// A template's text in the current language, kept by the table for as long as the program runs.
std::u16string_view Text(std::string_view key) { return res::StrIn(res::CurrentLanguage(), key); }

// The items in the order of the window's children. Assistive tools name an input by the label
// right before it: each label goes before the input it names, and an input with a name of its
// own but no label gets a hidden label with that name.
std::vector<Item> ItemsOf(const res::DialogTemplate &dialogTemplate) {
    const auto &controls = dialogTemplate.controls;
    auto labelled = [&](int id) {
        return id != res::kNoId &&
               std::any_of(controls.begin(), controls.end(),
                           [id](const res::Control &c) { return c.buddy == id; });
    };
    std::vector<Item> items;
    for (const res::Control &control : controls) {
        const bool placedByBuddy =
            control.buddy != res::kNoId &&
            std::any_of(controls.begin(), controls.end(),
                        [&](const res::Control &c) { return c.id == control.buddy; });
        if (placedByBuddy) continue;
        for (const res::Control &label : controls)
            if (control.id != res::kNoId && label.buddy == control.id)
                items.push_back({&label, Text(label.text), label.rect});
        if (!control.name.empty() && !labelled(control.id))
            items.push_back({nullptr, Text(control.name), control.rect});
        items.push_back({&control, Text(control.text), control.rect});
    }
    return items;
}

// A window without an owner is an overlapped window, not a pop-up: the system counts a pop-up's
// menu bar into the frame it hides above the screen when the window is maximised, and the
// caption would go with it.
DWORD DialogStyle(const res::DialogTemplate &dialogTemplate, bool owned) {
    DWORD style = (owned ? WS_POPUP : WS_OVERLAPPED) | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
                  DS_SHELLFONT | DS_CENTER;
    style |= (dialogTemplate.style & res::kResizable) ? WS_THICKFRAME : DS_MODALFRAME;
    if (dialogTemplate.style & res::kMinMaxBoxes) style |= WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    return style;
}

std::u16string MenuText(std::u16string_view text, int command) {
    std::u16string result(text);
    if (const std::u16string_view keys = CommandKeys(command); !keys.empty())
        result += u'\t' + std::u16string(keys);
    return result;
}

// Menu item texts take '&' as the mark of a mnemonic; a file name shows its own.
std::u16string WithoutMnemonics(const std::u16string &text) {
    std::u16string result;
    for (char16_t c : text) {
        result += c;
        if (c == u'&') result += u'&';
    }
    return result;
}

// The program's icon (resource 1 of the executable) in the sizes the system shows; none when the
// program carries none.
void SetProgramIcon(HWND window) {
    const HINSTANCE program = GetModuleHandleW(nullptr);
    for (const auto &[which, width, height] :
         {std::tuple{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
        if (HANDLE icon = LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                     GetSystemMetrics(width), GetSystemMetrics(height), LR_SHARED))
            SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
}

} // namespace

Peer::Peer(Dialog &dialog, const res::DialogTemplate &dialogTemplate, HWND owner)
    : dialog_(dialog), template_(dialogTemplate) {
    const std::vector<Item> items = ItemsOf(dialogTemplate);
    TemplateWriter writer;
    writer.header((owner ? 0 : WS_EX_APPWINDOW) |
                      ((dialogTemplate.style & res::kAcceptFiles) ? WS_EX_ACCEPTFILES : 0),
                  DialogStyle(dialogTemplate, owner != nullptr),
                  {0, 0, dialogTemplate.width, dialogTemplate.height},
                  res::Str(dialogTemplate.caption), dialogTemplate.fontPoints);
    writer.setItemCount(WORD(items.size()));
    for (const Item &item : items)
        WriteItem(writer, item);

    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), writer.data(), owner, Proc,
                               reinterpret_cast<LPARAM>(this));
    if (!hwnd_)
        throw std::runtime_error("cannot create dialog " + std::to_string(dialogTemplate.id));
    // The children stand in the order of the items.
    HWND child = GetWindow(hwnd_, GW_CHILD);
    for (const Item &item : items) {
        if (item.control) {
            placements_.push_back({child, item.control->rect, item.control->anchor});
            if (item.control->id != res::kNoId)
                controls_[item.control->id] = MakeControlPeer(child, *item.control, dialog_);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    SetProgramIcon(hwnd_);
    if (!owner) g_ownerless.push_back(this);
}

Peer::~Peer() {
    g_menuPeers.erase(std::remove(g_menuPeers.begin(), g_menuPeers.end(), this), g_menuPeers.end());
    g_ownerless.erase(std::remove(g_ownerless.begin(), g_ownerless.end(), this), g_ownerless.end());
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

Peer *Peer::FromWindow(HWND window) {
    if (!window || GetClassLongPtrW(window, GCW_ATOM) != ULONG_PTR(WC_DIALOG) ||
        GetWindowLongPtrW(window, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&Proc))
        return nullptr;
    return reinterpret_cast<Peer *>(GetWindowLongPtrW(window, DWLP_USER));
}

Peer *Peer::MainWindow() { return g_ownerless.empty() ? nullptr : g_ownerless.front(); }

Peer *Peer::WithMenuCommand(int command) {
    for (Peer *peer : g_menuPeers)
        if (peer->hasMenuCommand(command)) return peer;
    return nullptr;
}

INT_PTR CALLBACK Peer::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<Peer *>(lParam)->hwnd_ = hwnd;
        // No focus yet: the first input gets it when the window is first activated.
        return FALSE;
    }
    auto *peer = reinterpret_cast<Peer *>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return peer ? peer->handle(message, wParam, lParam) : FALSE;
}

INT_PTR Peer::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return TRUE;
    case WM_NOTIFY: {
        const auto &header = *reinterpret_cast<const NMHDR *>(lParam);
        ControlPeer *control = controlPeer(int(header.idFrom));
        LRESULT result = 0;
        if (!control || control->window() != header.hwndFrom || !control->notify(header, result))
            return FALSE;
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) layoutControls();
        return TRUE;
    case WM_GETMINMAXINFO: {
        if (!(template_.style & res::kResizable) || IsIconic(hwnd_)) return FALSE;
        // The frame as it is now around the template's client area.
        RECT window, client;
        GetWindowRect(hwnd_, &window);
        GetClientRect(hwnd_, &client);
        const RECT least = templateClientRect();
        auto *info = reinterpret_cast<MINMAXINFO *>(lParam);
        info->ptMinTrackSize = {window.right - window.left - client.right + least.right,
                                window.bottom - window.top - client.bottom + least.bottom};
        return TRUE;
    }
    case WM_MOUSEMOVE: {
        const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (ChildWindowFromPointEx(hwnd_, point, CWP_SKIPINVISIBLE) == hwnd_)
            DialogEvents::MouseMove(dialog_);
        return TRUE;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) return FALSE;
        DialogEvents::Activate(dialog_);
        if (pendingFocus_ && IsWindow(pendingFocus_)) {
            SetFocus(pendingFocus_);
            pendingFocus_ = nullptr;
            return TRUE;
        }
        return FALSE;
    case WM_SHOWWINDOW:
        // Only the program's own show and hide; an owner minimised hides its windows too.
        if (lParam == 0) {
            showing_ = wParam ? 1 : 0;
            DialogEvents::ShowOrHide(dialog_, wParam != 0);
            showing_ = -1;
        }
        return FALSE;
    case WM_CLOSE:
        if (DialogEvents::Close(dialog_)) done(false);
        return TRUE;
    case WM_PAINT:
        // Then the dialog manager paints.
        DialogEvents::Paint(dialog_);
        return FALSE;
    case WM_DROPFILES: {
        auto drop = reinterpret_cast<HDROP>(wParam);
        std::vector<std::u16string> paths;
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
            const UINT length = DragQueryFileW(drop, i, path.data(), UINT(path.size()));
            paths.push_back(FromWide(path.data(), length));
        }
        DragFinish(drop);
        DialogEvents::DropFiles(dialog_, paths);
        return TRUE;
    }
    }
    return FALSE;
}

void Peer::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    if (lParam == 0) {
        // The dialog manager's OK and Cancel: Enter and Escape are routed before it sees them.
        if (id == IDOK || id == IDCANCEL) return;
        if (id >= kSubmenuFirst && id <= kSubmenuLast) {
            const size_t slot = size_t(id - kSubmenuFirst) / kSubmenuItems;
            if (slot < submenus_.size() && submenus_[slot].chosen)
                submenus_[slot].chosen(size_t(id - kSubmenuFirst) % kSubmenuItems);
            return;
        }
        DialogEvents::Command(dialog_, id);
        return;
    }
    ControlPeer *control = controlPeer(id);
    if (control && control->window() == reinterpret_cast<HWND>(lParam))
        control->command(HIWORD(wParam));
}

RECT Peer::templateClientRect() const {
    RECT rect = {0, 0, template_.width, template_.height};
    MapDialogRect(hwnd_, &rect);
    return rect;
}

void Peer::layoutControls() {
    if (placements_.empty()) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    const RECT least = templateClientRect();
    const int grownX = client.right - least.right;
    const int grownY = client.bottom - least.bottom;
    HDWP moves = BeginDeferWindowPos(int(placements_.size()));
    for (const Placement &placement : placements_) {
        if (!(placement.anchor & (res::kAnchorRight | res::kAnchorBottom))) continue;
        RECT rect = {placement.rect.x, placement.rect.y, placement.rect.x + placement.rect.width,
                     placement.rect.y + placement.rect.height};
        // A combo box's template height is that of its dropped-down list, as the system takes it.
        MapDialogRect(hwnd_, &rect);
        const Rect place =
            Follow({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top},
                   placement.anchor, grownX, grownY);
        moves = DeferWindowPos(moves, placement.window, nullptr, place.x, place.y, place.width,
                               place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EndDeferWindowPos(moves);
}

Control *Peer::control(int id) const {
    ControlPeer *peer = controlPeer(id);
    return peer ? &peer->handle() : nullptr;
}

ControlPeer *Peer::controlPeer(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second.get();
}

void Peer::show() { ShowWindow(hwnd_, SW_SHOW); }
void Peer::hide() { ShowWindow(hwnd_, SW_HIDE); }
void Peer::showNormal() { ShowWindow(hwnd_, SW_SHOWNORMAL); }
void Peer::showMaximized() { ShowWindow(hwnd_, SW_SHOWMAXIMIZED); }

bool Peer::isVisible() const { return showing_ >= 0 ? showing_ == 1 : IsWindowVisible(hwnd_); }

void Peer::move(int x, int y) {
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Size Peer::frameSize() const {
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void Peer::setCaption(const std::u16string &caption) { SetWindowTextW(hwnd_, Wide(caption)); }

std::u16string Peer::caption() const { return WindowText(hwnd_); }

bool Peer::exec() {
    accepted_ = false;
    running_ = true;
    {
        // The others take input again before this window hides, so that one of them becomes
        // the active window.
        ModalScope modal(hwnd_, ModalScope::Owned::Kept);
        EnableWindow(hwnd_, TRUE);
        ShowWindow(hwnd_, SW_SHOW);
        RunModalLoop(running_);
        running_ = false;
    }
    ShowWindow(hwnd_, SW_HIDE);
    return accepted_;
}

void Peer::done(bool accepted) {
    if (running_) {
        accepted_ = accepted;
        running_ = false;
    } else {
        hide();
    }
}

void Peer::attachMenu(const res::Menu &menu) {
    menu_ = CreateMenu();
    menuTemplate_ = &menu;
    for (const res::Popup &popup : menu.popups) {
        HMENU items = CreatePopupMenu();
        for (const res::MenuItem &item : popup.items)
            AppendMenuW(items, MF_STRING, UINT_PTR(item.command),
                        Wide(MenuText(res::Str(item.text), item.command)));
        AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(items), Wide(res::Str(popup.text)));
    }
    // The client area stays the template's: the window grows by the menu bar.
    RECT before, after, window;
    GetClientRect(hwnd_, &before);
    SetMenu(hwnd_, menu_);
    GetClientRect(hwnd_, &after);
    GetWindowRect(hwnd_, &window);
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + before.bottom - after.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    g_menuPeers.push_back(this);
}

void Peer::retext() {
    SetWindowTextW(hwnd_, Wide(res::Str(template_.caption)));
    // The children stand in the order of the template's items (ItemsOf).
    HWND child = GetWindow(hwnd_, GW_CHILD);
    for (const Item &item : ItemsOf(template_)) {
        if (!child) break;
        const res::Control *control = item.control;
        const res::Kind kind = control ? control->kind : res::Kind::Static;
        const std::u16string text(item.text);
        if (kind == res::Kind::Button || kind == res::Kind::CheckBox ||
            (kind == res::Kind::Static && !text.empty())) {
            SetWindowTextW(child, Wide(text));
        } else if (kind == res::Kind::Edit && (control->style & res::kSearchField)) {
            SendMessageW(child, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(Wide(text)));
        } else if (kind == res::Kind::ComboBox && !control->items.empty()) {
            const LRESULT chosen = SendMessageW(child, CB_GETCURSEL, 0, 0);
            for (size_t i = 0; i < control->items.size(); ++i) {
                const std::u16string itemText(res::Str(control->items[i]));
                SendMessageW(child, CB_DELETESTRING, i, 0);
                SendMessageW(child, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(Wide(itemText)));
            }
            if (chosen != CB_ERR) SendMessageW(child, CB_SETCURSEL, WPARAM(chosen), 0);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    if (!menu_ || !menuTemplate_) return;
    for (size_t i = 0; i < menuTemplate_->popups.size(); ++i) {
        const res::Popup &popup = menuTemplate_->popups[i];
        const std::u16string title(res::Str(popup.text));
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<wchar_t *>(Wide(title));
        SetMenuItemInfoW(menu_, UINT(i), TRUE, &info);
        for (const res::MenuItem &item : popup.items) {
            const std::u16string shown = MenuText(res::Str(item.text), item.command);
            info.dwTypeData = const_cast<wchar_t *>(Wide(shown));
            SetMenuItemInfoW(menu_, UINT(item.command), FALSE, &info);
        }
    }
    DrawMenuBar(hwnd_);
}

bool Peer::hasMenuCommand(int command) const {
    return menu_ && GetMenuState(menu_, UINT(command), MF_BYCOMMAND) != UINT(-1);
}

bool Peer::isMenuCommandEnabled(int command) const {
    const UINT state = menu_ ? GetMenuState(menu_, UINT(command), MF_BYCOMMAND) : UINT(-1);
    return state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

void Peer::setMenuItem(int command, const std::u16string &text, bool enabled) {
    if (!menu_) return;
    const std::u16string shown = MenuText(text, command);
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING | MIIM_STATE;
    item.dwTypeData = const_cast<wchar_t *>(Wide(shown));
    item.fState = enabled ? MFS_ENABLED : MFS_GRAYED;
    SetMenuItemInfoW(menu_, UINT(command), FALSE, &item);
    DrawMenuBar(hwnd_);
}

void Peer::setSubmenu(int command, const std::vector<std::u16string> &items,
                      std::function<void(size_t index)> chosen) {
    if (!hasMenuCommand(command)) return;
    auto slot = std::find_if(submenus_.begin(), submenus_.end(),
                             [command](const Submenu &s) { return s.command == command; });
    if (slot == submenus_.end()) {
        if (submenus_.size() * kSubmenuItems > kSubmenuLast - kSubmenuFirst)
            throw std::logic_error("too many submenus");
        slot = submenus_.insert(submenus_.end(), {command, nullptr, {}});
    }
    const int first = kSubmenuFirst + int(slot - submenus_.begin()) * kSubmenuItems;
    HMENU submenu = CreatePopupMenu();
    for (size_t i = 0; i < std::min(items.size(), size_t(kSubmenuItems)); ++i)
        AppendMenuW(submenu, MF_STRING, UINT_PTR(first + int(i)), Wide(WithoutMnemonics(items[i])));
    MENUITEMINFOW item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_SUBMENU | MIIM_STATE;
    item.hSubMenu = submenu;
    // An empty submenu has nothing to offer: its item is greyed.
    item.fState = items.empty() ? MFS_GRAYED : MFS_ENABLED;
    SetMenuItemInfoW(menu_, UINT(command), FALSE, &item);
    if (slot->menu) DestroyMenu(slot->menu);
    slot->menu = submenu;
    slot->chosen = std::move(chosen);
}

bool Peer::enterOrEscape(UINT vk) {
    HWND focus = GetFocus();
    ControlPeer *focused = nullptr;
    for (const auto &[id, control] : controls_)
        if (focus && (control->window() == focus || IsChild(control->window(), focus)))
            focused = control.get();
    switch (focused ? focused->route(vk) : KeyRoute::Dialog) {
    case KeyRoute::Control:
        return false;
    case KeyRoute::Consumed:
        return true;
    case KeyRoute::Dialog:
        break;
    }
    if (vk == VK_RETURN) {
        DialogEvents::Enter(dialog_);
    } else if (!DialogEvents::Escape(dialog_)) {
        done(false);
    }
    return true;
}

bool Peer::focusSearchField() {
    for (const auto &[id, control] : controls_) {
        if (!control->isSearchField() || !IsWindowVisible(control->window())) continue;
        SetFocus(control->window());
        SendMessageW(control->window(), EM_SETSEL, 0, -1);
        return true;
    }
    return false;
}

void FocusControl(HWND control) {
    HWND root = GetAncestor(control, GA_ROOT);
    if (root == GetActiveWindow()) {
        SetFocus(control);
    } else if (Peer *peer = Peer::FromWindow(root)) {
        // Giving the focus to a control of another window would activate that window.
        peer->setPendingFocus(control);
    }
}

} // namespace gui::win32
