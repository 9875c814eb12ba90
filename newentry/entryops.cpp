#include "newentry/entryops.h"

#include "core/initext.h"
#include "core/registrylist.h"
#include "res/text.h"
#include "teams/teamform.h"
#include "triggers/triggerloader.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::array<NewEntryKind, 4> kKinds = {NewEntryKind::Trigger, NewEntryKind::Team,
                                                NewEntryKind::Script, NewEntryKind::TaskForce};

bool AnyKindHas(const Document &document, std::string_view id) {
    for (NewEntryKind kind : kKinds)
        if (KindHasEntry(document, kind, id)) return true;
    return false;
}

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// The hexadecimal digits before the last '-' of `id`, when they end that part.
struct HexRun {
    size_t begin, end;
};
std::optional<HexRun> HexBeforeSuffix(std::u16string_view id) {
    const size_t dash = id.rfind(u'-');
    if (dash == std::u16string_view::npos || dash + 1 == id.size()) return std::nullopt;
    size_t begin = dash;
    while (begin > 0 && HexValue(id[begin - 1]) >= 0)
        --begin;
    if (begin == dash) return std::nullopt;
    return HexRun{begin, dash};
}

// `digits` plus one in the same width and letter case; nullopt when it needs another place.
std::optional<std::u16string> NextHex(std::u16string digits) {
    const bool lower = digits.find_first_of(u"abcdef") != std::u16string::npos;
    for (size_t i = digits.size(); i-- > 0;) {
        const int value = HexValue(digits[i]) + 1;
        if (value < 16) {
            digits[i] = char16_t(value < 10 ? u'0' + value : (lower ? u'a' : u'A') + value - 10);
            return digits;
        }
        digits[i] = u'0';
    }
    return std::nullopt;
}

// `value` with its reference replaced by `to`.
std::string Replaced(std::string_view value, std::string_view to) {
    const std::string_view reference = ReferenceIn(value);
    const size_t at = size_t(reference.data() - value.data());
    std::string out(value.substr(0, at));
    out += to;
    out += value.substr(at + reference.size());
    return out;
}

// Calls `take(line, out)` for each line of `text` (LF excluded), collecting a new text: `take`
// appends the line as it should read; the line breaks are kept as they were.
template <class F> std::string MapLines(std::string_view text, F take) {
    std::string out;
    out.reserve(text.size() + 64);
    for (size_t begin = 0; begin < text.size();) {
        const size_t lf = text.find('\n', begin);
        const size_t end = lf == std::string_view::npos ? text.size() : lf;
        take(text.substr(begin, end - begin), out);
        if (lf != std::string_view::npos) out += '\n';
        begin = end + 1;
    }
    return out;
}

// `text` with `to` in place of the ID at offset 1 of each occurrence of `pattern` that `accept`
// accepts (an occurrence is given by its offset). One search for a pattern that starts with a
// rare character, however long the text: an ID's first character (often '0') is everywhere.
template <class Accept>
std::string ReplaceAfter(std::string_view text, std::string_view pattern, size_t idSize,
                         std::string_view to, Accept accept) {
    std::string out;
    size_t copied = 0;
    for (size_t at = text.find(pattern); at != std::string_view::npos;
         at = text.find(pattern, at + 1)) {
        if (!accept(at)) continue;
        out.append(text.substr(copied, at + 1 - copied));
        out.append(to);
        copied = at + 1 + idSize;
    }
    out.append(text.substr(copied));
    return out;
}

// A list line "n=ID" of `from` becomes "n=to". Texts are searched from a line break before them.
std::string RenameListLines(std::string_view listText, std::string_view from, std::string_view to) {
    const std::string pattern = "=" + std::string(from) + "\n";
    const std::string text = std::string(listText) + "\n"; // a last line without its LF
    std::string out = ReplaceAfter(text, pattern, from.size(), to, [&](size_t at) {
        const size_t begin = text.rfind('\n', at) + 1; // 0 when there is none
        return text.find('=', begin) == at;
    });
    out.pop_back();
    return out;
}

