#include "triggers/triggerformat.h"

#include "core/initext.h"
#include "res/text.h"
#include "res/triggerkeys.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace {

constexpr int kFirstConditionCode = -1;
constexpr int kUnknownConditionCode = -1;
constexpr int kUnknownOperatorCode = 5;
constexpr size_t kBlockLength = 64;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int HexPair(std::string_view block, size_t at) {
    return HexDigit(block[at]) * 16 + HexDigit(block[at + 1]);
}

// Sign, digits, and optionally '.' and digits: the integer part's end and the text's end.
std::optional<std::pair<size_t, size_t>> NumberParts(std::string_view text) {
    size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    const size_t digitsStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digitsStart) return std::nullopt;
    const size_t integerEnd = i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
    }
    if (i != text.size()) return std::nullopt;
    return std::pair{integerEnd, text.size()};
}

bool IsHexBlock(std::string_view block) {
    return block.size() == kBlockLength &&
           std::all_of(block.begin(), block.end(), [](char c) { return HexDigit(c) >= 0; });
}

// Field `field` of `rest` counted by its commas, whatever the line's length: the text between
// the '=' or comma before it and the comma after it (or the end). None past the last field.
std::optional<std::string_view> LineField(std::string_view rest, int field) {
    size_t begin = rest.find('=');
    if (begin == std::string_view::npos) return std::nullopt;
    ++begin;
    for (int k = 0; k < field; ++k) {
        const size_t comma = rest.find(',', begin);
        if (comma == std::string_view::npos) return std::nullopt;
        begin = comma + 1;
    }
    return rest.substr(begin, std::min(rest.find(',', begin), rest.size()) - begin);
}

// Fields 10, 11, 13 and 14 as a new trigger holds them.
constexpr std::string_view kSkirmishDefault = "1";
constexpr std::string_view kField11Default = "0";
constexpr std::string_view kBaseDefenseDefault = "0";
constexpr std::string_view kSecondTeamDefault = "<none>";

std::string_view LineFieldOr(std::string_view rest, int field, std::string_view fallback) {
    return LineField(rest, field).value_or(fallback);
}

} // namespace

std::string TriggerField(std::string_view rest, int field) {
    if (field == 0) {
        size_t eq = rest.find('=');
        if (eq == std::string_view::npos) return "None";
        size_t comma = rest.find(',', eq + 1);
        return std::string(rest.substr(
            eq + 1, comma == std::string_view::npos ? std::string_view::npos : comma - eq - 1));
    }
    if (field >= 1 && field <= 16) return FieldsBetween(rest, ',', field, field + 1);
    if (field == 17) return FieldsBetween(rest, ',', 1, 0); // the whole text without commas
    return "None";
}

std::optional<std::u16string> ConditionName(int code) {
    const int64_t index = int64_t(code) - kFirstConditionCode; // the code may be INT_MAX
    if (index < 0 || index >= int64_t(res::kConditionKeys.size())) return std::nullopt;
    return res::Str(res::kConditionKeys[size_t(index)]);
}

std::optional<std::u16string> OperatorName(int code) {
    if (code < 0 || code >= int(res::kOperatorKeys.size())) return std::nullopt;
    return res::Str(res::kOperatorKeys[size_t(code)]);
}

int ConditionCode(std::u16string_view name) {
    auto it = std::find_if(res::kConditionKeys.begin(), res::kConditionKeys.end(),
                           [name](std::string_view key) { return res::Str(key) == name; });
    return it == res::kConditionKeys.end()
               ? kUnknownConditionCode
               : int(it - res::kConditionKeys.begin()) + kFirstConditionCode;
}

int OperatorCode(std::u16string_view name) {
    auto it = std::find_if(res::kOperatorKeys.begin(), res::kOperatorKeys.end(),
                           [name](std::string_view key) { return res::Str(key) == name; });
    return it == res::kOperatorKeys.end() ? kUnknownOperatorCode
                                          : int(it - res::kOperatorKeys.begin());
}

DecodedComparison DecodeComparisonBlock(std::string_view block) {
    if (block.size() != kBlockLength) return {"0", "0"};
    if (!IsHexBlock(block)) return {"None", "None"};
    uint32_t bits = 0;
    for (size_t pair = 0; pair < 4; ++pair)
        bits |= uint32_t(HexPair(block, pair * 2)) << (8 * pair);
    // A negative value is stored as its two's complement; read it back as the value written.
    return {std::to_string(int32_t(bits)), std::to_string(HexPair(block, 8))};
}

std::string EncodeComparisonBlock(std::u16string_view value, std::u16string_view operatorName) {
    const uint32_t bits = uint32_t(TextToInt(value));
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", unsigned(bits));
    std::string block;
    block.reserve(kBlockLength);
    for (int pair = 3; pair >= 0; --pair)
        block.append(digits + 2 * pair, 2);
    block += '0';
    block += std::to_string(OperatorCode(operatorName));
    block.append(kBlockLength - block.size(), '0');
    return block;
}

