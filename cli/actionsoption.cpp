#include "cli/actionsoption.h"

#include "cli/editsave.h"

#include <cstring>

ActionsOption::Parsed ActionsOption::Parse(int argc, char **argv, int &i) {
    if (std::strcmp(argv[i], "--engine") == 0) {
        if (i + 1 == argc || engineGiven) return Parsed::BadUsage;
        const std::optional<Engine> named = EngineNamed(argv[++i]);
        if (!named) return Parsed::BadUsage;
        engine = *named;
        engineGiven = true;
        return Parsed::Taken;
    }
    if (std::strcmp(argv[i], "--actions") == 0) {
        if (i + 1 == argc || !*argv[i + 1] || !argument.empty()) return Parsed::BadUsage;
        argument = argv[++i];
        return Parsed::Taken;
    }
    return Parsed::NotThis;
}

std::optional<ActionProfile> ActionsOption::Profile() {
    if (argument.empty()) return ActionProfile(engine);
    // Named as the command line names it, in messages and in the report.
    read = ReadActionTable(WideArgument(argument.c_str()));
    if (!read.table) return std::nullopt;
    return ActionProfile(engine, &*read.table);
}
