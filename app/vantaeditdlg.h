#pragma once
// The main window: the encoding reminder, the start-number check box, and the menu through
// which the user opens and saves the file, shows and hides the editor windows and leaves.

#include "platform/dialog.h"

class QCheckBox;

class CVantaEditDlg : public platform::Dialog {
    Q_OBJECT

public:
    // Creates the modeless windows, hidden, and places the editor windows at the screen's
    // corners. The window shows itself maximised.
    explicit CVantaEditDlg(QWidget *parent = nullptr);

protected:
    void onCommand(int id) override;
    // Enter and Escape leave the way the close box does, never silently past an open file.
    bool onEnter() override;
    bool onEscape() override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void exitCommand();
    void closeBoxPrompt();

    QCheckBox *autoDetectStart_;
};

// The about box: empty.
class CAboutDlg : public platform::Dialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
