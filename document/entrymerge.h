#pragma once
// Three versions of one AI file merged by entry, as version control merges a file: BASE, the
// version both sides started from, OURS and THEIRS. Each file is merged on its own, its include
// files not read: they are files of their own to the version control, merged one by one.
//
// Every entry (a task force, script or team with its section, a trigger line) and every section
// that no list of the file names (such as [#include], or the sections of an include file that
// holds entries but no list) is one unit, found by kind and ID (a section by its header line):
// - changed on one side: that side's version; changed alike on both: that version, once;
// - added on one side: kept; added on both with the same body: kept once; with two bodies: a
//   conflict;
// - deleted on one side and unchanged on the other: deleted; deleted on one side and changed on
//   the other: a conflict;
// - a team changed on both sides whose bodies are lines of distinct keys: each key merged by the
//   same rules, a key changed on both sides differently being a conflict of the team;
// - any other change on both sides: a conflict.
// A conflict keeps OURS's version of the unit (so an entry OURS deleted stays deleted).
//
// The merged file is written as Save writes its lists: the text before the first section, then
// each list of OURS or THEIRS with its entries' sections (only those this file held), numbered
// from OURS's start number, then the other sections as they were. A list keeps OURS's order;
// THEIRS's additions follow the entry that precedes them in THEIRS (after OURS's additions
// there), so two sides that appended to a list both keep their entries and only the numbers
// change. A script taken from one side is made to name, by index (actions 17 and 18), the same
// scripts and teams in the merged lists as in that side's. A second section of a listed ID is
// dropped, as Save drops it.

#include <optional>
#include <string>
#include <vector>

struct MergeConflict {
    std::string kind; // "taskforce", "script", "team", "trigger", or "section"
    std::string id;   // a section's header line; empty for the text before the first section
    // Each side's version as the file would hold it; nullopt where that side deleted it.
    std::optional<std::string> ours, theirs;
};

struct MergeResult {
    std::string text; // LF line breaks
    std::vector<MergeConflict> conflicts;
};

// Merges the texts of three versions of one AI file (LF line breaks, as files are read). The
// texts are taken, not copied: the merge reads them where they are.
MergeResult MergeAiTexts(std::string base, std::string ours, std::string theirs);
