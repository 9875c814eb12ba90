#pragma once
// The texts the user sees, by key, in Chinese or English: one table per language
// (res/strings_zh.cpp, res/strings_en.cpp) with the same keys. A text may hold numbered arguments
// {1} ... {9} that Format fills in; both forms of a text hold the same ones. Code asks for a key;
// Chinese is the first language and the one in force until SetLanguage.

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace res {

enum class Language { Chinese, English };

Language CurrentLanguage();
// Takes effect for every text asked for afterwards; windows are texted again by the dialog layer.
void SetLanguage(Language language);
// "zh" or "en" (as `--lang` and the settings write them); nullopt for any other word.
std::optional<Language> LanguageNamed(std::u16string_view name);
std::u16string_view LanguageCode(Language language);

// The text of `key` in the current language (or in `language`); empty for an unknown key.
std::u16string Str(std::string_view key);
std::u16string_view StrIn(Language language, std::string_view key);
// The text of `key` with {n} replaced by the n-th argument (from 1).
std::u16string Format(std::string_view key, std::initializer_list<std::u16string_view> arguments);

struct TextEntry {
    std::string_view key;
    std::u16string_view text;
};
// A language's whole table, for the checks that both hold the same keys and arguments.
std::span<const TextEntry> TextTable(Language language);

} // namespace res
