#pragma once
// The trigger section text (g_triggerText): built once from the loaded files, then changed one
// entry line at a time. An entry's line is the first line whose text before its first '=' is
// exactly the entry's ID, so "A1" never finds the line of "A10"; duplicate IDs stay in the
// text, and the first of them is the one found. IDs are narrow (ANSI code page) text.

#include "core/document.h"
#include "triggers/triggerformat.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Appends to the document's trigger text (empty when called) the line "[AITriggerTypes]", one
// line "ID=value" per trigger line of every [AITriggerTypes] section of every loaded file slot,
// in slot order and file order, then one empty line; every line ends with "\n". Sets the
// document's triggerLastIndex.
void LoadAITriggerTypes(Document &document);

// Which lines of an [AITriggerTypes] section the loader takes as triggers: after any leading ';'
// characters, the line up to its next ';' (where a note begins) holds an '='. So ";A=x" is the
// trigger ";A" (an entry commented out by hand is kept, ';' and all), "A=x ;note" is the trigger
// "A" with the value "x", and blank lines, comment lines and "A;B=x" are not triggers.
bool IsTriggerLine(std::string_view line);

// The entry's line after its ID (beginning with '='), without its line break; "None" when the
// text has no line for `id`.
std::string FindTriggerEntry(std::string_view text, std::string_view id);

// Puts `newLine` in place of the entry's line, squeezes runs of line breaks after it, and ends
// the text with one more "\n" (the empty last line). Returns false, changing nothing, when the
// text has no line for `id`.
bool ReplaceTriggerEntry(std::string &text, std::string_view id, std::string_view newLine);

// Takes out the lines of `ids` in one pass, each with the line break before it (with its own
// line break when it is the text's first line), as if they were removed one after the other: an
// ID listed twice takes out its first two lines. IDs without a line are passed over. Then every
// run of line breaks in the whole text becomes one.
void RemoveTriggerEntries(std::string &text, const std::vector<std::string> &ids);

// Appends the line of a new trigger (`id`, then `rest`: by default the new-trigger value) as the
// text's last line, squeezing runs of line breaks in the whole text; the text then ends with that
// line's "\n".
void AppendTriggerEntry(std::string &text, std::string_view id,
                        std::string_view rest = kNewTriggerValue);

// Appends `lines` ("ID=value" lines joined by LFs, without a final one) as AppendTriggerEntry
// appends each of them in turn, squeezing the whole text once.
void AppendTriggerLines(std::string &text, std::string_view lines);

// A trigger line's ID (before its first '=') and name (up to the ',' after it); nullopt for a
// line without '=', such as the header and the empty last line.
struct TriggerIdAndName {
    std::string_view id;
    std::string_view name;
};
std::optional<TriggerIdAndName> TriggerIdAndNameOf(std::string_view line);

// The name of every trigger of `text` by its ID, in one pass: the first line of an ID is its
// entry, as for every lookup. The views point into `text`.
std::unordered_map<std::string_view, std::string_view> TriggerNamesById(std::string_view text);
