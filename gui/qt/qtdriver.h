#pragma once
// User input to Qt windows as the window system would deliver it: QTest's mouse and key events on
// the controls, typing character by character.

#include "gui/driver.h"

namespace gui::qt {

class QtDriver : public Driver {
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

} // namespace gui::qt
