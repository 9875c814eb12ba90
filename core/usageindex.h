#pragma once
// Where each entry is used: which teams name a task force or a script, which triggers name a team.
// Built in one pass over the team and trigger texts, so that showing the users of one entry is a
// lookup, not a scan. References are compared as the game reads them: up to a ';', without blanks
// at either end.

#include "core/document.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum class UsedKind { TaskForce, Script, Team };

// An entry that uses another: its ID and its name, as in the file.
struct EntryUse {
    std::string id;
    std::string name;
};

class UsageIndex {
public:
    UsageIndex() = default;
    // Teams are the entries of the team list with a section, each read as the team form reads it
    // (the first "TaskForce=" and "Script=" of its body, its first "Name="); triggers are the
    // lines of the trigger text, with their team (field 1) and second team (field 14).
    explicit UsageIndex(const Document &document);

    // The entries that use the `kind` entry `id`, in the order of their texts: teams for a task
    // force or a script, triggers for a team (a trigger that names it twice comes once).
    const std::vector<EntryUse> &UsersOf(UsedKind kind, std::string_view id) const;

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using Users = std::unordered_map<std::string, std::vector<EntryUse>, Hash, std::equal_to<>>;

    void AddTeams(const Document &document);
    void AddTriggers(std::string_view triggerText);

    std::array<Users, 3> users_;
};
