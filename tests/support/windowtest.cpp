#include "support/windowtest.h"

#include "gui/qt/qtbackend.h"
#include "gui/qt/qtdriver.h"

namespace testsupport {

namespace {

gui::qt::QtBackend g_backend;

} // namespace

void UseQtBackend() { gui::SetBackend(&g_backend); }

void MoveOverSurface(gui::Dialog &window) { gui::qt::QtDriver().moveOverSurface(window); }

} // namespace testsupport
