#pragma once
// The game's script actions: what each action number of a script line "N=action,argument" does,
// what its argument is, and how a line reads in words. Plain data and text work; the script window
// shows it and the file report checks against it.

#include "core/document.h"
#include "core/modnames.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What an action's argument counts or names.
enum class ArgumentKind {
    None,     // not used
    Target,   // a target (quarry) type, one of kTargetTypes
    Waypoint, // a waypoint number
    Duration, // a count of time: frames or the game's time units
    Mission,  // a unit mission number
    Script,   // an index into the file's own script list, from 0
    Team,     // an index into the file's own team list, from 0
    Line,     // a line of this script, from 1
    Number,   // a plain number whose meaning the action's line gives
    // The kinds the engine extensions' actions and a modder's own table add.
    Seconds,       // a count of the game's seconds
    Building,      // a building type and how to pick one: see buildingargument.h
    PhobosTarget,  // one of the extension's target types 1-36, PhobosTargetTypeCount
    AiTargetTypes, // a row of the rules file's [AITargetTypes], from 0
    AiScriptsList, // a row of the rules file's [AIScriptsList], from 0
    Variable,      // a variable index in the low 16 bits, a value or index in the high 16 bits
};

// What the game is known to do with an action beyond its description.
enum class ActionQuirk {
    None,
    Ignored, // the game reads the line but does nothing
};

// The variables a variable argument addresses: its low half a local or a global variable, its
// high half a number or another local or global variable; None where that is not known (a
// modder's table says only "variable"). Actions whose whole argument is a variable's index (the
// game's 12 and 38, 39 and 40) say so in `variable` alone.
enum class VariableScope { None, Number, Local, Global };

struct ScriptAction {
    int number;
    std::string_view name; // the key of a short name, for lists and the explanation
    ArgumentKind argument;
    std::string_view description; // the key of one line
    ActionQuirk quirk = ActionQuirk::None;
    // The key of what gives the action, for lists ("Ares", "Phobos"); empty for the game's.
    std::string_view source = {};
    VariableScope variable = VariableScope::None; // what the argument (its low half) addresses
    VariableScope operand = VariableScope::None;  // what a Variable argument's high half is
    // A modder's table words its actions itself: these stand for the keys when not empty.
    std::u16string_view ownName = {}, ownDescription = {};
    // One of the extension's 72 variable operations (0-71), whose texts are made from its parts.
    int variableOperation = -1;
};

// The actions of an engine profile, with a modder's own table laid over them: actionprofiles.h.
class ActionProfile;
// The game's own actions, the profile everything falls back to.
const ActionProfile &BaseActions();

// Every action the game knows, in number order from 0 without gaps.
std::span<const ScriptAction> ScriptActions();

// The action with `number`, or nullptr when the table has none.
const ScriptAction *FindScriptAction(int64_t number);

// An action's name and line in the current language.
std::u16string ActionName(const ScriptAction &action);
std::u16string ActionDescription(const ScriptAction &action);

// How many target types have a name; they run by value from 0 without gaps.
size_t TargetTypeCount();
// How many target types the extension's actions know; they run by value from 1 without gaps.
size_t PhobosTargetTypeCount();

// A numbered line of a script's section, read as the file report reads it.
struct ActionLine {
    int64_t index = 0;             // the number before '='
    bool wellFormed = false;       // the value is "action,argument", both whole numbers
    int64_t action = 0;            // when wellFormed
    int64_t argument = 0;          // when wellFormed
    std::string_view argumentText; // the argument as written: a view into the line
};

// `line` as a numbered line ("3=0,2", blanks or tabs before the number and around the value's
// parts, a ';' note after it); nullopt for any other line.
std::optional<ActionLine> ParseActionLine(std::string_view line);

// The file's own entries that a script argument names by their place in the script or team list.
// The explanation of one line reads the document's texts; the explanation of many lines passes
// lookups built once.
class ListedEntries {
public:
    virtual ~ListedEntries() = default;
    // The ID at `index` (from 0) of the script list (`scripts`) or the team list; nothing past its
    // end, `count` then holding the list's length.
    virtual std::optional<std::string_view> IdAt(bool scripts, int64_t index,
                                                 int64_t &count) const = 0;
    // The Name= of that kind's entry `id`; empty when it has none.
    virtual std::string_view NameOf(bool scripts, std::string_view id) const = 0;
};

// A script line in words, and the IDs it names: the script or team at a list index, the building
// type, the types or scripts of a row of the rules file's lists.
struct ScriptLineMeaning {
    std::u16string text;
    std::vector<std::string> refers;
};

// What the line at `lineIndex` (from 0) of a script's edit-field text means, e.g. "第 4 行：动作 3
// 移动到路径点 — 参数 12：路径点 12". Script and team indexes are decoded by the IDs and names of
// `document`'s lists (through `lists` when given), building types, rows of [AITargetTypes] and
// [AIScriptsList] and global variables by the rules file when `names` has one. Lines that are not
// action lines get a short note of what they are. The actions are those of `profile`.
ScriptLineMeaning ScriptLineMeaningOf(std::u16string_view fieldText, int lineIndex,
                                      const Document &document, const ActionProfile &profile,
                                      const ModNames &names, const ListedEntries *lists = nullptr);
// The same, its words alone.
std::u16string ExplainScriptLine(std::u16string_view fieldText, int lineIndex,
                                 const Document &document,
                                 const ActionProfile &profile = BaseActions(),
                                 const ModNames &names = {});

// The field text with the line "N=action,0" after the line at `caretLine` (from 0), N one more than
// the highest numbered line of the text (0 when it has none); an empty last line takes the new
// line in its place. Nothing else of the text changes.
struct InsertedAction {
    std::u16string text;
    int line = 0; // the new line's index
};
InsertedAction InsertScriptAction(std::u16string_view fieldText, int caretLine, int action);

// The items of the action list, "编号 名称", in number order; an action an extension or a table
// gives is prefixed by it: "65 [Ares] 辅助电力".
std::vector<std::u16string> ScriptActionItems(const ActionProfile &profile = BaseActions());
