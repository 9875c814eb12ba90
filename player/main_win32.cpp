// vantaedit-player.exe on the Windows backend.

#include "gui/win32/main.h"
#include "gui/win32/win32driver.h"
#include "player/player.h"

int main() {
    return gui::win32::Main(
        [](const std::vector<std::u16string> &arguments) {
            gui::win32::Driver driver;
            return RunPlayer(arguments, driver);
        },
        gui::win32::Audience::Replay);
}
