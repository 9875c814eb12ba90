#pragma once
// The application object: runs the main window until the process ends.

#include <QApplication>

class CVantaEditApp : public QApplication {
    Q_OBJECT

public:
    // Qt's standard dialogs speak Chinese and every window carries the program's icon.
    CVantaEditApp(int &argc, char **argv);

    // Shows the main window, maximised, opens the file named on the command line, if any, and
    // runs the window; returns the process's exit status when it ends the usual dialog way.
    int initInstance();
};

// The program's icon, in the sizes the window system asks for.
QIcon AppIcon();
