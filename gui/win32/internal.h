#pragma once
// What the parts of the Windows backend share: wide text, keys, the message loop, the peer of a
// dialog and its controls, and the virtual list view both the report list and the report window
// use.

#include "gui/backend.h"
#include "platform/seams.h"
#include "res/resources.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gui::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline const wchar_t *Wide(const std::u16string &text) {
    return reinterpret_cast<const wchar_t *>(text.c_str());
}
inline std::u16string FromWide(const wchar_t *text, size_t length) {
    return std::u16string(reinterpret_cast<const char16_t *>(text), length);
}
inline std::u16string FromWide(const wchar_t *text) { return FromWide(text, wcslen(text)); }
std::u16string WindowText(HWND window);

// Line breaks are LF in the program, CR LF (or CR) in an edit control.
std::u16string WithCrLf(const std::u16string &text);
std::u16string WithLf(const std::u16string &text);

// A dialog template in memory, in the extended form a resource compiler writes, with the shell
// dialog font.
class TemplateWriter {
public:
    void header(DWORD exStyle, DWORD style, const res::Rect &rect, std::u16string_view caption,
                int fontPoints) {
        word(1);      // version
        word(0xFFFF); // extended
        dword(0);     // help id
        dword(exStyle);
        dword(style);
        word(0); // item count, set by setItemCount
        this->rect(rect);
        word(0); // no menu
        word(0); // the dialog class
        text(caption);
        word(WORD(fontPoints));
        word(FW_NORMAL);
        word(MAKEWORD(FALSE, DEFAULT_CHARSET));
        text(u"MS Shell Dlg");
    }
    void word(WORD value) { words_.push_back(value); }
    void dword(DWORD value) {
        word(LOWORD(value));
        word(HIWORD(value));
    }
    void text(std::u16string_view text) {
        for (char16_t c : text)
            word(c);
        word(0);
    }
    void alignToDword() {
        if (words_.size() % 2) word(0);
    }
    void rect(const res::Rect &rect) {
        for (int value : {rect.x, rect.y, rect.width, rect.height})
            word(WORD(short(value)));
    }
    void setItemCount(WORD count) { words_[8] = count; }
    const DLGTEMPLATE *data() const { return reinterpret_cast<const DLGTEMPLATE *>(words_.data()); }

private:
    std::vector<WORD> words_;
};

// A key with its modifiers, read from the portable form "Ctrl+Shift+Z".
struct KeyChord {
    UINT vk = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};
KeyChord ParseKeys(std::u16string_view keys);
// Whether a key-down message is this chord, with the modifiers held as it is handled.
bool IsChord(const MSG &msg, const KeyChord &chord);
// The key of a list's key-down notification.
Key KeyOf(UINT vk);
// The keys of a menu command, shown beside its text; empty when it has none.
std::u16string_view CommandKeys(int command);

// The program's message handling: its keys first (accelerators, Ctrl+F, Enter and Escape in
// our dialogs), then the dialog manager's keyboard navigation, then the window.
void ProcessMessage(MSG &msg);
// Handles every message already queued, and returns.
void ProcessQueuedMessages();
// Handles messages until `running` turns false; false when the program was asked to quit (the
// quit message is queued again for the outer loop).
bool RunModalLoop(const bool &running);

// While it lives, every other dialog window of the program refuses input: the modal window or
// box is the only one the user can reach, as for an application-modal dialog. A modal window of
// ours keeps the windows it owns (the main window run modally keeps its editor windows); a box
// passes its owner, and the windows that owner owns refuse input too.
class ModalScope {
public:
    enum class Owned { Kept, Blocked };
    explicit ModalScope(HWND modal = nullptr, Owned owned = Owned::Blocked);
    ~ModalScope();
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;

private:
    std::vector<HWND> disabled_;
};

// How a dialog routes Enter and Escape when a control has the focus.
enum class KeyRoute {
    Control,  // the control takes the key (a line in a text area, a dropped-down list)
    Consumed, // the control did something with it already
    Dialog,   // the dialog's own Enter or Escape
};

// One control of a dialog: its handle for the window logic and its messages from the dialog.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual Control &handle() = 0;
    virtual HWND window() const = 0;
    // A WM_COMMAND notification with this code.
    virtual void command(int /*code*/) {}
    // A WM_NOTIFY notification; true with `result` set when handled.
    virtual bool notify(const NMHDR & /*header*/, LRESULT & /*result*/) { return false; }
    virtual KeyRoute route(UINT /*vk*/) { return KeyRoute::Dialog; }
    // A search field (res::kSearchField), the target of Ctrl+F.
    virtual bool isSearchField() const { return false; }
};

