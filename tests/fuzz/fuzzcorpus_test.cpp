// Every input a fuzzing target ever failed on, kept in fuzz/corpus/<target>/, replayed through
// the same target and its properties, without libFuzzer; and the split of an input.

#include "fuzz/fuzzcases.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace fuzzcases;

TEST(FuzzCorpus, EveryKeptInputHoldsItsProperties) {
    size_t replayed = 0;
    for (const FuzzTarget &target : kFuzzTargets) {
        const std::filesystem::path folder =
            std::filesystem::path(VANTAEDIT_FUZZ_CORPUS) / std::string(target.name);
        if (!std::filesystem::exists(folder)) continue;
        for (const auto &entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string input(std::istreambuf_iterator<char>(in), {});
            try {
                target.run(input);
            } catch (const std::exception &failure) {
                ADD_FAILURE() << target.name << "/" << entry.path().filename().string() << ": "
                              << failure.what();
            }
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0u);
}

TEST(FuzzCorpus, InputsSplitIntoParametersAndFiles) {
    const struct {
        std::string input;
        std::string params;
        std::vector<std::string> files;
    } cases[] = {
        {"p", "p", {}},
        {"p\x01", "p", {""}},
        {"\x01"
         "a\x01\x01"
         "c",
         "",
         {"a", "", "c"}},
        // The last include file keeps any further separator.
        {"p\x01"
         "a\x01"
         "b\x01"
         "c\x01"
         "d\x01"
         "e",
         "p",
         {"a", "b", "c",
          "d\x01"
          "e"}},
    };
    for (const auto &c : cases) {
        const IncludeSet set = SplitInput(c.input);
        EXPECT_EQ(set.params, c.params) << c.input;
        EXPECT_EQ(set.files, c.files) << c.input;
        EXPECT_EQ(JoinInput(set), c.input);
    }
}
