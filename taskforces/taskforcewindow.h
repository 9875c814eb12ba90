#pragma once
// The task force editor window.

#include "ui/entrytextwindow.h"

class CTaskForces : public EntryTextWindow {
    Q_OBJECT

public:
    explicit CTaskForces(DocumentModel &model, QWidget *owner = nullptr);
};