std::string WeightForDisplay(std::string_view stored) {
    auto parts = NumberParts(stored);
    // More than six decimals are stored as typed: shown so, they are saved back the same.
    if (!parts || parts->first == stored.size() || stored.size() - parts->first > 7)
        return std::string(stored);
    std::string_view shown = stored;
    while (shown.size() > parts->first + 1 && shown.back() == '0')
        shown.remove_suffix(1);
    if (shown.size() == parts->first + 1) shown.remove_suffix(1); // nothing left after the '.'
    return std::string(shown);
}

std::string WeightForLine(std::string_view shown) {
    constexpr size_t kDecimals = 6;
    auto parts = NumberParts(shown);
    if (!parts) return std::string(shown);
    std::string stored(shown);
    if (parts->first == shown.size()) stored += '.';
    const size_t decimals = stored.size() - parts->first - 1;
    if (decimals <= kDecimals) stored.append(kDecimals - decimals, '0');
    return stored;
}

TriggerReading ReadTriggerForm(std::string_view rest) {
    TriggerReading reading;
    TriggerForm &form = reading.form;
    auto wideField = [rest](int field) { return ToWide(TriggerField(rest, field)); };
    form.name = wideField(0);
    form.team = wideField(1);
    form.house = wideField(2);
    form.techLevel = wideField(3);
    if (auto name = ConditionName(NarrowToInt(TriggerField(rest, 4)))) {
        form.condition = *name;
        reading.conditionKnown = true;
    }
    form.conditionObject = wideField(5);

    const std::string block = TriggerField(rest, 6);
    reading.blockCorrected = block.size() != kBlockLength;
    const DecodedComparison decoded = DecodeComparisonBlock(block);
    form.comparison = OperatorName(NarrowToInt(decoded.operatorCode)).value_or(u"Drumo");
    form.value = ToWide(decoded.value);

    form.baseWeight = ToWide(WeightForDisplay(TriggerField(rest, 7)));
    form.minWeight = ToWide(WeightForDisplay(TriggerField(rest, 8)));
    form.maxWeight = ToWide(WeightForDisplay(TriggerField(rest, 9)));
    form.side = wideField(12);
    form.easy = TriggerField(rest, 15) == "1";
    form.medium = TriggerField(rest, 16) == "1";
    form.hard = TriggerField(rest, 17) == "1";
    form.skirmish = LineFieldOr(rest, 10, kSkirmishDefault) == "1";
    form.baseDefense = LineFieldOr(rest, 13, kBaseDefenseDefault) == "1";
    form.secondTeam = ToWide(LineFieldOr(rest, 14, kSecondTeamDefault));
    return reading;
}

std::string WriteTriggerLine(std::u16string_view id, const TriggerForm &form, std::string_view rest,
                             const TriggerForm *shown) {
    if (shown && form == *shown) return ToNarrow(id) + std::string(rest);
    auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    const std::array<std::string, 18> fresh = {
        ToNarrow(form.name),
        ToNarrow(form.team),
        ToNarrow(form.house),
        ToNarrow(form.techLevel),
        std::to_string(ConditionCode(form.condition)),
        ToNarrow(form.conditionObject),
        EncodeComparisonBlock(form.value, form.comparison),
        WeightForLine(ToNarrow(form.baseWeight)),
        WeightForLine(ToNarrow(form.minWeight)),
        WeightForLine(ToNarrow(form.maxWeight)),
        flag(form.skirmish),
        std::string(kField11Default),
        ToNarrow(form.side),
        flag(form.baseDefense),
        ToNarrow(form.secondTeam),
        flag(form.easy),
        flag(form.medium),
        flag(form.hard),
    };
    // Which fields still show what they showed; field 6 is taken apart below.
    std::array<bool, 18> kept{};
    if (shown) {
        const TriggerForm &was = *shown;
        kept = {form.name == was.name,
                form.team == was.team,
                form.house == was.house,
                form.techLevel == was.techLevel,
                form.condition == was.condition,
                form.conditionObject == was.conditionObject,
                false,
                form.baseWeight == was.baseWeight,
                form.minWeight == was.minWeight,
                form.maxWeight == was.maxWeight,
                form.skirmish == was.skirmish,
                true,
                form.side == was.side,
                form.baseDefense == was.baseDefense,
                form.secondTeam == was.secondTeam,
                form.easy == was.easy,
                form.medium == was.medium,
                form.hard == was.hard};
    }
    std::string line = ToNarrow(id);
    line += '=';
    for (int field = 0; field < int(fresh.size()); ++field) {
        const std::optional<std::string_view> own = LineField(rest, field);
        if (field == 6 && shown && own && IsHexBlock(*own)) {
            // Value and operator are 32-bit numbers of 8 digits each; the rest is not edited.
            std::string block(*own);
            if (form.value != shown->value) block.replace(0, 8, fresh[6], 0, 8);
            if (form.comparison != shown->comparison) block.replace(8, 8, fresh[6], 8, 8);
            line += block;
        } else {
            line += own && kept[size_t(field)] ? std::string(*own) : fresh[size_t(field)];
        }
        if (field + 1 < int(fresh.size())) line += ',';
    }
    return line;
}
