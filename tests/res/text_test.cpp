// The string tables: both languages hold the same keys with the same arguments, and everything the
// program names by key (templates, menus, report kinds, script actions) has both forms.

#include "document/filereport.h"
#include "res/resources.h"
#include "res/text.h"
#include "scripts/scriptactions.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using res::Language;

// The {n} arguments a text holds.
std::set<char16_t> Arguments(std::u16string_view text) {
    std::set<char16_t> found;
    for (size_t i = 0; i + 2 < text.size(); ++i)
        if (text[i] == u'{' && text[i + 1] >= u'1' && text[i + 1] <= u'9' && text[i + 2] == u'}')
            found.insert(text[i + 1]);
    return found;
}

std::map<std::string, std::u16string_view> TableOf(Language language) {
    std::map<std::string, std::u16string_view> table;
    for (const res::TextEntry &entry : res::TextTable(language)) {
        EXPECT_TRUE(table.emplace(entry.key, entry.text).second) << "twice: " << entry.key;
        EXPECT_FALSE(entry.text.empty()) << entry.key;
    }
    return table;
}

TEST(Texts, BothLanguagesHoldTheSameKeysWithTheSameArguments) {
    const auto chinese = TableOf(Language::Chinese);
    const auto english = TableOf(Language::English);
    for (const auto &[key, text] : chinese) {
        const auto other = english.find(key);
        if (other == english.end()) {
            ADD_FAILURE() << "no English text for " << key;
            continue;
        }
        EXPECT_EQ(Arguments(text), Arguments(other->second)) << key;
    }
    for (const auto &[key, text] : english)
        EXPECT_TRUE(chinese.count(key)) << "no Chinese text for " << key;
}

TEST(Texts, KeysFollowTheLanguageAndFormatFillsArguments) {
    EXPECT_EQ(res::CurrentLanguage(), Language::Chinese);
    EXPECT_EQ(res::Str("menu.file"), u"文件");
    EXPECT_EQ(res::Format("report.where", {u"ai.ini", u"40"}), u"ai.ini 第 40 行");
    res::SetLanguage(Language::English);
    EXPECT_EQ(res::Str("menu.file"), u"File");
    EXPECT_EQ(res::Format("report.where", {u"ai.ini", u"40"}), u"ai.ini line 40");
    // An argument the call does not give stays as written.
    EXPECT_EQ(res::Format("report.where", {u"ai.ini"}), u"ai.ini line {2}");
    res::SetLanguage(Language::Chinese);
    EXPECT_EQ(res::Str("no.such.key"), u"");
    EXPECT_EQ(res::LanguageNamed(u"en"), Language::English);
    EXPECT_EQ(res::LanguageNamed(u"zh"), Language::Chinese);
    EXPECT_EQ(res::LanguageNamed(u"fr"), std::nullopt);
}

// Each text must exist in both languages: an empty one is a key the tables lack.
void ExpectBoth(std::string_view key) {
    if (key.empty()) return;
    EXPECT_FALSE(res::StrIn(Language::Chinese, key).empty()) << key;
    EXPECT_FALSE(res::StrIn(Language::English, key).empty()) << key;
}

TEST(Texts, EveryTemplateMenuReportKindAndActionHasBothForms) {
    for (const res::DialogTemplate *dialog : res::AllDialogs()) {
        ExpectBoth(dialog->caption);
        for (const res::Control &control : dialog->controls) {
            ExpectBoth(control.text);
            ExpectBoth(control.name);
            for (std::string_view item : control.items)
                ExpectBoth(item);
        }
    }
    for (const res::Popup &popup : res::FindMenu(res::kIdMainMenu)->popups) {
        ExpectBoth(popup.text);
        for (const res::MenuItem &item : popup.items)
            ExpectBoth(item.text);
    }
    for (int kind = 0; kind < kFindingKindCount; ++kind)
        for (Language language : {Language::Chinese, Language::English}) {
            res::SetLanguage(language);
            EXPECT_FALSE(FindingKindLabel(FindingKind(kind)).empty()) << kind;
        }
    for (const ScriptAction &action : ScriptActions()) {
        ExpectBoth(action.name);
        ExpectBoth(action.description);
    }
    res::SetLanguage(Language::Chinese);
}

} // namespace
