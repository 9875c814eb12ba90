#pragma once
// The text work of the task force and script windows, which edit an entry's section as free
// text: store the edited section, tidy it, and rebuild both texts after a delete. The two kinds
// differ only in the parameters of EntryTextKind.

#include "core/registrylist.h"

#include <string>
#include <string_view>
#include <vector>

struct EntryTextKind {
    std::string_view listHeader; // first line of the rebuilt registry list text
    bool tidyWritesGroup;        // Tidy writes a "Group=" line after the "Name=" line
    bool deleteEndsListWithLf;   // Delete ends the list text (else the sections text) with an LF
};

inline constexpr EntryTextKind kTaskForceTextKind{"[TaskForces]", true, false};
inline constexpr EntryTextKind kScriptTextKind{"[ScriptTypes]", false, true};

enum class SaveOutcome {
    Saved,
    NoSection,   // the ID has no header line: nothing to replace
    NotASection, // the edited text does not start with a header line
    OtherId      // the edited text's header line names another ID
};

struct SaveResult {
    SaveOutcome outcome;
    std::string comment; // after Saved: the entry's "Name=" value, "None" when it has none
};

// Puts `editText` (narrow, as the editor field holds it) in place of the section of `id`: the
// header line and its lines, not the line break before the next section. The text is cleaned
// first (CRs dropped, runs of LFs made one, an LF at the end). An empty text removes the section;
// a text whose first line does not start with '[' would fall into the section before it, and one
// whose header names another ID would leave the list naming no section: both are refused.
// Anything but Saved leaves `sectionsText` unchanged.
SaveResult SaveEntrySection(std::string &sectionsText, std::string_view id,
                            std::string_view editText);

// The edited section in canonical form: "[id]", "Name=" and (for task forces) "Group=" with the
// values of their first occurrence ("None" when missing), then every line that holds a comma and
// no "Name", numbered from 0 with the text after the line's last "=".
std::string TidyEntryText(std::string_view id, std::string_view editText,
                          const EntryTextKind &kind);

struct EntryTexts {
    std::string listText;
    std::string sectionsText;
};

// Both texts rebuilt from the list's IDs in row order: the list numbered from `start`, the
// sections taken from `sectionsText` (an ID without one gives an empty line).
EntryTexts RebuildEntryTexts(const std::vector<std::string> &ids, std::string_view sectionsText,
                             int start, const EntryTextKind &kind);

// Both texts after deleting `doomed`: each one's registry line (see WithoutEntryLines) leaves the
// list, and the remaining entries are rebuilt as RebuildEntryTexts does, in the order of the
// list text, so an entry that has no row in the window stays.
EntryTexts DeleteEntryTexts(std::string_view listText, std::string_view sectionsText,
                            const std::vector<RegistryEntry> &doomed, int start,
                            const EntryTextKind &kind);

// The field text with the line "N=value" after the line at `caretLine` (from 0), N one more than
// the highest numbered line of the text (0 when it has none); an empty last line takes the new
// line in its place. Nothing else of the text changes.
struct InsertedNumberedLine {
    std::u16string text;
    int line = 0;   // the new line's index
    int column = 0; // where `value` begins in it
};
InsertedNumberedLine InsertNumberedLine(std::u16string_view fieldText, int caretLine,
                                        std::u16string_view value);
