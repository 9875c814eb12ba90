#include "app/vantaedit.h"

#include <cstdio>
#include <exception>

int main(int argc, char **argv) {
    // Nothing may end the editor with an abort: an exception is reported and the run ends.
    try {
        CVantaEditApp app(argc, argv);
        return app.initInstance();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "VantaEdit: %s\n", e.what());
    } catch (...) {
        std::fputs("VantaEdit: unknown error\n", stderr);
    }
    return 1;
}
