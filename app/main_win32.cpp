// vantaedit.exe: the editor's windows on the Windows backend.

#include "app/vantaedit.h"
#include "gui/win32/main.h"

int main() {
    return gui::win32::Main([](const std::vector<std::u16string> &arguments) {
        return CVantaEditApp().InitInstance(arguments);
    });
}
