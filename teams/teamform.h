#pragma once
// A team's entry section as the team window's form sees it: the values it shows, and how a save
// writes the values the user changed into the body, line by line, keeping everything else.

#include <array>
#include <optional>
#include <string>
#include <string_view>

// One key of a team's body as the form shows and writes it.
struct TeamKey {
    std::string_view key;
    bool flag;                // yes/no, shown as a check box
    std::string_view absent;  // what the form shows when no line has the key
    std::string_view ifEmpty; // what a save writes for an empty box
};

// The keys in the order of a full body: Name, Priority and Max, the block every team carries
// with its usual values, the 19 flags, Script and TaskForce.
inline constexpr std::array<TeamKey, 31> kTeamLayout = {{
    {"Name", false, "None", "<None>"},
    {"Priority", false, "None", "1"},
    {"Max", false, "None", "1"},
    {"VeteranLevel", false, "1", "1"},
    {"MindControlDecision", false, "2", "2"},
    {"House", false, "<none>", "<none>"},
    {"Loadable", true, "no", "no"},
    {"TechLevel", false, "0", "0"},
    {"Group", false, "-1", "-1"},
    {"OnTransOnly", true, "no", "no"},
    {"Full", true, "no", "no"},
    {"Annoyance", true, "no", "no"},
    {"GuardSlower", true, "no", "no"},
    {"Recruiter", true, "no", "no"},
    {"Autocreate", true, "no", "no"},
    {"Prebuild", true, "no", "no"},
    {"Reinforce", true, "no", "no"},
    {"Droppod", true, "no", "no"},
    {"UseTransportOrigin", true, "no", "no"},
    {"Whiner", true, "no", "no"},
    {"LooseRecruit", true, "no", "no"},
    {"Aggressive", true, "no", "no"},
    {"Suicide", true, "no", "no"},
    {"AvoidThreats", true, "no", "no"},
    {"IonImmune", true, "no", "no"},
    {"TransportsReturnOnUnload", true, "no", "no"},
    {"AreTeamMembersRecruitable", true, "no", "no"},
    {"IsBaseDefense", true, "no", "no"},
    {"OnlyTargetHouseEnemy", true, "no", "no"},
    {"Script", false, "None", ""},
    {"TaskForce", false, "None", ""},
}};

enum TeamKeyIndex : size_t {
    kTeamName = 0,
    kTeamPriority = 1,
    kTeamMax = 2,
    kTeamFirstFlag = 10, // Full; the 19 flags run to OnlyTargetHouseEnemy
    kTeamScript = 29,
    kTeamTaskForce = 30,
};

// The form's value per layout key, narrow text in the ANSI code page. A flag reads "yes" when its
// value starts with "yes" (so "Yes" and "true" do not) and "no" otherwise.
using TeamForm = std::array<std::string, kTeamLayout.size()>;

// The form's view of a section (or a body): each key's value as KeyLineValue reads it, its
// `absent` text when no line has it.
TeamForm ReadTeamForm(std::string_view section);

// The body after a save. For each layout key, the first line that reads it becomes "key=value"
// when `edited` differs from `shown` there, and stays as it is otherwise. A key that no line has
// is appended after the last non-empty line, in layout order, only when `edited` differs from
// `shown` there: untouched, it stays absent. An empty box writes the key's `ifEmpty`, a line break
// inside a value becomes a blank. Every other line stays byte for byte.
std::string UpdateTeamBody(std::string_view body, const TeamForm &shown, const TeamForm &edited);

// The body of the first section whose header line starts with "[id]": the lines after the header
// line up to the line break before the next line that starts with '[' (or the end of the text).
std::optional<std::string> TeamBodyOf(std::string_view sections, std::string_view id);

// Puts `body` in place of that body. The header line and the line break before the next header
// stay. False, changing nothing, when there is no such section.
bool ReplaceTeamBody(std::string &sections, std::string_view id, std::string_view body);
