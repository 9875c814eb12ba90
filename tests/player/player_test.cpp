// The scenario player tells a pass, a difference and a step it cannot carry out apart, and reads
// the JSON of scenario folders.

#include "player/json.h"
#include "support/testsupport.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

struct PlayerRun {
    int status = -1;
    std::string out;
};

PlayerRun RunPlayer(const fs::path &scenario) {
    TempDir scratch;
    const std::string command = "QT_QPA_PLATFORM=offscreen timeout 60 " +
                                std::string(VANTAEDIT_PLAYER) + " '" + scenario.string() + "' >'" +
                                (scratch / "out").string() + "' 2>/dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(scratch / "out")};
}

} // namespace

TEST(Player, PassDifferenceAndStepItCannotCarryOut) {
    const fs::path example = fs::path(VANTAEDIT_SCENARIOS) / "taskforce-edit-save";
    struct Case {
        const char *name;
        std::string file;     // replaced in the scenario's copy
        std::string from, to; // in that file
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"as given", "steps.json", "", "", 0, "PASS taskforce-edit-save\n"},
        {"other bytes saved", "expected/ai.ini", "squad v2", "squad v3", 1,
         "FAIL taskforce-edit-save: file ai.ini: differs at byte 77 (line 7)\n"},
        {"other window state", "scenario.json", "\"Air wing\"", "\"Air wings\"", 1,
         "FAIL taskforce-edit-save: taskforce.rows: expected"},
        {"a row the list lacks", "steps.json", "\"row\": 0", "\"row\": 9", 2,
         "FAIL taskforce-edit-save: step 2 ({\"window\": \"taskforce\", \"action\": "
         "\"click_row\", \"row\": 9}): no row 9 in the list\n"},
        {"an unknown action", "steps.json", "\"mouse_move\"", "\"wave\"", 2, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::copy(example, dir.path() / "taskforce-edit-save", fs::copy_options::recursive);
        const fs::path scenario = dir.path() / "taskforce-edit-save";
        fs::permissions(scenario / c.file, fs::perms::owner_write, fs::perm_options::add);
        std::string text = ReadBytes(scenario / c.file);
        if (!c.from.empty()) {
            const size_t at = text.find(c.from);
            if (at == std::string::npos) {
                // The example has no mouse movement: one is added for the unknown action.
                text.insert(text.find("[") + 1,
                            "{\"window\": \"taskforce\", \"action\": \"wave\"},");
            } else {
                text.replace(at, c.from.size(), c.to);
            }
        }
        WriteBytes(scenario / c.file, text);
        const PlayerRun run = RunPlayer(scenario);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out.substr(0, c.out.size()), c.out);
    }
}

TEST(PlayerJson, ReadsWhatScenariosHoldAndRefusesTheRest) {
    std::string error;
    const std::optional<JsonValue> value =
        JsonValue::Parse(R"({"a": [1, -2, true, null], "b": "\u6539\n\"x\"", "c": {}})", error);
    ASSERT_TRUE(value) << error;
    EXPECT_EQ(value->Compact(),
              "{\"a\": [1, -2, true, null], \"b\": \"改\\n\\\"x\\\"\", \"c\": {}}");
    EXPECT_EQ(*value->member("b")->string(), "改\n\"x\"");
    for (const char *bad : {"", "{", "[1,]", "{\"a\" 1}", "\"open", "1 2",
                            "[[[[[[[[[[[[[[[[[[[[["
                            "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[1]"}) {
        EXPECT_FALSE(JsonValue::Parse(bad, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}
