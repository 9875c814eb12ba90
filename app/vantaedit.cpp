#include "app/vantaedit.h"

#include "app/vantaeditdlg.h"
#include "platform/qtseams.h"

CVantaEditApp::CVantaEditApp(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("VantaEdit"));
}

int CVantaEditApp::initInstance() {
    CVantaEditDlg dialog;
    platform::InstallQtSeams(&dialog);
    dialog.exec();
    return 0;
}

int main(int argc, char **argv) {
    CVantaEditApp app(argc, argv);
    return app.initInstance();
}
