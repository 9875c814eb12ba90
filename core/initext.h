#pragma once
// Helpers that take INI text apart and put it back together. Narrow text is bytes in the ANSI
// code page with LF line breaks; positions are byte offsets. Absence is reported by value:
// -1 for a position, std::nullopt where there is no text at all, "None" for a missing value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Searches `pattern` in `text` at offsets start, start+1, ... while the whole pattern fits below
// `bound`. A NUL in the text never matches. Mode 0 returns the offset of the first match, mode 1
// the offset just past the match and one more character (the line break after a header, the '='
// after a key). Without a match, mode 1 returns -1 and mode 0 the first offset not tried,
// max(start, bound - size + 1): for a one-character pattern that is `bound`, which callers take as
// "the end of the text". Returns -1 when `bound` is smaller than the pattern. An empty pattern
// matches at `start`.
int FindInText(int bound, int start, std::string_view text, std::string_view pattern, int mode);

// The bytes from `start` up to `end`, but not past `length`; nullopt when start >= end or
// start >= length.
std::optional<std::string> CutText(std::string_view text, int length, int start, int end);

// A copy in which every run of consecutive LFs is one LF (a run at the end too).
std::string SqueezeLineBreaks(std::string_view text);
// The same appended to `out`, without a copy of its own.
void AppendSqueezed(std::string &out, std::string_view text);

// 1 plus the number of LFs: a text ending with LF counts an empty last line.
int CountLines(std::string_view text);

// Line n (from 1) without its LF; nullopt when the text ends before line n starts. Line 0 (or a
// negative n) is the last line: the text after the last LF.
std::optional<std::string> GetLine(std::string_view text, int n);

// Part 0: the text before the first `separator`, unchanged (the whole line when there is none).
// Part 1: the text after it, cleaned: leading blanks and tabs dropped, inner runs made one
// space, a ';' ends the value and takes a space just before it along. nullopt for an empty line
// and for any other part.
std::optional<std::string> SplitKeyValue(std::string_view line, char separator, int part);
// Part 1's cleaning of `value` (the text after the separator), appended to `out`.
void AppendCleanValue(std::string &out, std::string_view value);

// After any leading ';', the line is not empty, holds '=' and holds no ';'.
bool IsAssignmentLine(std::string_view line);

// Some '=' comes after some digit: "12=Foo" and "0=./a.ini" are registry lines. A line whose
// first character other than blank or tab is ';' is commented out and never one: ";4=Old".
bool IsRegistryLine(std::string_view line);

// The line without the blanks and tabs before its first other character.
std::string_view Unindented(std::string_view line);

// A list line that appends an entry without a number of its own: "+=ID", blanks or tabs may
// stand before the '+'.
bool IsAppendLine(std::string_view line);

// The key a line reads: the text before its first '=', after the blanks and tabs before it; none
// for a line without '=' (or with nothing but blanks before it).
std::optional<std::string_view> KeyOfLine(std::string_view line);

// The value of the first line of `text` whose key (KeyOfLine) is exactly `key`, up to the end of
// its line: how a team's values are read, shown and written. None when no line has the key.
std::optional<std::string_view> KeyLineValue(std::string_view text, std::string_view key);

// The text without blanks or tabs at either end.
std::string_view Trimmed(std::string_view text);

// An optional sign and digits: "12", "-1", "+3".
bool IsWholeNumber(std::string_view text);

// A reference as the game reads it: the value up to a ';' note, without blanks or tabs at either
// end. A view into `value`.
std::string_view ReferenceIn(std::string_view value);

// The text after the first occurrence of `key` (a plain substring, key usually ending in '=') up
// to the end of its line; "None" when the key does not occur. Not trimmed.
std::string ValueOfKey(std::string_view text, std::string_view key);

// Offset of the next line at or after `from` that starts with '[': a section boundary. A '['
// inside a line never is one. Returns the text's size when there is none.
int NextHeaderLine(std::string_view text, int from);

// Offset of the first line at or after `from` that starts with "[id]"; -1 when there is none.
int HeaderLineOf(std::string_view text, std::string_view id, int from = 0);

// The section whose header line starts at `header`, cut as EntrySectionOf cuts it.
std::string_view SectionAt(std::string_view text, int header);

// The section of `id`: its header line and the lines up to, not including, the LF before the
// next line that starts with '['; up to the end of the text (final LFs included) when no such
// line follows. "None" when the text has no header line for `id`.
std::string EntrySectionOf(std::string_view text, std::string_view id);

// Removes the line that holds the first occurrence of `key`, together with one line break.
// Returns false, changing nothing, when the key does not occur.
bool RemoveLineWith(std::string &text, std::string_view key);

bool StartsWith(std::string_view text, std::string_view prefix);

// Reads comma-separated fields. With n separators in the text, field k lies between separators
// k-1 and k. b == 0 (or the pair -2, -2) gives the last field; 1 <= b <= n gives fields a+1 to b
// joined without their separators (empty when b <= a); a < 1, b < 0 or b > n give "None".
std::string FieldsBetween(std::string_view text, char separator, int a, int b);

// Edit-field text for a document text: CRs dropped, runs of LFs made one, a final LF added to a
// text that is not empty.
std::string NormalizeEditText(std::string_view text);

// Wide (window) text to narrow text in the ANSI code page and back.
std::string ToNarrow(std::u16string_view wide);
std::u16string ToWide(std::string_view narrow);

// The C library's decimal conversion: leading blanks, an optional sign, digits; 0 when there are
// none. A number beyond the signed 32-bit range gives the nearest limit.
int32_t NarrowToInt(std::string_view text);
int32_t TextToInt(std::u16string_view wide);

// The path up to and including its last '\' or '/'; empty when it has neither.
std::string DirectoryOf(std::string_view path);

// The path without a leading "./".
std::string StripDotSlash(std::string_view path);

// Replaces every `from` by `to` in place.
std::string &ReplaceChar(std::string &text, char from, char to);

// Shows narrow text in the application message box.
void ShowNarrowMessage(std::string_view text);
