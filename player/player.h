#pragma once
// The scenario player: replays a window scenario (steps.json in a scenario folder) on the real
// windows of the backend it is built with, through that backend's own input path, then compares
// the working folder and the windows' state with what the scenario expects.
//
//     vantaedit-player SCENARIO_DIR [--state OUT.json] [--keep WORKDIR | --resume WORKDIR]
//                      [--data-home DIR]
//
// --keep replays in WORKDIR (empty or new) and keeps it; --resume replays in WORKDIR as an
// earlier run left it (one killed meanwhile, say) instead of a copy of input/, and keeps it.
// The program's data folder (XDG_DATA_HOME, LOCALAPPDATA), where it keeps recovery files, is DIR,
// or one of the run's own that goes with it: never the user's.
//
// Beside the steps of the scenario format: {"window": "main", "action": "idle", "ms": N} lets the
// program run on, handling its events and timers, for N milliseconds.
//
// Prints "PASS NAME" or "FAIL NAME: first difference"; the status is 0 on a pass, 1 on a
// difference, 2 when a step cannot be carried out (named) or the scenario cannot be read.

#include "gui/driver.h"

#include <string>
#include <vector>

int RunPlayer(const std::vector<std::u16string> &arguments, gui::Driver &driver);