std::unique_ptr<ControlPeer> MakeControlPeer(HWND window, const res::Control &control,
                                             Dialog &dialog);
// Gives a control the focus; in a hidden window once the window is next activated.
void FocusControl(HWND control);

// The Win32 window of a gui::Dialog, built from its template as a dialog of the dialog manager.
class Peer final : public DialogPeer {
public:
    Peer(Dialog &dialog, const res::DialogTemplate &dialogTemplate, HWND owner);
    ~Peer() override;

    Control *control(int id) const override;
    void show() override;
    void hide() override;
    void showNormal() override;
    void showMaximized() override;
    bool isVisible() const override;
    void move(int x, int y) override;
    Size frameSize() const override;
    void setCaption(const std::u16string &caption) override;
    std::u16string caption() const override;
    bool exec() override;
    void done(bool accepted) override;
    void attachMenu(const res::Menu &menu) override;
    void retext() override;
    void setMenuItem(int command, const std::u16string &text, bool enabled) override;
    void setSubmenu(int command, const std::vector<std::u16string> &items,
                    std::function<void(size_t index)> chosen) override;

    HWND hwnd() const { return hwnd_; }
    // The peer of a top-level window; nullptr for any window that is not one of ours.
    static Peer *FromWindow(HWND window);
    // The window whose menu holds `command`; nullptr when none does.
    static Peer *WithMenuCommand(int command);
    // The oldest window without an owner that is still there: the main window.
    static Peer *MainWindow();
    ControlPeer *controlPeer(int id) const;
    // Enter or Escape pressed with the focus in this window; false leaves it to the window.
    bool enterOrEscape(UINT vk);
    // Ctrl+F: the focus to the window's search field; false when it has none.
    bool focusSearchField();
    // Whether the attached menu holds `command`, and whether it is enabled there.
    bool hasMenuCommand(int command) const;
    bool isMenuCommandEnabled(int command) const;
    // Where a control is to get the focus once the window is activated.
    void setPendingFocus(HWND control) { pendingFocus_ = control; }

private:
    struct Placement {
        HWND window;
        res::Rect rect;
        unsigned anchor;
    };
    struct Submenu {
        int command;
        HMENU menu;
        std::function<void(size_t index)> chosen;
    };

    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void layoutControls();
    RECT templateClientRect() const;
    void onCommand(WPARAM wParam, LPARAM lParam);

    Dialog &dialog_;
    const res::DialogTemplate &template_;
    HWND hwnd_ = nullptr;
    std::map<int, std::unique_ptr<ControlPeer>> controls_;
    std::vector<Placement> placements_;
    HMENU menu_ = nullptr;
    const res::Menu *menuTemplate_ = nullptr;
    std::vector<Submenu> submenus_;
    HWND pendingFocus_ = nullptr;
    bool running_ = false;
    bool accepted_ = false;
    // While the show-or-hide hook runs, the state the window is changing to.
    int showing_ = -1;
};

// A list view in report view over rows it asks for: owner data, full-row select, grid lines,
// double buffered, the selection shown without the focus, and the whole text of a cut cell as
// its tooltip. The last column takes the width that is left.
class ListView {
public:
    using CellText = std::function<std::u16string(int row, int column)>;
    // What the list adds to a text's width in a cell: its margins.
    static constexpr int kCellMargin = 12;

    ListView(HWND list, CellText cellText);
    ~ListView();
    ListView(const ListView &) = delete;
    ListView &operator=(const ListView &) = delete;

    HWND hwnd() const { return list_; }
    // Columns with these headers and widths; the last one's width is what is left.
    void setColumns(const std::vector<std::u16string> &headers, const std::vector<int> &widths);
    int columnCount() const;
    int textWidth(const std::u16string &text) const;
    // Answers LVN_GETDISPINFOW and LVN_ODFINDITEMW; true when the notification was one.
    bool notify(const NMHDR &header, LRESULT &result);
    // A key pressed in the list, before it handles it; true keeps it from doing so.
    std::function<bool(UINT vk)> keyDown;
    // Keys the list is to get from the dialog manager (Enter in the report window).
    std::vector<UINT> wantedKeys;

private:
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);
    void trackTip(POINT point);
    void fitLastColumn();

    HWND list_;
    HWND tip_ = nullptr;
    CellText cellText_;
    int tipRow_ = -1;
    int tipColumn_ = -1;
    std::u16string tipText_;
};

// The report window of the scrollable message boxes (platform seams).
platform::Answer ShowReport(const platform::MessageBoxRequest &request, HWND owner);

} // namespace gui::win32
