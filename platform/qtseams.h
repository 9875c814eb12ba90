#pragma once
// The seams of seams.h answered by real dialogs: Qt message boxes, Qt's open-file dialog, and an
// immediate process exit.

#include <QString>
#include <string>

class QWidget;

namespace platform {

// The filter "Name|pattern|Name|pattern||" in Qt's form "Name (pattern);;Name (pattern)".
// Several patterns separated by ';' become a space-separated list.
QString QtFileFilter(const std::u16string &filter);

// Installs the handlers. Boxes owned by the main window have `mainWindow` as parent; the
// application box belongs to the active window.
void InstallQtSeams(QWidget *mainWindow);

} // namespace platform
