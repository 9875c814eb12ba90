// vantaedit: the editor's windows on the Qt backend.

#include "app/vantaedit.h"
#include "gui/qt/qtbackend.h"

#include <cstdio>
#include <exception>

int main(int argc, char **argv) {
    // Nothing may end the editor with an abort: an exception is reported and the run ends.
    try {
        return gui::qt::Main(argc, argv, [](const std::vector<std::u16string> &arguments) {
            return CVantaEditApp().InitInstance(arguments);
        });
    } catch (const std::exception &e) {
        std::fprintf(stderr, "VantaEdit: %s\n", e.what());
    } catch (...) {
        std::fputs("VantaEdit: unknown error\n", stderr);
    }
    return 1;
}
