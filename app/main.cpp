#include "app/vantaedit.h"

int main(int argc, char **argv) {
    CVantaEditApp app(argc, argv);
    return app.initInstance();
}
