#pragma once
// 复制整链 of the trigger window: per copy of the shown trigger's chain a suffix, with the copies
// that set the difficulty flags to easy, normal or hard alone offered beside a plain one. 确定
// makes them in one undo step (document/copychain.h does the work).

#include "gui/dialog.h"

#include <string>

class DocumentModel;

class CCopyChain : public gui::Dialog {
public:
    CCopyChain(DocumentModel &model, gui::Dialog *owner);

    // Shows the dialog for the chain of `trigger`.
    void ask(const std::u16string &trigger);

protected:
    void onCommand(int id) override;
    bool onEnter() override;
    bool onEscape() override;

private:
    void confirm();

    DocumentModel &model_;
    std::u16string trigger_;
};
