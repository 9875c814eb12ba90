#include "core/modnames.h"

#include "core/initext.h"
#include "res/text.h"

namespace {

constexpr std::string_view kListNames[] = {"InfantryTypes", "VehicleTypes", "AircraftTypes",
                                           "BuildingTypes"};
constexpr std::string_view kKindLabels[] = {"typeKind.0", "typeKind.1", "typeKind.2", "typeKind.3"};

} // namespace

std::string_view TypeListName(TypeKind kind) { return kListNames[size_t(kind)]; }
std::u16string TypeKindLabel(TypeKind kind) { return res::Str(kKindLabels[size_t(kind)]); }

std::string RulesFile::Folded(std::string_view name) {
    std::string folded(name);
    for (char &c : folded)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return folded;
}

void StringTable::Add(std::string_view label, std::u16string text) {
    texts_.insert_or_assign(RulesFile::Folded(label), std::move(text));
}

const std::u16string *StringTable::Find(std::string_view label) const {
    const auto found = texts_.find(RulesFile::Folded(label));
    return found == texts_.end() ? nullptr : &found->second;
}

void RulesFile::AddType(TypeKind kind, ModName type) {
    std::string folded = Folded(type.id);
    auto &index = listIndex_[size_t(kind)];
    if (index.count(folded)) return;
    std::vector<ModName> &list = types_[size_t(kind)];
    index.emplace(folded, list.size());
    typeIndex_.try_emplace(std::move(folded), kind, list.size());
    list.push_back(std::move(type));
}

void RulesFile::AddCountry(ModName country) {
    if (countryIndex_.try_emplace(Folded(country.id), countries_.size()).second)
        countries_.push_back(std::move(country));
}

std::optional<RulesFile::FoundType> RulesFile::FindType(std::string_view id) const {
    const auto found = typeIndex_.find(Folded(id));
    if (found == typeIndex_.end()) return std::nullopt;
    const auto [kind, index] = found->second;
    return FoundType{kind, &types_[size_t(kind)][index]};
}

const ModName *RulesFile::FindCountry(std::string_view id) const {
    const auto found = countryIndex_.find(Folded(id));
    return found == countryIndex_.end() ? nullptr : &countries_[found->second];
}

std::u16string DisplayName(const ModName &entry, const StringTable *strings) {
    if (strings && !entry.uiName.empty())
        if (const std::u16string *text = strings->Find(entry.uiName); text && !text->empty())
            return *text;
    return entry.name;
}

std::u16string IdWithName(const ModName &entry, const StringTable *strings) {
    const std::u16string name = DisplayName(entry, strings);
    return name.empty() ? ToWide(entry.id)
                        : res::Format("names.idWithName", {ToWide(entry.id), name});
}

NameChoices TypeChoices(const ModNames &names) {
    NameChoices choices;
    if (!names.rules) return choices;
    for (int kind = 0; kind < kTypeKindCount; ++kind) {
        for (const ModName &type : names.rules->Types(TypeKind(kind))) {
            const std::u16string name = DisplayName(type, names.strings);
            choices.items.push_back(
                res::Format("names.typeChoice", {ToWide(type.id), name.empty() ? u"" : u" " + name,
                                                 TypeKindLabel(TypeKind(kind))}));
            choices.ids.push_back(type.id);
        }
    }
    return choices;
}

NameChoices CountryChoices(const ModNames &names) {
    NameChoices choices;
    if (!names.rules) return choices;
    for (const ModName &country : names.rules->Countries()) {
        const std::u16string name = DisplayName(country, names.strings);
        choices.items.push_back(ToWide(country.id) + (name.empty() ? u"" : u" " + name));
        choices.ids.push_back(country.id);
    }
    return choices;
}

std::u16string ChoiceId(std::u16string_view item) {
    return std::u16string(item.substr(0, item.find(u' ')));
}
