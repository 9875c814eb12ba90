#pragma once
// The trigger section text (g_triggerText): built once from the loaded files, then changed one
// entry line at a time. An entry's line is the first line whose text before its first '=' is
// exactly the entry's ID, so "A1" never finds the line of "A10"; duplicate IDs stay in the
// text, and the first of them is the one found. IDs are narrow (ANSI code page) text.

#include <string>
#include <string_view>
#include <vector>

// The index of the last row of the trigger list: the number of triggers minus one.
extern int g_triggerLastIndex;

// Appends to g_triggerText (empty when called) the line "[AITriggerTypes]", one line "ID=value"
// per trigger line of every [AITriggerTypes] section of every loaded file slot, in slot order
// and file order, then one empty line; every line ends with "\n". Sets g_triggerLastIndex.
void LoadAITriggerTypes();

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

// Appends the line of a new trigger (`id` and the new-trigger value) as the text's last line,
// squeezing runs of line breaks in the whole text; the text then ends with that line's "\n".
void AppendTriggerEntry(std::string &text, std::string_view id);
