#pragma once
// Realistic AI rules files for tests and benchmarks, and a way to hand texts to the loaders.

#include "core/document.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// An AI rules text of k × (1,000 task forces with 3 to 8 members, 1,000 scripts with 5 to 20
// actions the game has with arguments of their kinds, 1,000 teams with their 31 keys naming
// existing task forces and scripts, 2,000 triggers
// naming existing teams), each list followed by its kind's sections in another order. IDs are
// unique hex strings with suffixes, registry numbers are a shuffled permutation, some names are
// Chinese in code page 936 bytes (one of them with the trail byte 0x5B, '['). Line ends are LF;
// write it with platform::WriteTextFile for CR LF on disk. The same seed gives the same bytes.
std::string GenerateAiFile(int k, uint32_t seed);

// A mod's rules file of about `k` MB: the four type lists and [Countries], each in two blocks, and
// a section of 20 keys per type. Among its types are those GenerateAiFile's task forces and
// triggers use, spelt in lower case, so a generated AI file checks clean against it.
std::string GenerateRulesFile(int k);

// Puts the texts into the document's loaded-file slots from slot 0 on, as Open leaves them; a
// nullopt leaves its slot unused.
void FillSlots(Document &doc, const std::vector<std::optional<std::string>> &texts);

// Sets the document to what opening GenerateAiFile(k, seed) gives: the seven texts as the four
// loaders build them (start number 0) and a file counted as open. The first call for a k and
// seed loads; later calls copy the document, so benchmarks can start each run afresh cheaply.
void LoadGeneratedDocument(Document &doc, int k, uint32_t seed);

} // namespace testsupport
