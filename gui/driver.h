#pragma once
// User input through a backend's own input path (mouse and key events, typing), for the scenario
// player and window tests: what a step does is what the user's input does, never a call of a
// window's functions. Each backend has one, apart from the backend itself, so that the editor
// carries no test machinery.

#include "gui/controls.h"

#include <string>

namespace gui {

class Dialog;

class Driver {
public:
    virtual ~Driver() = default;
    // A left click on row `row` of list `listId` (0 = first row shown), with Ctrl held or not.
    virtual void clickRow(Dialog &window, int listId, int row, bool ctrl) = 0;
    // A key pressed in control `controlId`; res::kNoId for the control with the window's focus.
    // `keys` in the portable form of res::Accelerator: "Enter", "Down", "Delete", "Ctrl+Z",
    // "Ctrl+Shift+Z", "F5", "A".
    virtual void pressKey(Dialog &window, int controlId, const std::u16string &keys) = 0;
    // The mouse moved over a free spot of the window's own surface, not over a control.
    virtual void moveOverSurface(Dialog &window) = 0;
    // A click on a push button or check box.
    virtual void click(Dialog &window, int controlId) = 0;
    // The text of an edit box, text area or combo box's edit field replaced by typing: select
    // all, then type `text` (a line feed as the Return key).
    virtual void type(Dialog &window, int controlId, const std::u16string &text) = 0;
    // The combo box's list opened and item `index` clicked.
    virtual void choose(Dialog &window, int comboId, int index) = 0;
    // Menu command `command` of the window's menu chosen.
    virtual void command(Dialog &window, int command) = 0;
    // Lets the events the input queued be handled.
    virtual void settle() = 0;
};

} // namespace gui
