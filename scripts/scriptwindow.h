#pragma once
// The script editor window: the task force window's behaviour on the script texts.

#include "ui/entrytextwindow.h"

class Cscripts : public EntryTextWindow {
public:
    explicit Cscripts(DocumentModel &model, gui::Dialog *owner = nullptr);
};
