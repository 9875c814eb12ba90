#pragma once
// The script actions a command goes by, as `check` and `explain` take them: --engine NAME and
// --actions TABLE, parsed and read the same way for both.

#include "scripts/actionprofiles.h"
#include "scripts/actiontable.h"

#include <optional>
#include <string>

struct ActionsOption {
    Engine engine = Engine::Base;
    bool engineGiven = false;
    std::string argument; // the table as the command line names it; empty without --actions
    ActionTableRead read;

    enum class Parsed { NotThis, Taken, BadUsage };
    // Takes argv[i], and the value after it, when it is --engine or --actions (i then names the
    // value). An unknown engine, a missing or empty value and an option given twice are bad usage.
    Parsed Parse(int argc, char **argv, int &i);

    // The actions: the engine's, with the table laid over it when one was given. Nothing when the
    // table cannot be read; `read.error` then says why, with its file and line.
    std::optional<ActionProfile> Profile();
};
