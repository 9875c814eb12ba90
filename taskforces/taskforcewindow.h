#pragma once
// The task force editor window.

#include "ui/entrytextwindow.h"

class CTaskForces : public EntryTextWindow {
public:
    explicit CTaskForces(DocumentModel &model, gui::Dialog *owner = nullptr);
};
