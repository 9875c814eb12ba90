#include "core/entrytext.h"

#include "core/headerindex.h"
#include "core/initext.h"
#include "core/registrylist.h"

#include <algorithm>
#include <cstdint>

SaveResult SaveEntrySection(std::string &sectionsText, std::string_view id,
                            std::string_view editText) {
    // The same header line that EntrySectionOf finds, so the replaced range is that section.
    const int start = HeaderLineOf(sectionsText, id);
    if (start < 0) return {SaveOutcome::NoSection, {}};
    const std::string text = NormalizeEditText(editText);
    if (!text.empty() && text.front() != '[') return {SaveOutcome::NotASection, {}};
    // A header renamed here would leave the list naming a section that no longer exists.
    if (!text.empty() && !StartsWith(text, "[" + std::string(id) + "]"))
        return {SaveOutcome::OtherId, {}};
    sectionsText.replace(size_t(start), SectionAt(sectionsText, start).size(), text);
    return {SaveOutcome::Saved, ValueOfKey(EntrySectionOf(sectionsText, id), "Name=")};
}

std::string TidyEntryText(std::string_view id, std::string_view editText,
                          const EntryTextKind &kind) {
    std::string result = "[" + std::string(id) + "]\n";
    result += "Name=" + ValueOfKey(editText, "Name=") + "\n";
    if (kind.tidyWritesGroup) result += "Group=" + ValueOfKey(editText, "Group=") + "\n";

    const std::string text = SqueezeLineBreaks(editText);
    int member = 0;
    for (size_t start = 0; start <= text.size();) {
        const size_t lf = std::min(text.find('\n', start), text.size());
        const std::string_view line = std::string_view(text).substr(start, lf - start);
        start = lf + 1;
        if (line.find(',') == std::string_view::npos || line.find("Name") != std::string_view::npos)
            continue;
        // A commented-out "n=value" or a bare value both become the next numbered line.
        const size_t equals = line.rfind('=');
        const std::string_view value =
            equals == std::string_view::npos ? line : line.substr(equals + 1);
        result += std::to_string(member++) + "=" + std::string(value) + "\n";
    }
    return SqueezeLineBreaks(result);
}

EntryTexts RebuildEntryTexts(const std::vector<std::string> &ids, std::string_view sectionsText,
                             int start, const EntryTextKind &kind) {
    const HeaderIndex headers(sectionsText);
    EntryTexts texts;
    texts.listText.reserve(kind.listHeader.size() + ids.size() * 24);
    texts.sectionsText.reserve(sectionsText.size() + ids.size() + 1);
    texts.listText.append(kind.listHeader).append("\n");
    int64_t number = start;
    for (const std::string &id : ids) {
        texts.listText.append(std::to_string(number++)).append("=").append(id).append("\n");
        if (const int header = headers.Find(id); header >= 0)
            texts.sectionsText.append(SectionAt(sectionsText, header));
        texts.sectionsText.append("\n");
    }
    (kind.deleteEndsListWithLf ? texts.listText : texts.sectionsText).append("\n");
    return texts;
}

EntryTexts DeleteEntryTexts(std::string_view listText, std::string_view sectionsText,
                            const std::vector<RegistryEntry> &doomed, int start,
                            const EntryTextKind &kind) {
    const std::string remaining = WithoutEntryLines(listText, doomed);
    const std::vector<std::string_view> ids = ListIds(remaining);
    return RebuildEntryTexts({ids.begin(), ids.end()}, sectionsText, start, kind);
}

InsertedNumberedLine InsertNumberedLine(std::u16string_view fieldText, int caretLine,
                                        std::u16string_view value) {
    std::vector<std::u16string_view> lines;
    for (size_t begin = 0;;) {
        const size_t lf = fieldText.find(u'\n', begin);
        lines.push_back(fieldText.substr(begin, lf == std::u16string_view::npos ? lf : lf - begin));
        if (lf == std::u16string_view::npos) break;
        begin = lf + 1;
    }
    int64_t next = 0;
    for (std::u16string_view line : lines) {
        const std::string narrow = ToNarrow(line);
        const std::string_view bare = Unindented(narrow);
        const size_t digits = bare.find_first_not_of("0123456789");
        // Beyond the 32-bit range the number clamps, as the file report reads it.
        if (digits > 0 && digits != std::string_view::npos && bare[digits] == '=')
            next = std::max(next, int64_t(NarrowToInt(bare.substr(0, digits))) + 1);
    }
    const std::string number = std::to_string(next);
    const std::u16string added =
        std::u16string(number.begin(), number.end()) + u"=" + std::u16string(value);
    const size_t at = size_t(std::clamp(caretLine, 0, int(lines.size()) - 1));
    const std::u16string_view caret = lines[at];
    // Where the caret's line ends, its LF excluded.
    const size_t end = size_t(caret.data() - fieldText.data()) + caret.size();
    InsertedNumberedLine inserted;
    inserted.column = int(number.size()) + 1;
    inserted.text.reserve(fieldText.size() + added.size() + 1);
    inserted.text = fieldText.substr(0, end);
    if (at + 1 == lines.size() && caret.empty()) {
        inserted.text += added;
        inserted.line = int(at);
    } else {
        inserted.text += u"\n" + added;
        inserted.text += fieldText.substr(end);
        inserted.line = int(at) + 1;
    }
    return inserted;
}
