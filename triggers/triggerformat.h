#pragma once
// The trigger line: entry ID, '=', then eighteen comma-separated fields
//   0 name, 1 team, 2 house, 3 tech level, 4 condition code, 5 condition object,
//   6 comparison block, 7 base weight, 8 minimum weight, 9 maximum weight, 10 skirmish, 11 (not
//   edited), 12 side, 13 base defence, 14 second team, 15 easy, 16 medium, 17 hard.
// Narrow texts are file text in the ANSI code page; wide texts are what the trigger form shows.

#include <optional>
#include <string>
#include <string_view>

// What a new trigger's line holds after its ID.
inline constexpr std::string_view kNewTriggerValue =
    "=NoName,NoTeam,<all>,0,1,NoCheck,"
    "0000000002000000000000000000000000000000000000000000000000000000,"
    "0.000000,0.000000,0.000000,1,0,0,0,<none>,0,0,0";

// Field `field` (0 to 17) of `rest`, the text of a line after its ID (it begins with '=').
// Field 0 lies between the first '=' and the first ',' after it ("None" without '='). Field k
// from 1 to 16 lies between commas k and k+1 and is "None" when the line has fewer than k+1
// commas. Field 17 is the text after the last comma, or all of `rest` when it has none. Fields
// are not unescaped: a name holding a comma shifts every later field. "None" for other numbers.
std::string TriggerField(std::string_view rest, int field);

// The condition names by code, -1 to 7, and the operator names by code, 0 to 5.
std::optional<std::u16string> ConditionName(int code);
std::optional<std::u16string> OperatorName(int code);
// Codes for the names; a name outside the table gives -1 (condition) or 5 (operator).
int ConditionCode(std::u16string_view name);
int OperatorCode(std::u16string_view name);

// Field 6 taken apart, both as decimal text.
struct DecodedComparison {
    std::string value;        // the signed 32-bit value: a stored FBFFFFFF reads as "-5"
    std::string operatorCode; // "0" to "255"
};

// A block that is not exactly 64 characters long reads as 64 zeros (value "0", operator "0").
// A 64-character block holding anything but hexadecimal digits reads as "None" and "None".
DecodedComparison DecodeComparisonBlock(std::string_view block);

// The 64-digit block for a value text and an operator name: the value as the C library's atoi
// reads it, saturated to the signed 32-bit range, in little-endian upper-case hexadecimal; then
// the operator's code (5 for a name outside the table); then zeros.
std::string EncodeComparisonBlock(std::u16string_view value, std::u16string_view operatorName);

// Weights are stored with six decimals and shown without the zeros that end them. A number here
// is an optional sign, digits, and optionally a '.' with more digits.
// Stored to shown: "12.750000" shows "12.75", "50.000000" and "50" show "50"; a number with more
// than six decimals and anything that is not a number show exactly as stored.
std::string WeightForDisplay(std::string_view stored);
// Shown to stored: a number with at most six decimals gets exactly six ("50" -> "50.000000",
// "12.5" -> "12.500000"); a number with more decimals, and anything that is not a number
// (an empty box included), is stored exactly as typed, so nothing typed is lost or mangled.
std::string WeightForLine(std::string_view shown);

// Everything the trigger form edits.
struct TriggerForm {
    std::u16string name;
    std::u16string team;
    std::u16string house;
    std::u16string techLevel;
    std::u16string condition; // condition name
    std::u16string conditionObject;
    std::u16string comparison; // operator name
    std::u16string value;      // comparison value, decimal
    std::u16string baseWeight;
    std::u16string minWeight;
    std::u16string maxWeight;
    std::u16string side;
    bool easy = false;
    bool medium = false;
    bool hard = false;
    // Fields 10, 13 and 14.
    bool skirmish = true;
    bool baseDefense = false;
    std::u16string secondTeam = u"<none>";

    bool operator==(const TriggerForm &) const = default;
};

struct TriggerReading {
    TriggerForm form;
    // False when field 4 holds a code outside -1 to 7: form.condition is then empty, and the
    // condition box keeps whatever it showed.
    bool conditionKnown = false;
    // True when field 6 was not 64 characters long and was read as 64 zeros.
    bool blockCorrected = false;
};

// The form's view of `rest` (a line after its ID). The operator of a code outside 0 to 5 shows
// as "Drumo"; a flag is on only when its field is exactly "1". Fields 10, 13 and 14 read as the
// line's own text between its commas, and as 1, 0 and <none> where the line is too short.
TriggerReading ReadTriggerForm(std::string_view rest);

// The complete line for `id` without a line break: the eighteen fields of `form`, texts as typed,
// converted to the ANSI code page and not escaped; field 11 is 0.
// With `rest`, the text after the ID of the line it replaces, and `shown`, what the form showed
// for that line, it is the line a save writes, changing only what the user changed. When `form`
// equals `shown` that is `rest` as it stands, a short or malformed line included. Otherwise a
// field whose boxes still show what they showed keeps the line's text, and field 11 always does;
// of a comparison block of 64 hexadecimal digits, the value's 8 digits and the operator's next 8
// are written anew only when that box changed, the rest is kept. A field the line lacks comes
// from the form, and so does a block of any other form: the line gets all eighteen fields and a
// valid block.
std::string WriteTriggerLine(std::u16string_view id, const TriggerForm &form,
                             std::string_view rest = {}, const TriggerForm *shown = nullptr);
