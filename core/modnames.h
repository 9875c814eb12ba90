#pragma once
// The names a mod gives: the unit and building types and the countries of its rules file, in the
// order the game builds its lists, with the names its sections give them, and the texts of its
// string table. The file report checks the AI file against them; the windows and the companion
// command show them. Read in document/ (ReadRulesFile, ReadStringTable).

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum class TypeKind { Infantry, Vehicle, Aircraft, Building };
constexpr int kTypeKindCount = 4;

// The list a kind is read from ("InfantryTypes", ...), and how the user calls it ("步兵", ...).
std::string_view TypeListName(TypeKind kind);
std::u16string TypeKindLabel(TypeKind kind);

// A type or a country of the rules file.
struct ModName {
    std::string id;      // as its list names it
    std::u16string name; // its section's Name=, without a ';' note; empty when it has none
    std::string uiName;  // its section's UIName=, a label of the string table; empty when none
};

// The texts of a string table by label; labels compare without regard to the case of Latin letters.
class StringTable {
public:
    std::u16string path; // the file as chosen, for messages

    void Add(std::string_view label, std::u16string text);
    // The text of `label`, or nullptr.
    const std::u16string *Find(std::string_view label) const;
    size_t size() const { return texts_.size(); }

private:
    std::unordered_map<std::string, std::u16string> texts_;
};

class RulesFile {
public:
    // The file as chosen, for the report.
    std::u16string path;
    // Which of the lists the file has: any of [InfantryTypes], [VehicleTypes], [AircraftTypes] and
    // [BuildingTypes]; [Countries].
    bool hasTypeList = false;
    bool hasCountryList = false;
    // The rows of [AITargetTypes] and [AIScriptsList], which the engine extension's actions name
    // by their place from 0: each row's value as written (type or script names and commas).
    std::vector<std::string> aiTargetTypes;
    std::vector<std::string> aiScriptsList;
    // The game's global variables by index, as [VariableNames] names them ("3=Base Ready,0": the
    // name is the text before the first comma). A map names its local variables itself.
    bool hasVariableNames = false;
    std::map<int64_t, std::u16string> globalVariables;

    // Appends to a list in the game's order; a type already in that list (in any case) is not
    // added again, as the game finds it rather than making a second one.
    void AddType(TypeKind kind, ModName type);
    void AddCountry(ModName country);

    // Names compare without regard to the case of Latin letters, as the game's own lookups do.
    bool KnowsType(std::string_view id) const { return FindType(id).has_value(); }
    bool KnowsCountry(std::string_view id) const { return FindCountry(id) != nullptr; }
    // The type's kind (of the first list that names it) and entry, or nullptr.
    struct FoundType {
        TypeKind kind;
        const ModName *type;
    };
    std::optional<FoundType> FindType(std::string_view id) const;
    const ModName *FindCountry(std::string_view id) const;

    // A list in the game's order: index i is what a script argument's index i names.
    const std::vector<ModName> &Types(TypeKind kind) const { return types_[size_t(kind)]; }
    const std::vector<ModName> &Countries() const { return countries_; }
    // Distinct type IDs over all four lists; countries.
    size_t TypeCount() const { return typeIndex_.size(); }
    size_t CountryCount() const { return countries_.size(); }

    static std::string Folded(std::string_view name);

private:
    std::array<std::vector<ModName>, kTypeKindCount> types_;
    std::array<std::unordered_map<std::string, size_t>, kTypeKindCount> listIndex_;
    std::unordered_map<std::string, std::pair<TypeKind, size_t>> typeIndex_; // first list
    std::vector<ModName> countries_;
    std::unordered_map<std::string, size_t> countryIndex_;
};

// What the names are taken from: either may be absent.
struct ModNames {
    const RulesFile *rules = nullptr;
    const StringTable *strings = nullptr;
};

// The name the player sees of a type or country: its UIName's text in the string table, else its
// Name=; empty when neither gives one.
std::u16string DisplayName(const ModName &entry, const StringTable *strings);

// "HTNK（Grizzly Battle Tank）", or the bare ID when it has no name.
std::u16string IdWithName(const ModName &entry, const StringTable *strings);

// What a chooser offers of the mod's names: items "ID 名称" (the name the player sees, when there
// is one) and the IDs by item.
struct NameChoices {
    std::vector<std::u16string> items;
    std::vector<std::string> ids;
};
// The rules file's types, infantry, vehicles, aircraft and buildings in turn, each kind in its
// list's order, the kind after the name: "E1 GI（步兵）". None without a rules file.
NameChoices TypeChoices(const ModNames &names);
// The rules file's countries in [Countries] order: "Americans America". None without a rules file.
NameChoices CountryChoices(const ModNames &names);

// The ID an item of such a chooser stands for: the text before its first blank.
std::u16string ChoiceId(std::u16string_view item);
