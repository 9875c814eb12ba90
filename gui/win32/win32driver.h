#pragma once
// User input to the Windows backend's windows as the system delivers it: mouse and key messages
// posted to the controls, typing character by character, then the message loop run until the
// queue is empty.

#include "gui/driver.h"

namespace gui::win32 {

class Driver final : public gui::Driver {
public:
    void clickRow(Dialog &window, int listId, int row, bool ctrl) override;
    void pressKey(Dialog &window, int controlId, const std::u16string &keys) override;
    void moveOverSurface(Dialog &window) override;
    void click(Dialog &window, int controlId) override;
    void type(Dialog &window, int controlId, const std::u16string &text) override;
    void choose(Dialog &window, int comboId, int index) override;
    void command(Dialog &window, int command) override;
    void settle() override;
};

} // namespace gui::win32