// A header line that starts with "[from]" starts with "[to]".
std::string RenameHeaders(std::string_view sections, std::string_view from, std::string_view to) {
    const std::string text = "\n" + std::string(sections); // the first line too
    std::string out = ReplaceAfter(text, "\n[" + std::string(from) + "]", from.size() + 1,
                                   "[" + std::string(to), [](size_t) { return true; });
    return out.substr(1);
}

// What a rename of `from` makes of the texts, into `target` (only counted without one): the
// number of entries whose references change.
int Rename(const Document &document, NewEntryKind kind, std::string_view from, std::string_view to,
           Document *target) {
    Document scratch;
    Document &d = target ? *target : scratch;
    int count = 0;
    if (const std::optional<RegistryTexts> texts = RegistryTextsOf(kind); texts && target) {
        d.*texts->list = RenameListLines(document.*texts->list, from, to);
        d.*texts->sections = RenameHeaders(document.*texts->sections, from, to);
    }
    const std::string renamed(to);
    const RenamedId lookup = [&](std::string_view id) { return id == from ? &renamed : nullptr; };
    switch (kind) {
    case NewEntryKind::TaskForce:
    case NewEntryKind::Script:
        d.teamSectionsText = RenameTeamReferences(
            document.teamSectionsText, kind == NewEntryKind::TaskForce ? "TaskForce" : "Script",
            lookup, count);
        break;
    case NewEntryKind::Team:
        d.triggerText = RenameInTriggers(document.triggerText, {}, lookup, count);
        break;
    case NewEntryKind::Trigger:
        d.triggerText = RenameInTriggers(document.triggerText, lookup, {}, count);
        break;
    }
    return count;
}

} // namespace

std::string RenameTeamReferences(std::string_view sections, std::string_view key,
                                 const RenamedId &renamed, int &count) {
    bool seen = true; // the key's line of the current section was met
    return MapLines(sections, [&](std::string_view line, std::string &out) {
        if (StartsWith(line, "[")) seen = false;
        if (!seen && KeyOfLine(line) == key) {
            seen = true;
            const size_t equals = line.find('=');
            const std::string_view value = line.substr(equals + 1);
            if (const std::string *to = renamed(ReferenceIn(value))) {
                ++count;
                out += line.substr(0, equals + 1);
                out += Replaced(value, *to);
                return;
            }
        }
        out += line;
    });
}

std::string RenameInTriggers(std::string_view text, const RenamedId &ids, const RenamedId &teams,
                             int &count) {
    return MapLines(text, [&](std::string_view line, std::string &out) {
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || StartsWith(line, "[")) {
            out += line;
            return;
        }
        const std::string_view id = line.substr(0, equals);
        const std::string *newId = ids ? ids(id) : nullptr;
        out += newId ? std::string_view(*newId) : id;
        size_t copied = equals;
        bool refers = false;
        // Field k lies between comma k and comma k + 1 (field 0 starts after the '=').
        size_t begin = equals + 1;
        for (int field = 0; teams && field <= 14; ++field) {
            const size_t comma = line.find(',', begin);
            const size_t end = comma == std::string_view::npos ? line.size() : comma;
            const std::string_view value = line.substr(begin, end - begin);
            if (const std::string *to =
                    field == 1 || field == 14 ? teams(ReferenceIn(value)) : nullptr) {
                refers = true;
                out += line.substr(copied, begin - copied);
                out += Replaced(value, *to);
                copied = end;
            }
            if (comma == std::string_view::npos) break;
            begin = comma + 1;
        }
        out += line.substr(copied);
        if (refers) ++count;
    });
}

std::optional<RegistryTexts> RegistryTextsOf(NewEntryKind kind) {
    switch (kind) {
    case NewEntryKind::Team:
        return RegistryTexts{&Document::teamListText, &Document::teamSectionsText};
    case NewEntryKind::Script:
        return RegistryTexts{&Document::scriptListText, &Document::scriptSectionsText};
    case NewEntryKind::TaskForce:
        return RegistryTexts{&Document::taskForceListText, &Document::taskForceSectionsText};
    case NewEntryKind::Trigger:
        break;
    }
    return std::nullopt;
}

