#pragma once
// The five modeless windows of the run. The main window creates each one once, hidden; until a
// window's class exists its pointer stays null and every operation here passes over it.

class QRect;

namespace platform {
class Dialog;
}

extern platform::Dialog *g_teamWindow;
extern platform::Dialog *g_scriptWindow;
extern platform::Dialog *g_taskForceWindow;
extern platform::Dialog *g_triggerWindow;
extern platform::Dialog *g_addNewWindow;

// Shows the team, script, task force and trigger windows, in that order, in their normal state.
// Each runs its own behaviour on being shown.
void ShowEditorWindows();

// Hides the team, script, task force and trigger windows, in that order.
void HideEditorWindows();

// Hides the four editor windows as above, then the new entry window.
void HideAllWindows();

// Moves each editor window, keeping its size, to its corner of `area`: teams top left and
// scripts top right, both 45 pixels below the top; task forces bottom left, triggers bottom right.
void PlaceEditorWindows(const QRect &area);
