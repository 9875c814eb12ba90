#pragma once
// A trigger copied with its teams and their task forces under new IDs, the copies naming each
// other; scripts are shared. Easy, normal and hard variants of one trigger are such copies, each
// with its difficulty flags set to one level. The editor's 复制整链 and `vantaedit-cli copy-chain`
// run the same work.

#include "core/document.h"
#include "newentry/newentry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a copy does with the trigger's difficulty flags (fields 15 easy, 16 medium, 17 hard).
enum class Difficulty { Unchanged, Easy, Medium, Hard };

struct ChainCopy {
    std::u16string suffix; // appended to every ID of the chain
    Difficulty difficulty = Difficulty::Unchanged;
};

// Why the chain of `trigger` cannot be copied as `copies` asks, for the user; nullopt when it
// can. Refused: a trigger the document lacks, no copy, an empty suffix, a new ID that the new
// entry dialog refuses or that any kind has, two copies giving one ID, and a difficulty for a
// trigger line without its 18 fields.
std::optional<std::u16string> CopyChainProblem(const Document &document,
                                               std::u16string_view trigger,
                                               const std::vector<ChainCopy> &copies);

struct CopiedEntry {
    NewEntryKind kind;
    std::string id;
    std::string newId;
};

// Appends, per copy in turn, the trigger's task forces, teams and trigger line under their IDs
// with the copy's suffix, as 复制 appends one: the teams of the copy name its task forces, the
// trigger line its teams (field 1 and field 14), and a difficulty sets fields 15 to 17 to 1 for
// its level and 0 for the others. A team is one whose ID the trigger names and the document has;
// so is a task force a copied team names. Nothing is changed and nothing returned when
// CopyChainProblem refuses.
std::vector<CopiedEntry> CopyChain(Document &document, std::u16string_view trigger,
                                   const std::vector<ChainCopy> &copies);
