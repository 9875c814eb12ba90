#pragma once
// What the window tests share: the Qt backend under the windows they make, and the pointer moved
// over a window's own surface.

namespace gui {
class Dialog;
}

namespace testsupport {

// Installs the Qt backend, through which the windows a test makes are drawn, and keeps the
// program's data (recovery files) in a folder of the tests' own, never the user's. The
// QApplication must exist already: call it from initTestCase (QTEST_MAIN makes the application
// first).
void UseQtBackend();

// A mouse movement over a bare spot of `window`'s surface, not over one of its controls, as the
// window's mouse-move handling expects. The event goes straight to the surface: the offscreen
// screen would hand a pointer position to whichever of the overlapping windows it finds first.
void MoveOverSurface(gui::Dialog &window);

} // namespace testsupport
