#pragma once
// What the windows do with the five modeless windows of the run (g_teamWindow and the others,
// kept with the document). A null window is passed over.

#include "core/windowsignals.h"
#include "gui/system.h"

// Hiding and showing a window is how another window tells it to look at its signals.
void HideAndShow(gui::Dialog *window);

// Shows the team, script, task force and trigger windows, in that order, in their normal state.
// Each runs its own behaviour on being shown.
void ShowEditorWindows();

// Hides the team, script, task force and trigger windows, in that order.
void HideEditorWindows();

// Hides the four editor windows as above, then the new entry window.
void HideAllWindows();

// Moves each editor window, keeping its size, to its corner of `area`: teams top left and
// scripts top right, both 45 pixels below the top; task forces bottom left, triggers bottom right.
void PlaceEditorWindows(const gui::Rect &area);
