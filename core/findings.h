#pragma once
// The findings of the file report, kept with the document: what Save will not write of the text
// that Open read, which references of the document lead nowhere, and which values the game reads
// do not have their form.

#include <string>
#include <vector>

enum class FindingKind {
    // Dropped on save, found in the loaded files.
    UnlistedSection,   // an entry-like section whose ID no registry list names
    DuplicateSection,  // a second or later section of an ID whose section is already taken
    SharedId,          // one ID in two registry lists: both kinds get the same section
    CommentedOutEntry, // a list line commented out whose ID has a section
    UnreadInclude,     // an include file that could not be read
    // Broken references, found in the document texts.
    MissingTeam,      // a trigger's team is not a team
    MissingTaskForce, // a team's TaskForce is not a task force
    MissingScript,    // a team's Script is not a script
    ListedTwice,      // one ID twice in one list
    EmptySection,     // an entry without a section: it is written with an empty body
    NoTeam,           // a trigger names no team
    NoTaskForce,      // a team names no task force
    NoScript,         // a team names no script
    // Names that the mod's rules file does not give, checked only against one.
    UnknownUnit,            // a task force member's type is in no type list
    UnknownConditionObject, // a trigger's condition object is in no type list
    UnknownHouse,           // a trigger's or team's house is not in [Countries]
    ScriptBuilding,         // a script's building argument is past the end of [BuildingTypes]
    // Values the game reads that do not have their form, found in the document texts.
    TriggerFieldCount,   // a trigger line without its 18 fields
    TriggerCondition,    // a condition code outside -1 to 7
    TriggerWeight,       // a weight that is not a number
    TriggerDifficulty,   // a difficulty flag that is not a whole number
    TeamPriority,        // a team's Priority that is not a whole number
    TeamMax,             // a team's Max that is not a whole number
    TaskForceMember,     // a member line that is not "count,TYPE"
    ScriptAction,        // an action line that is not "action,argument" in whole numbers
    UnknownScriptAction, // an action number the game does not have
    ScriptArgument,      // an argument outside its kind's values
};

struct Finding {
    FindingKind kind = FindingKind::UnlistedSection;
    std::string id;      // as in the file, in the ANSI code page
    std::u16string file; // as the report names it: relative to the opened file's folder
    int line = 0;        // from 1, in the file as it is on disk; 0 when only the document has it
    std::u16string what; // one short sentence for the user
};

struct DroppedOnSave {
    std::vector<Finding> findings;
    int otherSections = 0; // sections such as [General]: dropped by design, only counted
    bool shownAtSave = false;
};
