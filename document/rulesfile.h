#pragma once
// The names a mod's rules file gives: its unit and building types and its countries, against
// which the file report checks the names of the AI file.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

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

    void AddType(std::string_view name) { types_.insert(Folded(name)); }
    void AddCountry(std::string_view name) { countries_.insert(Folded(name)); }
    // Names compare without regard to the case of Latin letters, as the game's own lookups do.
    bool KnowsType(std::string_view name) const { return types_.count(Folded(name)) > 0; }
    bool KnowsCountry(std::string_view name) const { return countries_.count(Folded(name)) > 0; }
    size_t TypeCount() const { return types_.size(); }
    size_t CountryCount() const { return countries_.size(); }

private:
    static std::string Folded(std::string_view name);

    std::unordered_set<std::string> types_;
    std::unordered_set<std::string> countries_;
};

struct RulesRead {
    std::optional<RulesFile> rules;
    std::u16string error; // why the file could not be used, for the user; empty on success
};

// Reads the rules file at `path` and the files its [#include] section names, as Open reads an AI
// file's, in one pass over each: every block of the four type lists and of [Countries], in every
// file, read as the AI lists are (numbered and "+=" lines; ";" lines are off; an ID ends before
// blanks and a ';' note). A UTF-8 byte-order mark at a file's start is skipped. A file that could
// not be read, the rules file or an include file that exists, is an error: no rules then.
RulesRead ReadRulesFile(const std::u16string &path);

// The report's note on the rules file: its path and what it gave, or that it has none of the lists.
std::u16string RulesFileNote(const RulesFile &rules);
