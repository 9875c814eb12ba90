#pragma once
// The file report: what Save will not write of the text that Open read, and which references in
// the document lead nowhere. The editor shows it at the first Save and on demand; the headless
// command prints it.

#include "core/findings.h"

#include <string>
#include <vector>

// Reads the loaded slots (each named by its path) the way the loaders do: one pass over each
// slot's lines, one header lookup per list entry.
DroppedOnSave FindDroppedOnSave();

// Checks the seven document texts as they stand.
std::vector<Finding> FindBrokenReferences();

// The report as the user reads it: the opened file, the counts per category and kind, then one
// line per finding. Without `broken` only the part that Save drops.
std::u16string FileReportText(const DroppedOnSave &dropped, const std::vector<Finding> *broken);
