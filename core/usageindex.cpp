#include "core/usageindex.h"

#include "core/headerindex.h"
#include "core/initext.h"
#include "core/registrylist.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

UsageIndex::UsageIndex(const Document &document) {
    AddTeams(document);
    AddTriggers(document.triggerText);
}

void UsageIndex::AddTeams(const Document &document) {
    const std::string_view sections = document.teamSectionsText;
    const HeaderIndex headers(sections);
    std::unordered_set<std::string_view> seen;
    ForEachLine(document.teamListText, [&](std::string_view line) {
        const size_t equals = line.find('=');
        if (StartsWith(line, "[") || equals == std::string_view::npos) return;
        const std::string_view id = line.substr(equals + 1);
        if (!seen.insert(id).second) return;
        const int header = headers.Find(id);
        if (header < 0) return;
        const size_t start = std::min(sections.find('\n', size_t(header)) + 1, sections.size());
        const std::string_view body =
            sections.substr(start, size_t(NextHeaderLine(sections, int(start))) - start);
        const std::string name(KeyLineValue(body, "Name").value_or(std::string_view()));
        for (const auto &[key, kind] :
             {std::pair(std::string_view("TaskForce"), UsedKind::TaskForce),
              std::pair(std::string_view("Script"), UsedKind::Script)}) {
            const std::string_view value = ReferenceIn(KeyLineValue(body, key).value_or(""));
            if (!value.empty())
                users_[size_t(kind)][std::string(value)].push_back({std::string(id), name});
        }
    });
}

void UsageIndex::AddTriggers(std::string_view triggerText) {
    Users &teams = users_[size_t(UsedKind::Team)];
    std::vector<std::string_view> fields;
    ForEachLine(triggerText, [&](std::string_view line) {
        const size_t equals = line.find('=');
        if (StartsWith(line, "[") || equals == std::string_view::npos) return;
        fields.clear();
        const std::string_view value = line.substr(equals + 1);
        for (size_t begin = 0;;) {
            const size_t comma = std::min(value.find(',', begin), value.size());
            fields.push_back(value.substr(begin, comma - begin));
            if (comma == value.size()) break;
            begin = comma + 1;
        }
        const EntryUse use{std::string(line.substr(0, equals)), std::string(fields[0])};
        std::string_view first;
        for (size_t field : {size_t(1), size_t(14)}) {
            if (field >= fields.size()) break;
            const std::string_view team = ReferenceIn(fields[field]);
            if (team.empty() || team == first) continue;
            teams[std::string(team)].push_back(use);
            first = team;
        }
    });
}

const std::vector<EntryUse> &UsageIndex::UsersOf(UsedKind kind, std::string_view id) const {
    static const std::vector<EntryUse> kNone;
    const Users &users = users_[size_t(kind)];
    const auto found = users.find(id);
    return found == users.end() ? kNone : found->second;
}
