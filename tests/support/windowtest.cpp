#include "support/windowtest.h"

#include "gui/qt/qtbackend.h"
#include "gui/qt/qtdriver.h"
#include "support/testsupport.h"

#include <QtGlobal>

namespace testsupport {

namespace {

gui::qt::QtBackend g_backend;

} // namespace

void UseQtBackend() {
    gui::SetBackend(&g_backend);
    // Recovery files of the windows' documents go to a folder of the tests' own.
    static const TempDir data;
    const QByteArray folder = QByteArray::fromStdString(data.path().string());
    qputenv("XDG_DATA_HOME", folder);
    qputenv("LOCALAPPDATA", folder);
}

void MoveOverSurface(gui::Dialog &window) { gui::qt::QtDriver().moveOverSurface(window); }

} // namespace testsupport
