#pragma once
// The main window: the encoding reminder, the start-number check box, and the menu through
// which the user opens and saves the file, shows and hides the editor windows and leaves.

#include "platform/dialog.h"

#include <string>

class QCheckBox;

class CVantaEditDlg : public platform::Dialog {
    Q_OBJECT

public:
    // Creates the modeless windows, hidden, and places the editor windows at the screen's
    // corners. The window shows itself maximised.
    explicit CVantaEditDlg(QWidget *parent = nullptr);

    // The files named on the command line: none opens nothing; one is opened as Open does, but
    // without the file dialog. More than one is a usage error: nothing is opened, false.
    bool openCommandLine(const QStringList &paths);

protected:
    void onCommand(int id) override;
    // Enter and Escape leave the way the close box does, never silently past an open file.
    bool onEnter() override;
    bool onEscape() override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The Open command; with `path`, that file instead of the one the file dialog gives.
    void openCommand(const std::u16string &path = {});
    void exitCommand();
    void closeBoxPrompt();

    QCheckBox *autoDetectStart_;
    // While Open runs, a repaint leaves the check box alone: the load uses the state it had when
    // the command started.
    bool opening_ = false;
};

// The about box: empty.
class CAboutDlg : public platform::Dialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
