#include "app/vantaedit.h"

#include "app/vantaeditdlg.h"
#include "platform/qtseams.h"

#include <QIcon>
#include <QTimer>
#include <cstdio>

CVantaEditApp::CVantaEditApp(int &argc, char **argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("VantaEdit"));
    setApplicationName(QStringLiteral("VantaEdit"));
    setDesktopFileName(QStringLiteral("org.vantaedit.VantaEdit"));
    // Without it the standard buttons read Yes and No; nothing else depends on it.
    platform::InstallQtTranslation();
    setWindowIcon(AppIcon());
}

int CVantaEditApp::initInstance() {
    CVantaEditDlg dialog;
    platform::InstallQtSeams(&dialog);
    // Once the main window is up, so that the editor windows and any message appear over it.
    const QStringList paths = arguments().mid(1);
    QTimer::singleShot(0, &dialog, [&dialog, paths] {
        if (!dialog.openCommandLine(paths)) std::fputs("用法: vantaedit [文件]\n", stderr);
    });
    dialog.exec();
    return 0;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/vantaedit-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
