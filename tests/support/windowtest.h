#pragma once
// What the window tests share: moving the pointer over a window's own surface.

namespace platform {
class Dialog;
}

namespace testsupport {

// A mouse movement over a bare spot of `window`'s surface, not over one of its controls, as the
// window's mouse-move handling expects; `controlId` is any control of the window. The event goes
// straight to the surface: the offscreen screen would hand a pointer position to whichever of
// the overlapping windows it finds first.
void MoveOverSurface(platform::Dialog *window, int controlId);

} // namespace testsupport
