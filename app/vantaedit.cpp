#include "app/vantaedit.h"

#include "app/vantaeditdlg.h"
#include "gui/system.h"
#include "platform/codepage.h"
#include "res/text.h"

#include <cstdio>

int CVantaEditApp::InitInstance(const std::vector<std::u16string> &arguments) {
    gui::UseLanguage(CVantaEditDlg::ChosenLanguage());
    CVantaEditDlg dialog;
    dialog.showMaximized();
    // Once the main window is up, so that the editor windows and any message appear over it.
    gui::Post([&dialog, arguments] {
        if (!dialog.openCommandLine(arguments))
            std::fputs(platform::WideToUtf8(res::Str("app.usage")).c_str(), stderr);
    });
    dialog.exec();
    return 0;
}
