#include "res/text.h"

#include <atomic>
#include <unordered_map>
#include <utility>

namespace res {

// The tables, each in its own file so that a translator reads one language at a time.
std::span<const TextEntry> ChineseTexts();
std::span<const TextEntry> EnglishTexts();

namespace {

std::atomic<Language> g_language = Language::Chinese;

// One lookup for both languages, built on first use (the tables are constant).
using Texts =
    std::unordered_map<std::string_view, std::pair<std::u16string_view, std::u16string_view>>;

const Texts &AllTexts() {
    static const Texts texts = [] {
        Texts built;
        for (const TextEntry &entry : ChineseTexts())
            built[entry.key].first = entry.text;
        for (const TextEntry &entry : EnglishTexts())
            built[entry.key].second = entry.text;
        return built;
    }();
    return texts;
}

} // namespace

Language CurrentLanguage() { return g_language.load(); }

void SetLanguage(Language language) { g_language.store(language); }

std::optional<Language> LanguageNamed(std::u16string_view name) {
    if (name == u"zh") return Language::Chinese;
    if (name == u"en") return Language::English;
    return std::nullopt;
}

std::u16string_view LanguageCode(Language language) {
    return language == Language::Chinese ? u"zh" : u"en";
}

std::u16string_view StrIn(Language language, std::string_view key) {
    const Texts &texts = AllTexts();
    const auto found = texts.find(key);
    if (found == texts.end()) return {};
    return language == Language::Chinese ? found->second.first : found->second.second;
}

std::u16string Str(std::string_view key) { return std::u16string(StrIn(CurrentLanguage(), key)); }

std::u16string Format(std::string_view key, std::initializer_list<std::u16string_view> arguments) {
    const std::u16string_view pattern = StrIn(CurrentLanguage(), key);
    std::u16string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool argument = pattern[i] == u'{' && i + 2 < pattern.size() &&
                              pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9' &&
                              pattern[i + 2] == u'}';
        const size_t n = argument ? size_t(pattern[i + 1] - u'1') : 0;
        if (argument && n < arguments.size()) {
            text += arguments.begin()[n];
            i += 2;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::span<const TextEntry> TextTable(Language language) {
    return language == Language::Chinese ? ChineseTexts() : EnglishTexts();
}

} // namespace res
