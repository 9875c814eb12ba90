// The header index must find exactly what the literal line-start search finds.

#include "core/headerindex.h"

#include "core/initext.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace {

// IDs that are awkward for an index: brackets, '=', blanks, prefixes of one another, differing
// case, a code page 936 character whose second byte is '[', the empty ID.
const std::array<std::string, 22> kIds = {
    "A",    "A1",   "A10",   "a",        "A]",    "A]B", "[A", "A=B",
    "A B",  " A",   "A ",    "]",        "[",     "",    "=",  std::string("A\tB"),
    "TF_A", "tf_a", "TF_A]", "\x94\x5B", "A[B]C", "A\r"};

class RandomText {
public:
    explicit RandomText(uint32_t seed) : engine_(seed) {}

    std::string Make() {
        std::string text;
        for (int line = 0, lines = int(Below(40)); line < lines; ++line) {
            switch (Below(8)) {
            case 0:
            case 1: // a header, sometimes with something after it
                text += '[' + Id() + ']' + Pick({"", "", " ;note", "]", "x", "[B]", "]]"});
                break;
            case 2: // a header mentioned inside a value
                text += Pick({"Ref=", "Name=", " ", "\t", ";"}) + ('[' + Id() + ']');
                break;
            case 3: // a bracket that opens a line but never closes
                text += '[' + Id();
                break;
            case 4:
                text += std::string("x\0[", 3) + Id() + ']';
                break;
            case 5:
                break; // a blank line
            default:
                text += "Key=" + Id();
            }
            if (line + 1 < lines || Below(2)) text += Pick({"\n", "\n", "\n", "\r\n", "\n\n"});
        }
        return text;
    }

    std::string Id() { return kIds[Below(kIds.size())]; }

private:
    uint32_t Below(size_t n) { return uint32_t(engine_() % n); }
    std::string Pick(std::initializer_list<const char *> items) {
        return *(items.begin() + Below(items.size()));
    }
    std::mt19937 engine_;
};

TEST(HeaderIndexTest, FindsWhatTheLiteralSearchFinds) {
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        const std::string text = RandomText(seed).Make();
        SCOPED_TRACE("seed " + std::to_string(seed));
        const HeaderIndex index(text);
        std::vector<std::string> ids(kIds.begin(), kIds.end());
        // Every stretch that follows a '[' on its line is a possible ID, found or not. IDs come
        // from one line of a registry list, so none holds an LF.
        for (size_t open = text.find('['); open != std::string::npos;
             open = text.find('[', open + 1)) {
            for (size_t end = open + 1; end <= text.size() && end <= open + 12; ++end) {
                ids.push_back(text.substr(open + 1, end - open - 1));
                if (end < text.size() && text[end] == '\n') break;
            }
        }
        for (const std::string &id : ids)
            ASSERT_EQ(index.Find(id), HeaderLineOf(text, id)) << "ID \"" << id << "\" in\n" << text;
    }
}

TEST(HeaderIndexTest, FirstHeaderLineWinsAndMidLineHeadersDoNot) {
    const std::string text = "Ref=[A]\n[A10]\n[A]x\n[A]\n[A]B]\n";
    const HeaderIndex index(text);
    EXPECT_EQ(index.Find("A"), 14);
    EXPECT_EQ(index.Find("A1"), -1);
    EXPECT_EQ(index.Find("A10"), 8);
    EXPECT_EQ(index.Find("A]B"), 23);
    EXPECT_EQ(index.Find("a"), -1);
}

} // namespace
