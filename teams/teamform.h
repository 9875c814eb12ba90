#pragma once
// A team's entry section as the team window's form sees it: the values it shows, and the 31-line
// body it writes back in place of the old one.

#include <array>
#include <string>
#include <string_view>

// The yes/no keys, in the order the body lists them.
inline constexpr std::array<std::string_view, 19> kTeamFlagKeys = {
    "Full",
    "Annoyance",
    "GuardSlower",
    "Recruiter",
    "Autocreate",
    "Prebuild",
    "Reinforce",
    "Droppod",
    "UseTransportOrigin",
    "Whiner",
    "LooseRecruit",
    "Aggressive",
    "Suicide",
    "AvoidThreats",
    "IonImmune",
    "TransportsReturnOnUnload",
    "AreTeamMembersRecruitable",
    "IsBaseDefense",
    "OnlyTargetHouseEnemy",
};

// Narrow texts in the ANSI code page.
struct TeamForm {
    std::string comment;   // Name
    std::string priority;  // Priority
    std::string max;       // Max, the co-existence count
    std::string taskForce; // TaskForce
    std::string script;    // Script
    std::array<bool, kTeamFlagKeys.size()> flags{};
};

// The values of `section` (a header line and its keys): the text after the first "Key=" up to the
// end of its line, "None" when the key is absent; a flag is set when its value starts with "yes"
// (so "Yes" and "true" are not).
TeamForm ReadTeamForm(std::string_view section);

// The body a save writes, 31 lines each ended by LF: Name (default "<None>"), Priority and Max
// (default "1"), a fixed block, the flags as yes/no, Script and TaskForce as they stand. A line
// break inside a value becomes a blank.
std::string ComposeTeamBody(const TeamForm &form);

// Puts `body` in place of the body of the first section whose header line starts with "[id]": the
// lines after the header line up to the line break before the next line that starts with '[' (or
// the end of the text). The header line and that line break stay. False, changing nothing, when
// there is no such section.
bool ReplaceTeamBody(std::string &sections, std::string_view id, std::string_view body);
