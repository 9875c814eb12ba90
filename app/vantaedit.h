#pragma once
// The application object: runs the main window until the process ends.

#include <QApplication>

class CVantaEditApp : public QApplication {
    Q_OBJECT

public:
    CVantaEditApp(int &argc, char **argv);

    // Shows the main window, maximised, and runs it; returns the process's exit status when it
    // ends the usual dialog way.
    int initInstance();
};
