#include "ui/editorwindows.h"

#include "gui/dialog.h"

#include <array>

namespace {

// In the order in which they are shown and hidden.
std::array<gui::Dialog *, 4> EditorWindows() {
    return {g_teamWindow, g_scriptWindow, g_taskForceWindow, g_triggerWindow};
}

} // namespace

void HideAndShow(gui::Dialog *window) {
    if (!window) return;
    window->hide();
    window->show();
}

void ShowEditorWindows() {
    for (gui::Dialog *window : EditorWindows()) {
        if (window) window->showNormal();
    }
}

void HideEditorWindows() {
    for (gui::Dialog *window : EditorWindows()) {
        if (window) window->hide();
    }
}

void HideAllWindows() {
    HideEditorWindows();
    if (g_addNewWindow) g_addNewWindow->hide();
}

void PlaceEditorWindows(const gui::Rect &area) {
    // The frame's size once the window has been shown; before that, the window's own.
    auto place = [&area](gui::Dialog *window, bool right, bool bottom) {
        if (!window) return;
        const gui::Size size = window->frameSize();
        const int x = right ? area.x + area.width - size.width : area.x;
        const int y = bottom ? area.y + area.height - size.height : area.y + 45;
        window->move(x, y);
    };
    place(g_teamWindow, false, false);
    place(g_scriptWindow, true, false);
    place(g_taskForceWindow, false, true);
    place(g_triggerWindow, true, true);
}
