#include "document/rulesfile.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "document/documentio.h"
#include "platform/codepage.h"
#include "platform/textfile.h"
#include "res/text.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace {

constexpr std::string_view kCountryList = "Countries";
constexpr int kCountries = kTypeKindCount; // the list index of [Countries] beside the type lists
// The lists of lists, whose rows the engine extension's actions name by their place from 0.
constexpr int kAiTargetTypes = kCountries + 1;
constexpr int kAiScriptsList = kCountries + 2;
// The names of the game's global variables, by the number before '='.
constexpr int kVariableNames = kCountries + 3;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (StartsWith(text, kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

bool IsUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x06 ? 2
                              : (lead >> 4) == 0x0E ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x02) return false;
        i += length;
    }
    return true;
}

// A name as the modder wrote it: rules files come in UTF-8 as well as in the ANSI code page.
std::u16string NameText(std::string_view value) {
    return IsUtf8(value) ? platform::Utf8ToWide(value) : ToWide(value);
}

// One list as the game merges its blocks: keys in the order of first appearance.
struct MergedList {
    std::vector<std::string> values;
    std::unordered_map<std::string, size_t> keys; // folded numbered key -> place
};

struct Names {
    std::u16string name;
    std::string uiName;
};

struct Lists {
    std::array<MergedList, kTypeKindCount + 1> lists;
    // The rows of [AITargetTypes] and [AIScriptsList] in the order the files give them.
    std::vector<std::string> aiTargetTypes, aiScriptsList;
    std::map<int64_t, std::u16string> variables;  // a number given again takes the later name
    std::unordered_map<std::string, Names> names; // by folded section name
    bool hasTypeList = false;
    bool hasCountryList = false;
    bool hasVariableNames = false;
};

int ListOf(std::string_view key) {
    for (int kind = 0; kind < kTypeKindCount; ++kind)
        if (key == TypeListName(TypeKind(kind))) return kind;
    if (key == kCountryList) return kCountries;
    if (key == "AITargetTypes") return kAiTargetTypes;
    if (key == "VariableNames") return kVariableNames;
    return key == "AIScriptsList" ? kAiScriptsList : -1;
}

// One pass over the lines of one file: the lines of the five lists, and the names of every
// section, since a type's section may come before the list that names it.
void ReadLists(std::string_view text, Lists &read) {
    int list = -1;
    Names *names = nullptr;
    ForEachLine(text, [&](std::string_view line) {
        if (StartsWith(line, "[")) {
            // The header names the text up to its first ']', as the AI lists' headers do.
            const size_t close = line.find(']');
            const std::string_view key =
                close == std::string_view::npos ? std::string_view() : line.substr(1, close - 1);
            list = ListOf(key);
            names = &read.names[RulesFile::Folded(key)];
            read.hasTypeList = read.hasTypeList || (list >= 0 && list < kTypeKindCount);
            read.hasCountryList = read.hasCountryList || list == kCountries;
            read.hasVariableNames = read.hasVariableNames || list == kVariableNames;
            return;
        }
        const std::string_view bare = Unindented(line);
        if (names && StartsWith(bare, "Name="))
            names->name = NameText(ReferenceIn(bare.substr(5)));
        else if (names && StartsWith(bare, "UIName="))
            names->uiName = std::string(ReferenceIn(bare.substr(7)));
        if (list < 0) return;
        if (list == kVariableNames) {
            const size_t equals = bare.find('=');
            const std::string_view number = Trimmed(bare.substr(0, equals));
            if (equals == std::string_view::npos || !IsWholeNumber(number)) return;
            const std::string_view value = ReferenceIn(bare.substr(equals + 1));
            read.variables[NarrowToInt(number)] =
                NameText(Trimmed(value.substr(0, value.find(','))));
            return;
        }
        if (list == kAiTargetTypes || list == kAiScriptsList) {
            if (!IsAppendLine(line) && !IsRegistryLine(line)) return;
            const std::string_view value = ReferenceIn(line.substr(line.find('=') + 1));
            (list == kAiTargetTypes ? read.aiTargetTypes : read.aiScriptsList).emplace_back(value);
            return;
        }
        MergedList &merged = read.lists[size_t(list)];
        if (IsAppendLine(line)) {
            merged.values.push_back(ListLineId(line));
        } else if (IsRegistryLine(line)) {
            const std::string key = RulesFile::Folded(Trimmed(bare.substr(0, bare.find('='))));
            const auto [at, added] = merged.keys.try_emplace(key, merged.values.size());
            if (added)
                merged.values.push_back(ListLineId(line));
            else
                merged.values[at->second] = ListLineId(line);
        }
    });
}

ModName Named(const std::string &id, const Lists &read) {
    ModName entry{id, {}, {}};
    const auto found = read.names.find(RulesFile::Folded(id));
    if (found != read.names.end()) {
        entry.name = found->second.name;
        entry.uiName = found->second.uiName;
    }
    return entry;
}

} // namespace

RulesRead ReadRulesFile(const std::u16string &path) {
    RulesRead result;
    platform::ReadResult read = platform::ReadTextFile(path);
    if (read.status != platform::ReadResult::Status::Ok) {
        result.error = res::Format("rules.unreadable", {path, read.reason});
        return result;
    }
    // Slot 0 without its mark, so that an [#include] on its first line is found.
    std::array<FileSlot, kFileSlotCount> slots;
    if (StartsWith(read.text, kByteOrderMark)) read.text.erase(0, kByteOrderMark.size());
    slots[0].length = int(read.text.size());
    slots[0].text = std::move(read.text);
    slots[0].path = path;
    LoadReport report;
    std::u16string unread;
    ReadIncludedFiles(slots, report, unread);
    if (!unread.empty()) {
        unread.pop_back();
        std::replace(unread.begin(), unread.end(), u'\n', u' ');
        result.error = res::Format("rules.includesUnread", {unread});
        return result;
    }
    Lists lists;
    for (const FileSlot &slot : slots)
        if (slot.text) ReadLists(WithoutByteOrderMark(SlotText(slot)), lists);
    RulesFile &rules = result.rules.emplace();
    rules.path = path;
    rules.hasTypeList = lists.hasTypeList;
    rules.hasCountryList = lists.hasCountryList;
    rules.aiTargetTypes = std::move(lists.aiTargetTypes);
    rules.aiScriptsList = std::move(lists.aiScriptsList);
    rules.hasVariableNames = lists.hasVariableNames;
    rules.globalVariables = std::move(lists.variables);
    for (int kind = 0; kind < kTypeKindCount; ++kind)
        for (const std::string &id : lists.lists[size_t(kind)].values)
            if (!id.empty()) rules.AddType(TypeKind(kind), Named(id, lists));
    for (const std::string &id : lists.lists[kCountries].values)
        if (!id.empty()) rules.AddCountry(Named(id, lists));
    return result;
}
