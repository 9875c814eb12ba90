#pragma once
// Reads the mod's rules file: its unit and building types and its countries, with their names,
// against which the file report checks the names of the AI file and which the windows show.

#include "core/modnames.h"

#include <optional>
#include <string>

struct RulesRead {
    std::optional<RulesFile> rules;
    std::u16string error; // why the file could not be used, for the user; empty on success
};

// Reads the rules file at `path` and the files its [#include] section names, as Open reads an AI
// file's, in one pass over each. The four type lists and [Countries] are built as the game builds
// them: every block of a list, in every file (the rules file first, then its include files in
// order), is one list of keys; a numbered key given again keeps its first place and takes the
// later value, each "+=" line is a key of its own at the end, ";" lines are off and an ID ends
// before blanks and a ';' note. The types are then the values in key order, each at its first
// appearance. A type's or country's Name= and UIName= come from its section (the last line that
// gives them, sections of one name read as one). A UTF-8 byte-order mark at a file's start is
// skipped; names in UTF-8 are read as such, others in the ANSI code page. A file that could not
// be read, the rules file or an include file that exists, is an error: no rules then.
RulesRead ReadRulesFile(const std::u16string &path);
