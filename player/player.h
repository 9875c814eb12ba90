#pragma once
// The scenario player: replays a window scenario (steps.json in a scenario folder) on the real
// windows of the backend it is built with, through that backend's own input path, then compares
// the working folder and the windows' state with what the scenario expects.
//
//     vantaedit-player SCENARIO_DIR [--state OUT.json] [--keep WORKDIR]
//
// Prints "PASS NAME" or "FAIL NAME: first difference"; the status is 0 on a pass, 1 on a
// difference, 2 when a step cannot be carried out (named) or the scenario cannot be read.

#include "gui/driver.h"

#include <string>
#include <vector>

int RunPlayer(const std::vector<std::u16string> &arguments, gui::Driver &driver);
