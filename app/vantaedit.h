#pragma once
// The application object: runs the main window until the process ends.

#include <string>
#include <vector>

class CVantaEditApp {
public:
    // Shows the main window, maximised, opens the file named in `arguments`, if any, and runs
    // the window; returns the process's exit status when it ends the usual dialog way.
    int InitInstance(const std::vector<std::u16string> &arguments);
};
