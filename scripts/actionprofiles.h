#pragma once
// The script actions of the engines modders run: the game's own, Ares', Phobos' (in its numbering
// since 0.3 and in that of its development builds before it), each a table of data layered over
// the one below, and a modder's own table laid over any of them. The numbering move between the
// two Phobos numberings is here too, since it is the same data read the other way.

#include "scripts/scriptactions.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Engine { Base, Ares, Phobos, PhobosDevbuild };
constexpr int kEngineCount = 4;

// "base", "ares", "phobos", "phobos-devbuild": for the command line and the settings.
std::string_view EngineName(Engine engine);
std::optional<Engine> EngineNamed(std::string_view name);
// What the user reads: "基础游戏", "Ares", "Ares + Phobos", "Ares + Phobos 旧编号".
std::u16string EngineLabel(Engine engine);

// The name and line of the extension's variable operation `k` (0-71), in the current language.
std::u16string VariableActionName(int k);
std::u16string VariableActionLine(int k);

// A modder's own actions, read from a table file: they add to a profile and replace its entries
// of the same number.
struct ActionTable {
    std::u16string path;
    std::vector<ScriptAction> actions; // in the file's order; the texts point into `texts`
    std::shared_ptr<const std::vector<std::u16string>> texts;
};

class ActionProfile {
public:
    // The built-in profile of `engine` with `table` laid over it.
    explicit ActionProfile(Engine engine = Engine::Base, const ActionTable *table = nullptr);

    Engine engine() const { return engine_; }
    // The modder's table laid over the engine's, empty when none.
    const std::u16string &tablePath() const { return tablePath_; }
    // The engine's label, and the table's file name after it: "Ares + Phobos + fork.ini".
    std::u16string Label() const;

    // Every action, in number order.
    std::span<const ScriptAction> Actions() const { return actions_; }
    // The action with `number`, or nullptr.
    const ScriptAction *Find(int64_t number) const;

private:
    Engine engine_;
    std::u16string tablePath_;
    std::vector<ScriptAction> actions_;
    // Keeps the texts of a modder's table alive as long as the profile.
    std::shared_ptr<const std::vector<std::u16string>> texts_;
};

// The built-in profile of `engine`, without a table.
const ActionProfile &BuiltInProfile(Engine engine);

// The action numbers of the development builds before Phobos 0.3 and the numbers 0.3 gave them,
// in old-number order; 125 and 126 changed their argument from frames to seconds on the way.
struct RenumberedAction {
    int old;
    int current;
};
std::span<const RenumberedAction> PhobosRenumbering();

// The number `action` takes when a file moves from `from` to `to` (phobos-devbuild to phobos, or
// back); nullopt when it keeps its number.
std::optional<int> RenumberedActionNumber(int64_t action, Engine from, Engine to);

// The script sections text with the action number of every action line moved from `from` to `to`
// and nothing else changed: not the argument (a negative one neither), the blanks, the note, or
// any other byte. The lines whose argument changed its unit on the way are told, not converted.
struct RenumberedScripts {
    std::string text;
    int changed = 0; // lines whose number moved
    std::vector<std::u16string> notes;
};
RenumberedScripts RenumberScriptActions(std::string_view sectionsText, Engine from, Engine to);
