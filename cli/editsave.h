#pragma once
// What the commands that edit an AI file share with `save`: the file opened as Open opens it, an
// edit, and the save, with the same exit statuses.

#include "core/document.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

// A command-line argument as wide text: in the code page on Windows, in UTF-8 elsewhere.
std::u16string WideArgument(const char *argument);

// Writes UTF-8 (or other bytes) as they are.
void PrintBytes(FILE *out, std::string_view bytes);
std::string Utf8(std::u16string_view text);

// Opens `file` as `save` does (1, writing nothing, when a file that exists was not read whole),
// runs `edit`, and saves as `save` does (0, or 1 when a write failed). An `edit` that returns
// other than 0 ends it with that status, writing nothing.
int EditAndSave(const char *file, bool split, bool autodetect,
                const std::function<int(Document &)> &edit);
