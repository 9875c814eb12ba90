#include "document/rulesfile.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "document/documentio.h"
#include "platform/textfile.h"

#include <algorithm>

namespace {

constexpr std::string_view kTypeLists[] = {"InfantryTypes", "VehicleTypes", "AircraftTypes",
                                           "BuildingTypes"};
constexpr std::string_view kCountryList = "Countries";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (StartsWith(text, kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::u16string Decimal(size_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

// One pass over the lines of one file: the list lines under the headers of the five lists, and the
// rows of the two lists of lists.
void ReadLists(std::string_view text, RulesFile &rules) {
    enum class List { None, Types, Countries, AiTargetTypes, AiScriptsList } list = List::None;
    ForEachLine(text, [&](std::string_view line) {
        if (StartsWith(line, "[")) {
            // The header names the text up to its first ']', as the AI lists' headers do.
            const size_t close = line.find(']');
            const std::string_view key =
                close == std::string_view::npos ? std::string_view() : line.substr(1, close - 1);
            const bool types = std::find(std::begin(kTypeLists), std::end(kTypeLists), key) !=
                               std::end(kTypeLists);
            const bool countries = key == kCountryList;
            list = types                    ? List::Types
                   : countries              ? List::Countries
                   : key == "AITargetTypes" ? List::AiTargetTypes
                   : key == "AIScriptsList" ? List::AiScriptsList
                                            : List::None;
            rules.hasTypeList = rules.hasTypeList || types;
            rules.hasCountryList = rules.hasCountryList || countries;
            return;
        }
        if (list == List::None || (!IsAppendLine(line) && !IsRegistryLine(line))) return;
        if (list == List::AiTargetTypes || list == List::AiScriptsList) {
            const std::string_view value = ReferenceIn(line.substr(line.find('=') + 1));
            (list == List::AiTargetTypes ? rules.aiTargetTypes : rules.aiScriptsList)
                .emplace_back(value);
            return;
        }
        const std::string id = ListLineId(line);
        if (id.empty()) return;
        if (list == List::Types)
            rules.AddType(id);
        else
            rules.AddCountry(id);
    });
}

} // namespace

std::string RulesFile::Folded(std::string_view name) {
    std::string folded(name);
    for (char &c : folded)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return folded;
}

RulesRead ReadRulesFile(const std::u16string &path) {
    RulesRead result;
    platform::ReadResult read = platform::ReadTextFile(path);
    if (read.status != platform::ReadResult::Status::Ok) {
        result.error = u"规则文件无法读取: " + path + u" (" + read.reason + u")";
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
        result.error = u"规则文件的包含文件没能读取: " + unread;
        return result;
    }
    RulesFile &rules = result.rules.emplace();
    rules.path = path;
    for (const FileSlot &slot : slots)
        if (slot.text) ReadLists(WithoutByteOrderMark(SlotText(slot)), rules);
    return result;
}

std::u16string RulesFileNote(const RulesFile &rules) {
    if (!rules.hasTypeList && !rules.hasCountryList)
        return u"规则文件 " + rules.path +
               u" 中没有 [InfantryTypes]、[VehicleTypes]、[AircraftTypes]、[BuildingTypes] 或 "
               u"[Countries]，没有按它检查名称";
    return u"规则文件: " + rules.path + u"，" + Decimal(rules.TypeCount()) +
           u" 个单位和建筑类型，" + Decimal(rules.CountryCount()) + u" 个国家";
}
