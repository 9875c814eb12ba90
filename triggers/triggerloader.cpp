#include "triggers/triggerloader.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "triggers/triggerformat.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr std::string_view kSectionName = "AITriggerTypes";
constexpr std::string_view kSectionHeader = "[AITriggerTypes]";

// Appends "ID=value\n" for each trigger line of every [AITriggerTypes] section of `text`.
// Appends each trigger line of the text's [AITriggerTypes] blocks to `lines`, cleaned, straight
// from the slot's text; the number of lines.
int AppendTriggerLines(std::string_view text, std::string &lines) {
    int count = 0;
    for (int header = HeaderLineOf(text, kSectionName); header >= 0;) {
        const size_t begin = SectionBodyStart(text, header, kSectionName);
        const size_t end = size_t(NextHeaderLine(text, int(begin)));
        for (size_t pos = begin; pos < end;) {
            size_t lf = std::min(text.find('\n', pos), end);
            std::string_view line = text.substr(pos, lf - pos);
            pos = lf + 1;
            if (!IsTriggerLine(line)) continue;
            const size_t equals = line.find('=');
            lines.append(line.substr(0, equals));
            lines += '=';
            const size_t value = lines.size();
            AppendCleanValue(lines, line.substr(equals + 1));
            // A trailing blank is no part of the last field: kept, it would read a hard flag
            // "1 " as off and lose it on the next save.
            if (lines.size() > value && lines.back() == ' ') lines.pop_back();
            lines += '\n';
            ++count;
        }
        header = HeaderLineOf(text, kSectionName, int(end));
    }
    return count;
}

size_t EntryLineOf(std::string_view text, std::string_view id) {
    // The text before a line's first '=' holds neither '=' nor a line break.
    if (id.find_first_of("=\n") != std::string_view::npos) return std::string_view::npos;
    // Searched with the line break before it: an ID's first character is everywhere in the
    // comparison blocks.
    std::string key = "\n" + std::string(id) + "=";
    if (StartsWith(text, std::string_view(key).substr(1))) return 0;
    const size_t pos = text.find(key);
    return pos == std::string_view::npos ? pos : pos + 1;
}

size_t LineEnd(std::string_view text, size_t pos) {
    return std::min(text.find('\n', pos), text.size());
}

} // namespace

bool IsTriggerLine(std::string_view line) {
    size_t first = line.find_first_not_of(';');
    if (first == std::string_view::npos) return false;
    std::string_view entry = line.substr(first);
    return entry.substr(0, entry.find(';')).find('=') != std::string_view::npos;
}

void LoadAITriggerTypes(Document &document) {
    // The lines go straight into the document's text, after its header.
    std::string &text = document.triggerText;
    text += kSectionHeader;
    text += '\n';
    int count = 0;
    // Every slot is visited: an include line that named no file leaves a gap, not an end.
    for (const FileSlot &slot : document.fileSlots) {
        if (!slot.text) continue;
        std::string_view slotText = *slot.text;
        count += AppendTriggerLines(slotText.substr(0, size_t(std::max(slot.length, 0))), text);
    }
    text += '\n';
    document.triggerLastIndex = count - 1;
}

std::string FindTriggerEntry(std::string_view text, std::string_view id) {
    size_t pos = EntryLineOf(text, id);
    if (pos == std::string_view::npos) return "None";
    pos += id.size();
    return std::string(text.substr(pos, LineEnd(text, pos) - pos));
}

bool ReplaceTriggerEntry(std::string &text, std::string_view id, std::string_view newLine) {
    const size_t pos = EntryLineOf(text, id);
    if (pos == std::string::npos) return false;
    const size_t end = LineEnd(text, pos);
    std::string replaced = text.substr(0, pos);
    replaced += newLine;
    replaced += SqueezeLineBreaks(std::string_view(text).substr(end));
    replaced += '\n';
    text = std::move(replaced);
    return true;
}

void RemoveTriggerEntries(std::string &text, const std::vector<std::string> &ids) {
    std::unordered_map<std::string_view, int> left;
    for (const std::string &id : ids)
        ++left[id];
    // The lines that stay, one line break between each two: what removing a line with one of
    // the line breaks beside it leaves.
    std::string kept;
    kept.reserve(text.size());
    bool first = true;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = LineEnd(text, start);
        const std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + 1;
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos) {
            auto found = left.find(line.substr(0, equals));
            if (found != left.end() && found->second > 0) {
                --found->second;
                continue;
            }
        }
        if (!first) kept += '\n';
        kept += line;
        first = false;
    }
    text = SqueezeLineBreaks(kept);
}

void AppendTriggerEntry(std::string &text, std::string_view id, std::string_view rest) {
    AppendTriggerLines(text, std::string(id) + std::string(rest));
}

void AppendTriggerLines(std::string &text, std::string_view lines) {
    text += lines;
    text = SqueezeLineBreaks(text);
    text += '\n';
}

std::optional<TriggerIdAndName> TriggerIdAndNameOf(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const size_t comma = line.find(',', equals + 1);
    const size_t end = comma == std::string_view::npos ? line.size() : comma;
    return TriggerIdAndName{line.substr(0, equals), line.substr(equals + 1, end - equals - 1)};
}

std::unordered_map<std::string_view, std::string_view> TriggerNamesById(std::string_view text) {
    std::unordered_map<std::string_view, std::string_view> names;
    ForEachLine(text, [&names](std::string_view line) {
        if (std::optional<TriggerIdAndName> entry = TriggerIdAndNameOf(line))
            names.try_emplace(entry->id, entry->name);
    });
    return names;
}
