#include "teams/teamform.h"

#include "core/initext.h"

#include <algorithm>

namespace {

std::string KeyOf(std::string_view name) {
    std::string key(name);
    key += '=';
    return key;
}

// A line break pasted into a field would start a line of its own in the body, even a section
// header; it becomes a blank instead, so nothing of the value is lost.
std::string OneLine(std::string value) {
    std::replace(value.begin(), value.end(), '\n', ' ');
    return value;
}

std::string OrDefault(const std::string &value, std::string_view fallback) {
    return value.empty() ? std::string(fallback) : OneLine(value);
}

} // namespace

TeamForm ReadTeamForm(std::string_view section) {
    TeamForm form;
    form.comment = ValueOfKey(section, "Name=");
    form.priority = ValueOfKey(section, "Priority=");
    form.max = ValueOfKey(section, "Max=");
    form.taskForce = ValueOfKey(section, "TaskForce=");
    form.script = ValueOfKey(section, "Script=");
    for (size_t i = 0; i < kTeamFlagKeys.size(); ++i)
        form.flags[i] = StartsWith(ValueOfKey(section, KeyOf(kTeamFlagKeys[i])), "yes");
    return form;
}

std::string ComposeTeamBody(const TeamForm &form) {
    std::string body;
    body.reserve(640);
    body += "Name=" + OrDefault(form.comment, "<None>") + "\n";
    body += "Priority=" + OrDefault(form.priority, "1") + "\n";
    body += "Max=" + OrDefault(form.max, "1") + "\n";
    body += "VeteranLevel=1\nMindControlDecision=2\nHouse=<none>\nLoadable=no\nTechLevel=0\n"
            "Group=-1\nOnTransOnly=no\n";
    for (size_t i = 0; i < kTeamFlagKeys.size(); ++i)
        body += KeyOf(kTeamFlagKeys[i]) + (form.flags[i] ? "yes\n" : "no\n");
    body += "Script=" + OneLine(form.script) + "\n";
    body += "TaskForce=" + OneLine(form.taskForce) + "\n";
    return body;
}

bool ReplaceTeamBody(std::string &sections, std::string_view id, std::string_view body) {
    const int header = HeaderLineOf(sections, id);
    if (header < 0) return false;
    // The body starts on the line after the header line, whatever follows "]" on it.
    size_t start = sections.find('\n', size_t(header));
    if (start == std::string::npos) {
        sections += '\n';
        start = sections.size() - 1;
    }
    ++start;
    size_t end = size_t(NextHeaderLine(sections, int(start)));
    // The line break before the next header stays, keeping the blank line between sections.
    if (end < sections.size()) end = std::max(start, end - 1);
    sections.replace(start, end - start, body);
    return true;
}
