#pragma once
// Reads the mod's string table (a .csf file): the texts the player sees, by label, which give the
// names of the rules file's types whose UIName= names a label.
//
// The file: a 24-byte header (" FSC", version, label count, string count, a reserved number and
// the language, each a little-endian 32-bit number after the tag), then per label " LBL", its
// number of strings, the length and bytes of its name, and per string " RTS" or "WRTS", its
// length in UTF-16 units and its text with every byte inverted; "WRTS" has a length and ASCII
// bytes of an extra value after it.

#include "core/modnames.h"

#include <optional>
#include <string>
#include <string_view>

struct StringTableRead {
    std::optional<StringTable> table;
    std::u16string error; // why the file could not be used, naming it; empty on success
};

// The table in `bytes`, read from `path`; a label's first string is its text. A file that is not
// a string table, is damaged or ends early is an error that names `path` and where it broke off.
StringTableRead ParseStringTable(std::string_view bytes, const std::u16string &path);

// Reads the file at `path`, as ParseStringTable.
StringTableRead ReadStringTable(const std::u16string &path);
