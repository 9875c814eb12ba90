#pragma once
// The fuzzing targets: how an input becomes an include set and parameters, and the properties
// each target checks. The libFuzzer programs (clang, with the sanitizers) and the replay of
// fuzz/corpus/ in the ordinary tests run the same code.
//
// An input is split at each byte 0x01 into up to five pieces: the target's parameters, the
// opened file, and up to three include files (the fifth piece keeps any further 0x01). The files
// are written as they are into a temporary folder as "ai.ini", "1.ini", "2.ini" and "3.ini"; a
// piece that is not there writes no file. The opened file's [#include] section names them, or
// not, as it says ("[#include]\n1=1.ini"). Without a second piece there is no opened file.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzcases {

inline constexpr char kPieceSeparator = '\x01';
inline constexpr size_t kIncludeFileCount = 3;

struct IncludeSet {
    std::string params;
    std::vector<std::string> files; // the opened file, then the include files; at most four
};

IncludeSet SplitInput(std::string_view input);
// The input that SplitInput splits into `set`.
std::string JoinInput(const IncludeSet &set);

// A property that did not hold, saying which and how.
struct PropertyFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One target: runs an input and throws PropertyFailure when a property does not hold.
struct FuzzTarget {
    std::string_view name; // also its folder under fuzz/corpus/
    void (*run)(std::string_view input);
};

// open-report-save, forms, rename, history, merge.
extern const std::array<FuzzTarget, 5> kFuzzTargets;

const FuzzTarget *FindFuzzTarget(std::string_view name);

} // namespace fuzzcases
