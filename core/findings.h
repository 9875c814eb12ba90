#pragma once
// The findings of the file report, kept with the document: what Save will not write of the text
// that Open read, and which references of the document lead nowhere.

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
};

struct Finding {
    FindingKind kind = FindingKind::UnlistedSection;
    std::string id;      // as in the file, in the ANSI code page
    std::u16string file; // as the report names it; empty for the document
    int line = 0;        // from 1; 0 for the document
    std::u16string what; // one short sentence for the user
};

struct DroppedOnSave {
    std::vector<Finding> findings;
    int otherSections = 0; // sections such as [General]: dropped by design, only counted
    bool shownAtSave = false;
};

// What the last Open found in its files: the load sets it, ResetDocument empties it.
extern DroppedOnSave g_droppedOnSave;
