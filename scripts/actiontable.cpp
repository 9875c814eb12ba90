#include "scripts/actiontable.h"

#include "core/initext.h"
#include "platform/codepage.h"
#include "platform/textfile.h"
#include "res/text.h"

#include <array>
#include <map>
#include <utility>

namespace {

constexpr std::pair<std::string_view, ArgumentKind> kKindNames[] = {
    {"none", ArgumentKind::None},
    {"number", ArgumentKind::Number},
    {"waypoint", ArgumentKind::Waypoint},
    {"duration", ArgumentKind::Duration},
    {"seconds", ArgumentKind::Seconds},
    {"mission", ArgumentKind::Mission},
    {"script", ArgumentKind::Script},
    {"team", ArgumentKind::Team},
    {"line", ArgumentKind::Line},
    {"target", ArgumentKind::Target},
    {"building", ArgumentKind::Building},
    {"phobos-target", ArgumentKind::PhobosTarget},
    {"ai-target-types", ArgumentKind::AiTargetTypes},
    {"ai-scripts-list", ArgumentKind::AiScriptsList},
    {"variable", ArgumentKind::Variable},
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// UTF-8 when the bytes decode without a replacement they did not hold; else the code page.
std::u16string Decoded(std::string_view bytes) {
    const std::u16string utf8 = platform::Utf8ToWide(bytes);
    const bool replaced = utf8.find(u'\xFFFD') != std::u16string::npos;
    if (!replaced || bytes.find("\xEF\xBF\xBD") != std::string_view::npos) return utf8;
    return platform::AnsiToWide(bytes);
}

std::u16string Decimal(int n) { return ToWide(std::to_string(n)); }

} // namespace

std::optional<ArgumentKind> ArgumentKindNamed(std::string_view name) {
    for (const auto &[known, kind] : kKindNames)
        if (known == name) return kind;
    return std::nullopt;
}

ActionTableRead ParseActionTable(std::string_view bytes, const std::u16string &name) {
    ActionTableRead result;
    const bool bom = StartsWith(bytes, kByteOrderMark);
    if (bom) bytes.remove_prefix(kByteOrderMark.size());
    const std::u16string text = bom ? platform::Utf8ToWide(bytes) : Decoded(bytes);

    auto texts = std::make_shared<std::vector<std::u16string>>();
    struct Read {
        int number;
        std::u16string name, description;
        ArgumentKind kind;
    };
    std::vector<Read> lines;
    std::map<int, int> seenAt; // number -> line
    bool inTable = false;
    int lineNumber = 0;
    auto fail = [&](int at, std::u16string_view why) {
        result.error = res::Format("actionTable.at", {name, Decimal(at), why});
        return result;
    };
    for (size_t pos = 0; pos <= text.size();) {
        ++lineNumber;
        const size_t lf = std::min(text.find(u'\n', pos), text.size());
        std::u16string_view line = std::u16string_view(text).substr(pos, lf - pos);
        pos = lf + 1;
        // A note after ';' and the blanks around the line are not part of it.
        line = line.substr(0, std::min(line.find(u';'), line.size()));
        while (!line.empty() &&
               (line.back() == u' ' || line.back() == u'\t' || line.back() == u'\r'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == u' ' || line.front() == u'\t'))
            line.remove_prefix(1);
        if (line.empty()) continue;
        if (line.front() == u'[') {
            inTable = line == u"[ScriptActions]";
            continue;
        }
        if (!inTable) continue;
        const size_t equals = line.find(u'=');
        const std::string number = ToNarrow(line.substr(0, std::min(equals, line.size())));
        const std::string_view digits = Trimmed(number);
        if (equals == std::u16string_view::npos || digits.empty() ||
            digits.find_first_not_of("0123456789") != std::string_view::npos || digits.size() > 9)
            return fail(lineNumber, res::Str("actionTable.noNumber"));
        const std::u16string_view value = line.substr(equals + 1);
        const size_t comma1 = value.find(u',');
        const size_t comma2 =
            comma1 == std::u16string_view::npos ? comma1 : value.find(u',', comma1 + 1);
        auto trimmed = [](std::u16string_view part) {
            while (!part.empty() && (part.front() == u' ' || part.front() == u'\t'))
                part.remove_prefix(1);
            while (!part.empty() && (part.back() == u' ' || part.back() == u'\t'))
                part.remove_suffix(1);
            return std::u16string(part);
        };
        const std::u16string actionName = trimmed(value.substr(0, comma1));
        if (actionName.empty()) return fail(lineNumber, res::Str("actionTable.noName"));
        const std::u16string kindText =
            comma1 == std::u16string_view::npos
                ? std::u16string()
                : trimmed(value.substr(comma1 + 1, comma2 == std::u16string_view::npos
                                                       ? std::u16string_view::npos
                                                       : comma2 - comma1 - 1));
        const std::optional<ArgumentKind> kind = ArgumentKindNamed(ToNarrow(kindText));
        if (!kind) return fail(lineNumber, res::Format("actionTable.unknownKind", {kindText}));
        const int action = NarrowToInt(digits);
        if (auto [at, added] = seenAt.emplace(action, lineNumber); !added)
            return fail(lineNumber,
                        res::Format("actionTable.twice", {Decimal(action), Decimal(at->second)}));
        lines.push_back({action, actionName,
                         comma2 == std::u16string_view::npos ? std::u16string()
                                                             : trimmed(value.substr(comma2 + 1)),
                         *kind});
    }
    // The texts first, then the views into them: the vector no longer grows.
    texts->reserve(2 * lines.size());
    for (Read &line : lines) {
        texts->push_back(std::move(line.name));
        texts->push_back(std::move(line.description));
    }
    ActionTable table;
    table.path = name;
    for (size_t i = 0; i < lines.size(); ++i)
        table.actions.push_back({.number = lines[i].number,
                                 .name = {},
                                 .argument = lines[i].kind,
                                 .description = {},
                                 .source = "actionTable.source",
                                 .ownName = (*texts)[2 * i],
                                 .ownDescription = (*texts)[2 * i + 1]});
    table.texts = std::move(texts);
    result.table = std::move(table);
    return result;
}

ActionTableRead ReadActionTable(const std::u16string &path) {
    const platform::ReadResult read = platform::ReadTextFile(path);
    if (read.status != platform::ReadResult::Status::Ok) {
        ActionTableRead result;
        result.error = res::Format("actionTable.unreadable", {path, read.reason});
        return result;
    }
    return ParseActionTable(read.text, path);
}
