// The scenario player tells a pass, a difference and a step it cannot carry out apart, and reads
// the JSON of scenario folders. Through it, the editor killed with unsaved edits gives them back.

#include "player/json.h"
#include "support/testsupport.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

struct PlayerRun {
    int status = -1;
    std::string out;
};

PlayerRun RunPlayer(const fs::path &scenario, const std::string &options = "") {
    TempDir scratch;
    const std::string command = "QT_QPA_PLATFORM=offscreen timeout 60 " +
                                std::string(VANTAEDIT_PLAYER) + " '" + scenario.string() + "' " +
                                options + " >'" + (scratch / "out").string() + "' 2>/dev/null";
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

// The editor holds a team form save and a delete, unsaved, and is killed once its recovery file is
// written; started again, it opens the file, 恢复 is answered, and the save writes what the same
// session saves when nothing stops it (the scenario edit-and-delete-save).
TEST(Player, EditsOfAKilledEditorComeBackByteForByte) {
    const fs::path session = fs::path(VANTAEDIT_SCENARIOS) / "edit-and-delete-save";
    std::string error;
    const JsonValue steps = *JsonValue::Parse(ReadBytes(session / "steps.json"), error);
    const JsonValue::Array &all = *steps.array();
    TempDir dir;
    JsonValue::Array edits(all.begin(), all.end() - 1);
    edits.push_back(JsonValue::Object{{"window", "main"}, {"action", "idle"}, {"ms", 60000}});
    fs::create_directories(dir / "killed");
    fs::copy(session / "input", dir / "killed/input");
    WriteBytes(dir / "killed/steps.json", JsonValue(edits).Indented());
    WriteBytes(dir / "restored/steps.json",
               JsonValue(JsonValue::Array{all.front(), all.back()}).Indented());
    const fs::path work = dir / "work", data = dir / "data";
    const fs::path recovery = data / "VantaEdit/recovery";

    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(VANTAEDIT_PLAYER, VANTAEDIT_PLAYER, (dir / "killed").c_str(), "--keep", work.c_str(),
              "--data-home", data.c_str(), nullptr);
        _exit(127);
    }
    auto written = [&] {
        std::error_code none;
        for (const fs::directory_entry &entry : fs::directory_iterator(recovery, none))
            if (entry.path().extension() == ".recovery") return true;
        return false;
    };
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!written() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(written());
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(ReadBytes(work / "ai.ini"), ReadBytes(session / "input/ai.ini"));

    const PlayerRun restored = RunPlayer(
        dir / "restored", "--resume '" + work.string() + "' --data-home '" + data.string() + "'");
    EXPECT_EQ(restored.out, "PASS restored\n");
    EXPECT_EQ(ReadBytes(work / "ai.ini"), ReadBytes(session / "expected/ai.ini"));
    // Nothing is unsaved any more: the recovery file went with the save.
    EXPECT_FALSE(written());
}
