#pragma once
// A window built from a dialog template of res/: its controls are created at their places in
// dialog units and reached by id, and the window's events arrive as virtual hooks. What draws it
// is the backend's (gui/backend.h); the window logic sees only this class and the control handles.

#include "gui/controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gui {

class DialogPeer;

struct Size {
    int width = 0;
    int height = 0;
};

class Dialog {
public:
    // Builds the window, hidden, from template `templateId`. With an owner the window stays above
    // it and has no taskbar button of its own.
    explicit Dialog(int templateId, Dialog *owner = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog &) = delete;
    Dialog &operator=(const Dialog &) = delete;

    // The control with this id; nullptr when there is none or it is not a T.
    template <class T = Control> T *control(int id) const { return dynamic_cast<T *>(find(id)); }

    int templateId() const { return templateId_; }

    void show();
    void hide();
    // Shown in its normal state, neither minimised nor maximised.
    void showNormal();
    void showMaximized();
    bool isVisible() const;
    // Moves the window's outer frame, keeping its size; screen coordinates.
    void move(int x, int y);
    // The size with the frame, once shown; before that the window's own.
    Size frameSize() const;
    void setCaption(const std::u16string &caption);
    std::u16string caption() const;

    // Runs the window modally until accept or reject; true when accepted.
    bool exec();
    void accept();
    // Ends exec, or hides a modeless window.
    void reject();

    // Puts menu `menuId` of res/ above the controls. Each item sends its command to onCommand;
    // the menu's keys (res::Accelerators) work in every window of the program.
    void attachMenu(int menuId);
    void setMenuItem(int command, const std::u16string &text, bool enabled);
    // The items of the submenu that menu item `command` holds; choosing item i calls chosen(i).
    void setSubmenu(int command, const std::vector<std::u16string> &items,
                    std::function<void(size_t index)> chosen);

    DialogPeer &peer() const { return *peer_; }

    // Every window of the program in the current language (res::SetLanguage): the texts of its
    // template and menu, then its own through onLanguageChanged.
    static void RetextAll();

protected:
    // The window was shown (true) or hidden (false) by the program.
    virtual void onShowOrHide(bool /*shown*/) {}
    // The mouse moved over the window's own surface, not over one of its controls.
    virtual void onMouseMove() {}
    // The window became the active window.
    virtual void onActivate() {}
    // Enter or Escape pressed in the window and not taken by a control. Return true when
    // handled; false leaves the key to the dialog's own handling (Escape hides the window).
    virtual bool onEnter() { return false; }
    virtual bool onEscape() { return false; }
    // A button or check box was clicked, or a menu item chosen; `id` is its id or command.
    virtual void onCommand(int /*id*/) {}
    // Notifications of report list `listId`: a left click in the rows' area after it changed
    // the selection (a click below the last row has cleared it), and a key pressed in the list
    // before the list moves its selection for it; returning true keeps the list from doing so.
    virtual void onListClick(int /*listId*/) {}
    virtual bool onListKeyDown(int /*listId*/, Key /*key*/) { return false; }
    // The close box: true lets the window hide (or end exec as rejected).
    virtual bool onClose() { return true; }
    // The window paints its surface.
    virtual void onPaint() {}
    // The language changed: the window sets again the texts it made itself.
    virtual void onLanguageChanged() {}
    // Files dropped on a window whose template accepts them (res::kAcceptFiles).
    virtual void onDropFiles(const std::vector<std::u16string> & /*paths*/) {}

private:
    friend class DialogEvents;
    Control *find(int id) const;

    int templateId_;
    std::unique_ptr<DialogPeer> peer_;
};

// How a backend delivers a window's events to its hooks.
class DialogEvents {
public:
    static void ShowOrHide(Dialog &d, bool shown) { d.onShowOrHide(shown); }
    static void MouseMove(Dialog &d) { d.onMouseMove(); }
    static void Activate(Dialog &d) { d.onActivate(); }
    static bool Enter(Dialog &d) { return d.onEnter(); }
    static bool Escape(Dialog &d) { return d.onEscape(); }
    static void Command(Dialog &d, int id) { d.onCommand(id); }
    static void ListClick(Dialog &d, int listId) { d.onListClick(listId); }
    static bool ListKeyDown(Dialog &d, int listId, Key key) { return d.onListKeyDown(listId, key); }
    static bool Close(Dialog &d) { return d.onClose(); }
    static void Paint(Dialog &d) { d.onPaint(); }
    static void DropFiles(Dialog &d, const std::vector<std::u16string> &paths) {
        d.onDropFiles(paths);
    }
};

} // namespace gui
