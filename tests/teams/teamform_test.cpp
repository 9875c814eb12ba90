#include "teams/teamform.h"

#include <gtest/gtest.h>

namespace {

TEST(TeamFormTest, ReplacesOnlyTheNamedBodyAndKeepsTheBlankLines) {
    std::string sections = "\n[A]\nName=a\n\n[AB]\nName=ab\nHouse=x\n\n[C]\nName=c\n\n";
    ASSERT_TRUE(ReplaceTeamBody(sections, "AB", "NEW\n"));
    ASSERT_TRUE(ReplaceTeamBody(sections, "AB", "TWO\n")); // again, now that it is shorter
    ASSERT_TRUE(ReplaceTeamBody(sections, "C", "LAST\n")); // the last runs to the end
    EXPECT_EQ(sections, "\n[A]\nName=a\n\n[AB]\nTWO\n\n[C]\nLAST\n");

    sections = "[A]\n[B]\nName=b\n\n[Z]";
    ASSERT_TRUE(ReplaceTeamBody(sections, "A", "X\n")); // an empty body
    ASSERT_TRUE(ReplaceTeamBody(sections, "Z", "Y\n")); // a header without its line break
    EXPECT_EQ(sections, "[A]\nX\n[B]\nName=b\n\n[Z]\nY\n");
}

TEST(TeamFormTest, NoSectionNoChange) {
    const std::string before = "[A]\nName=a\n; [Gone]\n";
    std::string sections = before;
    EXPECT_FALSE(ReplaceTeamBody(sections, "Gone", "X\n")) << "a '[' inside a line is no header";
    EXPECT_FALSE(ReplaceTeamBody(sections, "", "X\n"));
    EXPECT_EQ(sections, before);
}

// The 19 flags, all "no".
const std::string kFlagsNo =
    "Full=no\nAnnoyance=no\nGuardSlower=no\nRecruiter=no\nAutocreate=no\nPrebuild=no\n"
    "Reinforce=no\nDroppod=no\nUseTransportOrigin=no\nWhiner=no\nLooseRecruit=no\n"
    "Aggressive=no\nSuicide=no\nAvoidThreats=no\nIonImmune=no\nTransportsReturnOnUnload=no\n"
    "AreTeamMembersRecruitable=no\nIsBaseDefense=no\nOnlyTargetHouseEnemy=no\n";

constexpr size_t kMindControl = 4;
constexpr size_t kUseTransportOrigin = kTeamFirstFlag + 8;

// A save as the window makes it: the value of `key` set to `value` (nullptr: nothing changed).
std::string Save(std::string_view body, size_t key, const char *value) {
    const TeamForm shown = ReadTeamForm(body);
    TeamForm edited = shown;
    if (value) edited[key] = value;
    return UpdateTeamBody(body, shown, edited);
}

TEST(TeamFormTest, SaveChangesOnlyTheLinesOfChangedValues) {
    const std::string own = "VeteranLevel=3\nMindControlDecision=0\nHouse=Reds\nLoadable=yes\n"
                            "TechLevel=5\nGroup=2\nOnTransOnly=Yes\n";
    const std::string full =
        "Name=Rush\nPriority=5\nMax=2\n" + own + "Full=yes\nAnnoyance=Yes\nGuardSlower=2\n" +
        kFlagsNo.substr(kFlagsNo.find("Recruiter")) + "Script=S\nTaskForce=T\n";
    auto withPriority7 = [](std::string text) {
        const size_t at = text.find("Priority=5");
        return text.replace(at, 10, "Priority=7");
    };
    auto without = [](std::string text, std::string_view line) {
        return text.erase(text.find(line), line.size());
    };
    const std::string older =
        without(without(full, "MindControlDecision=0\n"), "UseTransportOrigin=no\n");
    const struct {
        const char *what;
        std::string body;
        size_t key;
        const char *value;
        std::string saved;
    } cases[] = {
        {"keys of their own values, flags as Yes and 2", full, kTeamPriority, "7",
         withPriority7(full)},
        {"unknown keys, comments and blank lines stay in place",
         "; note\nCustom=1\n" + full + "\nZ=2 ;tail\n\n", kTeamPriority, "7",
         withPriority7("; note\nCustom=1\n" + full + "\nZ=2 ;tail\n\n")},
        {"an indented key becomes key=value, untouched ones stay indented",
         "\tName=Rush\n  Priority=5\n" + full.substr(full.find("Max=")), kTeamPriority, "7",
         "\tName=Rush\nPriority=7\n" + full.substr(full.find("Max="))},
        {"only the first line of a repeated key", "Priority=5\n" + full, kTeamPriority, "7",
         "Priority=7\n" + full},
        {"missing keys stay missing without a change", older, 0, nullptr, older},
        {"missing keys stay missing when another changes", older, kTeamPriority, "7",
         withPriority7(older)},
        {"a missing key the user set follows the last non-empty line", "Name=A\nPriority=5\n\n",
         kMindControl, "0", "Name=A\nPriority=5\nMindControlDecision=0\n\n"},
        {"a missing flag ticked, after a last line without a line break", "House=Reds\nPriority=5",
         kUseTransportOrigin, "yes", "House=Reds\nPriority=5\nUseTransportOrigin=yes\n"},
        {"an empty body stays empty without a change", "", 0, nullptr, ""},
        {"an empty body gets only the key the user set", "", kTeamPriority, "7", "Priority=7\n"},
    };
    for (const auto &c : cases) {
        const std::string saved = Save(c.body, c.key, c.value);
        EXPECT_EQ(saved, c.saved) << c.what;
        EXPECT_EQ(Save(saved, c.key, c.value), saved) << c.what << ": a second save";
    }
}

TEST(TeamFormTest, ChangedValuesAreWrittenInTheLayoutsForm) {
    const std::string body = "Name=A\nPriority=5\nMax=2\nAnnoyance=Yes\nLoadable=2\nScript=S\n";
    const TeamForm shown = ReadTeamForm(body);
    EXPECT_EQ(shown[kTeamFirstFlag + 1], "no") << "only a value starting with yes is set";
    EXPECT_EQ(shown[kTeamTaskForce], "None");
    EXPECT_EQ(shown[3], "1") << "a missing VeteranLevel shows the usual value";
    TeamForm edited = shown;
    edited[kTeamName] = "pasted\n[Other]\nMax=9"; // a line break cannot start a line
    edited[kTeamPriority] = "";
    edited[kTeamFirstFlag + 1] = "yes";
    edited[6] = "yes"; // Loadable, ticked
    edited[kTeamScript] = "";
    EXPECT_EQ(
        UpdateTeamBody(body, shown, edited),
        "Name=pasted [Other] Max=9\nPriority=1\nMax=2\nAnnoyance=yes\nLoadable=yes\nScript=\n");
}

} // namespace
