#include "teams/teamform.h"

#include "core/initext.h"

#include <algorithm>

namespace {

// A line break pasted into a field would start a line of its own in the body, even a section
// header; it becomes a blank instead, so nothing of the value is lost.
std::string OneLine(std::string_view value) {
    std::string line(value);
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

std::string LineFor(size_t index, const TeamForm &form) {
    const TeamKey &key = kTeamLayout[index];
    std::string line(key.key);
    line += '=';
    line += form[index].empty() ? std::string(key.ifEmpty) : OneLine(form[index]);
    line += '\n';
    return line;
}

std::optional<size_t> LayoutIndexOf(std::string_view key) {
    for (size_t i = 0; i < kTeamLayout.size(); ++i)
        if (kTeamLayout[i].key == key) return i;
    return std::nullopt;
}

struct BodyRange {
    size_t start;
    size_t end;
    bool headerEndsText; // the header line has no line break of its own
};

std::optional<BodyRange> FindTeamBody(std::string_view sections, std::string_view id) {
    const int header = HeaderLineOf(sections, id);
    if (header < 0) return std::nullopt;
    // The body starts on the line after the header line, whatever follows "]" on it.
    const size_t lf = sections.find('\n', size_t(header));
    if (lf == std::string_view::npos) return BodyRange{sections.size(), sections.size(), true};
    const size_t start = lf + 1;
    size_t end = size_t(NextHeaderLine(sections, int(start)));
    // The line break before the next header stays, keeping the blank line between sections.
    if (end < sections.size()) end = std::max(start, end - 1);
    return BodyRange{start, std::min(end, sections.size()), false};
}

} // namespace

TeamForm ReadTeamForm(std::string_view section) {
    TeamForm form;
    for (size_t i = 0; i < kTeamLayout.size(); ++i) {
        const TeamKey &key = kTeamLayout[i];
        const std::optional<std::string_view> value = KeyLineValue(section, key.key);
        if (key.flag)
            form[i] = value && StartsWith(*value, "yes") ? "yes" : "no";
        else
            form[i] = value ? std::string(*value) : std::string(key.absent);
    }
    return form;
}

std::string UpdateTeamBody(std::string_view body, const TeamForm &shown, const TeamForm &edited) {
    std::array<bool, kTeamLayout.size()> present{};
    std::string updated;
    updated.reserve(body.size() + 64);
    size_t appendAt = 0; // just after the last non-empty line
    for (size_t begin = 0; begin < body.size();) {
        const size_t lf = body.find('\n', begin);
        const size_t end = lf == std::string_view::npos ? body.size() : lf + 1;
        const std::string_view line = body.substr(begin, end - begin);
        const std::optional<std::string_view> key = KeyOfLine(line);
        const std::optional<size_t> index = key ? LayoutIndexOf(*key) : std::nullopt;
        if (index && !present[*index]) {
            present[*index] = true;
            if (edited[*index] != shown[*index]) {
                updated += LineFor(*index, edited);
                if (lf == std::string_view::npos) updated.pop_back(); // the body's last line
            } else {
                updated += line;
            }
        } else {
            updated += line;
        }
        if (line.find_first_not_of(" \t\r\n") != std::string_view::npos) appendAt = updated.size();
        begin = end;
    }
    // A key no line has is the game's own default, which need not be the form's: it gets a line
    // only when the user set its value.
    std::string missing;
    for (size_t i = 0; i < kTeamLayout.size(); ++i)
        if (!present[i] && edited[i] != shown[i]) missing += LineFor(i, edited);
    if (missing.empty()) return updated;
    if (appendAt > 0 && updated[appendAt - 1] != '\n') missing.insert(0, 1, '\n');
    updated.insert(appendAt, missing);
    return updated;
}

std::optional<std::string> TeamBodyOf(std::string_view sections, std::string_view id) {
    const std::optional<BodyRange> range = FindTeamBody(sections, id);
    if (!range) return std::nullopt;
    return std::string(sections.substr(range->start, range->end - range->start));
}

bool ReplaceTeamBody(std::string &sections, std::string_view id, std::string_view body) {
    const std::optional<BodyRange> range = FindTeamBody(sections, id);
    if (!range) return false;
    if (range->headerEndsText) {
        sections += '\n';
        sections += body;
        return true;
    }
    sections.replace(range->start, range->end - range->start, body);
    return true;
}
