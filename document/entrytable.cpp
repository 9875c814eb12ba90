#include "document/entrytable.h"

#include "core/initext.h"
#include "core/registrylist.h"
#include "newentry/entryops.h"
#include "teams/teamlist.h"
#include "triggers/triggerformat.h"
#include "triggers/triggerloader.h"

EntryTable::EntryTable(const Document &document) : document_(document) {
    for (NewEntryKind kind : {NewEntryKind::Team, NewEntryKind::Script, NewEntryKind::TaskForce}) {
        ids_[int(kind)] = ListIds(document.*RegistryTextsOf(kind)->list);
        headers_[int(kind)].emplace(document.*RegistryTextsOf(kind)->sections);
    }
    // The first line of a trigger ID is its entry, as for every lookup.
    ForEachLine(document.triggerText, [this](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) return;
        if (triggerRests_.try_emplace(line.substr(0, equals), line.substr(equals)).second)
            ids_[int(NewEntryKind::Trigger)].push_back(line.substr(0, equals));
    });
    for (size_t kind = 0; kind < ids_.size(); ++kind)
        for (size_t i = 0; i < ids_[kind].size(); ++i)
            indexes_[kind].try_emplace(ids_[kind][i], i);
}

bool EntryTable::Has(NewEntryKind kind, std::string_view id) const {
    if (indexes_[int(kind)].contains(id)) return true;
    return kind != NewEntryKind::Trigger && headers_[int(kind)]->Find(id) >= 0;
}

bool EntryTable::AnyHas(std::string_view id) const {
    for (NewEntryKind kind :
         {NewEntryKind::Trigger, NewEntryKind::Team, NewEntryKind::Script, NewEntryKind::TaskForce})
        if (Has(kind, id)) return true;
    return false;
}

std::optional<std::string_view> EntryTable::Body(NewEntryKind kind, std::string_view id) const {
    if (kind == NewEntryKind::Trigger) {
        const auto found = triggerRests_.find(id);
        if (found == triggerRests_.end()) return std::nullopt;
        return found->second;
    }
    if (!Has(kind, id)) return std::nullopt;
    const int header = headers_[int(kind)]->Find(id);
    if (header < 0) return std::string_view();
    std::string_view section = SectionAt(document_.*RegistryTextsOf(kind)->sections, header);
    const size_t lf = section.find('\n');
    section = lf == std::string_view::npos ? std::string_view() : section.substr(lf + 1);
    return section.substr(0, section.find_last_not_of('\n') + 1);
}

std::optional<size_t> EntryTable::IndexOf(NewEntryKind kind, std::string_view id) const {
    const auto found = indexes_[int(kind)].find(id);
    if (found == indexes_[int(kind)].end()) return std::nullopt;
    return found->second;
}

std::string EntryTable::Name(NewEntryKind kind, std::string_view id) const {
    const std::optional<std::string_view> body = Body(kind, id);
    if (!body) return {};
    if (kind == NewEntryKind::Trigger) return TriggerField(*body, 0);
    const std::string name = ValueOfKey(*body, "Name=");
    return name == "None" ? std::string() : name;
}

void AppendEntries(Document &document, const std::vector<AddedEntry> &entries) {
    std::array<std::optional<size_t>, 4> listed;
    std::string triggerLines;
    int triggers = 0;
    bool teams = false;
    for (const AddedEntry &entry : entries) {
        switch (entry.kind) {
        case NewEntryKind::Trigger:
            if (triggers++ > 0) triggerLines += '\n';
            triggerLines += entry.id + entry.body;
            break;
        case NewEntryKind::Team:
            AppendTeam(document, entry.id, entry.body);
            teams = true;
            break;
        case NewEntryKind::Script:
        case NewEntryKind::TaskForce: {
            std::string &list = document.*RegistryTextsOf(entry.kind)->list;
            std::optional<size_t> &number = listed[size_t(entry.kind)];
            if (!number) number = ListIds(list).size();
            list += std::to_string(int64_t(document.startNumber) + int64_t((*number)++)) + "=" +
                    entry.id + "\n";
            document.*RegistryTextsOf(entry.kind)->sections +=
                "[" + entry.id + "]\n" + entry.body + (entry.body.empty() ? "\n" : "\n\n");
            break;
        }
        }
    }
    if (triggers > 0) {
        AppendTriggerLines(document.triggerText, triggerLines);
        document.triggerLastIndex += triggers;
    }
    // Numbered by their place in the list, as after 新增.
    if (teams) RebuildTeamTexts(document);
}
