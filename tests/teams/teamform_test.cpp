#include "teams/teamform.h"

#include "core/initext.h"

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

// The 19 flags, all "no", and the block every team carries with its usual values.
const std::string kFlagsNo =
    "Full=no\nAnnoyance=no\nGuardSlower=no\nRecruiter=no\nAutocreate=no\nPrebuild=no\n"
    "Reinforce=no\nDroppod=no\nUseTransportOrigin=no\nWhiner=no\nLooseRecruit=no\n"
    "Aggressive=no\nSuicide=no\nAvoidThreats=no\nIonImmune=no\nTransportsReturnOnUnload=no\n"
    "AreTeamMembersRecruitable=no\nIsBaseDefense=no\nOnlyTargetHouseEnemy=no\n";
const std::string kUsualBlock = "VeteranLevel=1\nMindControlDecision=2\nHouse=<none>\nLoadable=no\n"
                                "TechLevel=0\nGroup=-1\nOnTransOnly=no\n";

// A save whose only change is the priority, as the window makes it.
std::string SaveWithPriority(std::string_view body, std::string priority) {
    const TeamForm shown = ReadTeamForm(body);
    TeamForm edited = shown;
    edited[kTeamPriority] = std::move(priority);
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
    const struct {
        const char *what;
        std::string body;
        std::string saved;
    } cases[] = {
        {"keys of their own values, flags as Yes and 2", full, withPriority7(full)},
        {"unknown keys, comments and blank lines stay in place",
         "; note\nCustom=1\n" + full + "\nZ=2 ;tail\n\n",
         withPriority7("; note\nCustom=1\n" + full + "\nZ=2 ;tail\n\n")},
        {"an indented key becomes key=value, untouched ones stay indented",
         "\tName=Rush\n  Priority=5\n" + full.substr(full.find("Max=")),
         "\tName=Rush\nPriority=7\n" + full.substr(full.find("Max="))},
        {"only the first line of a repeated key", "Priority=5\n" + full, "Priority=7\n" + full},
        {"missing keys follow the last non-empty line in layout order", "Name=A\nPriority=5\n\n",
         "Name=A\nPriority=7\nMax=None\n" + kUsualBlock + kFlagsNo +
             "Script=None\nTaskForce=None\n\n"},
        {"a last line without a line break", "House=Reds\nPriority=5",
         "House=Reds\nPriority=7\nName=None\nMax=None\nVeteranLevel=1\nMindControlDecision=2\n"
         "Loadable=no\nTechLevel=0\nGroup=-1\nOnTransOnly=no\n" +
             kFlagsNo + "Script=None\nTaskForce=None\n"},
        {"an empty body gets the full layout", "",
         "Name=None\nPriority=7\nMax=None\n" + kUsualBlock + kFlagsNo +
             "Script=None\nTaskForce=None\n"},
    };
    for (const auto &c : cases) {
        const std::string saved = SaveWithPriority(c.body, "7");
        EXPECT_EQ(saved, c.saved) << c.what;
        EXPECT_EQ(SaveWithPriority(saved, "7"), saved) << c.what << ": a second save";
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
    const std::string saved = UpdateTeamBody(body, shown, edited);
    EXPECT_TRUE(StartsWith(saved, "Name=pasted [Other] Max=9\nPriority=1\nMax=2\n"
                                  "Annoyance=yes\nLoadable=yes\nScript=\nVeteranLevel=1\n"))
        << saved;
}

} // namespace
