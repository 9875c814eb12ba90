// vantaedit-player on the Qt backend: the editor's windows on the offscreen platform unless
// another is asked for, its settings apart from the user's.

#include "gui/qt/qtbackend.h"
#include "gui/qt/qtdriver.h"
#include "player/player.h"

#include <QStandardPaths>
#include <cstdlib>

int main(int argc, char **argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    return gui::qt::Main(argc, argv, [](const std::vector<std::u16string> &arguments) {
        gui::qt::QtDriver driver;
        return RunPlayer(arguments, driver);
    });
}
