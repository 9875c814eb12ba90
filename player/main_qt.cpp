// vantaedit-player on the Qt backend.

#include "gui/qt/qtbackend.h"
#include "gui/qt/qtdriver.h"
#include "player/player.h"

int main(int argc, char **argv) {
    return gui::qt::Main(
        argc, argv,
        [](const std::vector<std::u16string> &arguments) {
            gui::qt::QtDriver driver;
            return RunPlayer(arguments, driver);
        },
        gui::qt::Audience::Replay);
}
