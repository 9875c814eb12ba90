#include "gui/win32/win32driver.h"

#include "gui/win32/internal.h"
#include "gui/win32/win32backend.h"
#include "platform/codepage.h"

#include <stdexcept>
#include <string>

namespace gui::win32 {

namespace {

[[noreturn]] void CannotDo(const std::string &what) { throw std::runtime_error(what); }

HWND WindowOrFail(Dialog &window) {
    HWND hwnd = WindowOf(window);
    if (!IsWindowVisible(hwnd)) CannotDo("the window is not shown");
    return hwnd;
}

HWND ControlOrFail(Dialog &window, int id) {
    WindowOrFail(window);
    HWND control = ControlWindowOf(window, id);
    if (!control) CannotDo("the window has no control " + std::to_string(id));
    if (!IsWindowVisible(control)) CannotDo("control " + std::to_string(id) + " is not shown");
    return control;
}

// Whether input can reach the control: a disabled control, or a window a modal one blocks,
// takes none, and the input goes nowhere.
bool TakesInput(HWND control) {
    return IsWindowEnabled(control) && IsWindowEnabled(GetAncestor(control, GA_ROOT));
}

// The control's window becomes the active one and the control gets the focus, as a click into
// it does. A control that has it already (a combo box's edit field) keeps it: taking it away
// and back would close a list the control has open.
void FocusForTyping(HWND control) {
    HWND root = GetAncestor(control, GA_ROOT);
    if (GetActiveWindow() != root) SetActiveWindow(root);
    HWND focus = GetFocus();
    if (focus != control && !IsChild(control, focus)) SetFocus(control);
}

// The modifier keys held while the input it covers is handled, as GetKeyState reads them.
class HeldKeys {
public:
    HeldKeys(bool ctrl, bool shift, bool alt) {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::copy(std::begin(saved_), std::end(saved_), state);
        auto hold = [&state](bool held, std::initializer_list<int> keys) {
            for (int key : keys)
                state[key] = held ? 0x80 : 0;
        };
        hold(ctrl, {VK_CONTROL, VK_LCONTROL});
        hold(shift, {VK_SHIFT, VK_LSHIFT});
        hold(alt, {VK_MENU, VK_LMENU});
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }
    HeldKeys(const HeldKeys &) = delete;
    HeldKeys &operator=(const HeldKeys &) = delete;

private:
    BYTE saved_[256];
};

void PostKey(HWND target, UINT vk, bool alt = false) {
    const LPARAM down =
        1 | LPARAM(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16 | (alt ? LPARAM(1) << 29 : 0);
    const LPARAM up = down | LPARAM(1) << 30 | LPARAM(1) << 31;
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, down);
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, vk, up);
}

void PostClick(HWND target, POINT point, WPARAM keys) {
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    PostMessageW(target, WM_LBUTTONUP, keys, at);
}

POINT CentreOf(const RECT &rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Where a key pressed "in the control" goes: to the control, or the window within it that
// takes the focus (a combo box's edit field); res::kNoId: the window's own focus.
HWND KeyTarget(Dialog &window, int controlId) {
    if (controlId == res::kNoId) {
        HWND hwnd = WindowOrFail(window);
        if (GetActiveWindow() != hwnd) SetActiveWindow(hwnd);
        HWND focus = GetFocus();
        return focus && GetAncestor(focus, GA_ROOT) == hwnd ? focus : hwnd;
    }
    HWND control = ControlOrFail(window, controlId);
    FocusForTyping(control);
    return GetFocus();
}

} // namespace

void Driver::clickRow(Dialog &window, int listId, int row, bool ctrl) {
    HWND list = ControlOrFail(window, listId);
    if (row < 0) CannotDo("no row " + std::to_string(row));
    if (!TakesInput(list)) return;
    const int rows = ListView_GetItemCount(list);
    POINT point;
    if (row < rows) {
        ListView_EnsureVisible(list, row, FALSE);
        RECT cell;
        ListView_GetItemRect(list, row, &cell, LVIR_LABEL);
        point = CentreOf(cell);
    } else {
        // A click below the last row.
        RECT client, header, last = {};
        GetClientRect(list, &client);
        GetWindowRect(ListView_GetHeader(list), &header);
        if (rows > 0) {
            ListView_EnsureVisible(list, rows - 1, FALSE);
            ListView_GetItemRect(list, rows - 1, &last, LVIR_LABEL);
        } else {
            last.bottom = header.bottom - header.top;
        }
        point = {client.left + 8, last.bottom + 4};
        if (point.y >= client.bottom) CannotDo("no room below the last row");
    }
    HeldKeys keys(ctrl, false, false);
    PostClick(list, point, ctrl ? MK_CONTROL : 0);
    settle();
}

void Driver::pressKey(Dialog &window, int controlId, const std::u16string &keys) {
    KeyChord chord;
    try {
        chord = ParseKeys(keys);
    } catch (const std::invalid_argument &) {
        CannotDo("no such key: " + platform::WideToUtf8(keys));
    }
    HWND target = KeyTarget(window, controlId);
    if (!TakesInput(target)) return;
    HeldKeys held(chord.ctrl, chord.shift, chord.alt);
    PostKey(target, chord.vk, chord.alt);
    settle();
}

void Driver::moveOverSurface(Dialog &window) {
    HWND hwnd = WindowOrFail(window);
    RECT client;
    GetClientRect(hwnd, &client);
    for (int y = client.bottom - 2; y > 0; y -= 4) {
        for (int x = client.right - 2; x > 0; x -= 4) {
            if (ChildWindowFromPointEx(hwnd, {x, y}, CWP_SKIPINVISIBLE) != hwnd) continue;
            PostMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
            settle();
            return;
        }
    }
    CannotDo("the window has no free spot");
}

void Driver::click(Dialog &window, int controlId) {
    HWND button = ControlOrFail(window, controlId);
    if (!TakesInput(button)) return;
    RECT client;
    GetClientRect(button, &client);
    HeldKeys keys(false, false, false);
    PostClick(button, CentreOf(client), 0);
    settle();
}

void Driver::type(Dialog &window, int controlId, const std::u16string &text) {
    HWND target = KeyTarget(window, controlId);
    if (!TakesInput(target)) return;
    SendMessageW(target, EM_SETSEL, 0, -1);
    HeldKeys keys(false, false, false);
    for (char16_t c : text) {
        if (c == u'\n') {
            // The Return key: the message loop makes the line break of it.
            PostKey(target, VK_RETURN);
        } else {
            PostMessageW(target, WM_CHAR, c, 1);
        }
    }
    settle();
}

void Driver::choose(Dialog &window, int comboId, int index) {
    HWND combo = ControlOrFail(window, comboId);
    if (!TakesInput(combo)) return;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    HeldKeys keys(false, false, false);
    // A click on the box's button opens the list; then a click on the item. The items are
    // counted in the open list, since a box may fill it as it opens.
    PostClick(combo, CentreOf(info.rcButton), 0);
    settle();
    if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) CannotDo("the list did not open");
    if (index < 0 || index >= int(SendMessageW(combo, CB_GETCOUNT, 0, 0))) {
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        CannotDo("no item " + std::to_string(index));
    }
    RECT item;
    SendMessageW(info.hwndList, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    RECT shown;
    GetClientRect(info.hwndList, &shown);
    if (item.top < shown.top || item.bottom > shown.bottom) {
        // Scrolled to, as the user would.
        SendMessageW(info.hwndList, LB_SETTOPINDEX, WPARAM(index), 0);
        SendMessageW(info.hwndList, LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    }
    PostClick(info.hwndList, CentreOf(item), 0);
    settle();
}

void Driver::command(Dialog &window, int command) {
    HWND hwnd = WindowOrFail(window);
    Peer *peer = Peer::FromWindow(hwnd);
    if (!peer->hasMenuCommand(command))
        CannotDo("the window's menu has no command " + std::to_string(command));
    if (!peer->isMenuCommandEnabled(command) || !IsWindowEnabled(hwnd)) return;
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    settle();
}

void Driver::settle() { ProcessQueuedMessages(); }

} // namespace gui::win32