std::u16string SuggestCopyId(const Document &document, std::u16string_view id) {
    return SuggestCopyId(
        id, [&](std::string_view candidate) { return AnyKindHas(document, candidate); });
}

std::u16string SuggestCopyId(std::u16string_view id,
                             const std::function<bool(std::string_view)> &taken) {
    if (const std::optional<HexRun> run = HexBeforeSuffix(id)) {
        std::u16string digits(id.substr(run->begin, run->end - run->begin));
        while (std::optional<std::u16string> next = NextHex(digits)) {
            digits = *next;
            std::u16string candidate(id);
            candidate.replace(run->begin, digits.size(), digits);
            if (!taken(ToNarrow(candidate))) return candidate;
        }
    }
    for (int n = 2;; ++n) {
        std::u16string candidate(id);
        candidate += u'_';
        const std::string number = std::to_string(n);
        candidate.append(number.begin(), number.end());
        if (!taken(ToNarrow(candidate))) return candidate;
    }
}

std::optional<NewEntryKind> KindOfEntry(const Document &document, std::string_view id) {
    std::optional<NewEntryKind> found;
    for (NewEntryKind kind : kKinds) {
        if (!KindHasEntry(document, kind, id)) continue;
        if (found) return std::nullopt;
        found = kind;
    }
    return found;
}

bool DuplicateEntry(Document &document, NewEntryKind kind, std::u16string_view from,
                    std::u16string_view to, int listedRows) {
    const std::string narrow = ToNarrow(from);
    if (!KindHasEntry(document, kind, narrow) || NewEntryIdProblem(document, kind, to) ||
        to.empty())
        return false;
    std::string body;
    if (kind == NewEntryKind::Trigger) {
        body = FindTriggerEntry(document.triggerText, narrow);
    } else {
        const std::string &sections = document.*RegistryTextsOf(kind)->sections;
        const int header = HeaderLineOf(sections, narrow);
        if (header >= 0) {
            std::string_view section = SectionAt(sections, header);
            const size_t lf = section.find('\n');
            section = lf == std::string_view::npos ? std::string_view() : section.substr(lf + 1);
            body = std::string(section.substr(0, section.find_last_not_of('\n') + 1));
        }
        // A team's body is ended the way a template's is; the others as a new entry's.
        if (kind != NewEntryKind::Team) body += "\n\n";
    }
    AppendNewEntry(document, kind, to, listedRows, body);
    return true;
}

std::optional<std::u16string> RenameProblem(const Document &document, std::u16string_view from,
                                            std::u16string_view to) {
    const std::string narrowFrom = ToNarrow(from);
    const std::optional<NewEntryKind> kind = KindOfEntry(document, narrowFrom);
    if (!kind) {
        if (!AnyKindHas(document, narrowFrom)) return res::Format("rename.noSuchEntry", {from});
        return res::Format("rename.ambiguous", {from});
    }
    if (to.empty()) return res::Str("rename.empty");
    if (to == from) return res::Str("rename.same");
    for (NewEntryKind other : kKinds)
        if (std::optional<std::u16string> problem = NewEntryIdProblem(document, other, to))
            return problem;
    return std::nullopt;
}

int ReferenceCount(const Document &document, NewEntryKind kind, std::string_view id) {
    return Rename(document, kind, id, id, nullptr);
}

std::u16string ReferenceCountText(NewEntryKind kind, int count) {
    const std::string number = std::to_string(count);
    return res::Format(kind == NewEntryKind::Team ? "rename.triggerReferences"
                                                  : "rename.teamReferences",
                       {std::u16string(number.begin(), number.end())});
}

std::optional<int> RenameEntry(Document &document, std::u16string_view from,
                               std::u16string_view to) {
    if (RenameProblem(document, from, to)) return std::nullopt;
    const std::string narrowFrom = ToNarrow(from);
    return Rename(document, *KindOfEntry(document, narrowFrom), narrowFrom, ToNarrow(to),
                  &document);
}
