#pragma once
// The script editor window: the task force window's behaviour on the script texts.

#include "ui/entrytextwindow.h"

class Cscripts : public EntryTextWindow {
    Q_OBJECT

public:
    explicit Cscripts(DocumentModel &model, QWidget *owner = nullptr);
};
