#pragma once
// The seams of seams.h answered by real dialogs: Qt message boxes, Qt's open-file dialog, and an
// immediate process exit.

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace gui::qt {

// The filter "Name|pattern|Name|pattern||" in Qt's form "Name (pattern);;Name (pattern)".
// Several patterns separated by ';' become a space-separated list. A name that already ends with
// its patterns in parentheses stays as it is.
QString QtFileFilter(const std::u16string &filter);

// Has Qt's standard buttons and dialogs speak Chinese, whatever the system's language: installs
// Qt's own texts (standard buttons, the file dialog) in the program's language: its Chinese
// translation installed while the language is Chinese, none otherwise. False when the Chinese one
// is wanted but not installed on this system.
bool FollowLanguageInQt();

// Installs the handlers. Boxes owned by the main window have the window `mainWindow` gives as
// parent; the application box belongs to the active window.
void InstallQtSeams(std::function<QWidget *()> mainWindow);

} // namespace gui::qt
