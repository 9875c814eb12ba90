#include "cli/json.h"

#include "platform/codepage.h"

#include <algorithm>

namespace {

char HexDigit(unsigned value) { return char(value < 10 ? '0' + value : 'a' + value - 10); }

// A string's text between its quotes: '"' and '\' escaped, control characters as their short
// escape or \u00XX, everything else as UTF-8 (a byte that is not valid UTF-8 as U+FFFD, a lone
// surrogate as \uXXXX).
void WriteString(std::string &out, std::string_view utf8) {
    const std::u16string wide = platform::Utf8ToWide(utf8);
    out += '"';
    for (size_t i = 0; i < wide.size(); ++i) {
        const char16_t c = wide[i];
        if (c >= 0x80) {
            const bool high = c >= 0xD800 && c <= 0xDBFF;
            const bool paired =
                high && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
            if (paired || !(c >= 0xD800 && c <= 0xDFFF)) {
                out += platform::WideToUtf8(std::u16string_view(wide).substr(i, paired ? 2 : 1));
                i += paired ? 1 : 0;
            } else {
                out += "\\u";
                for (int shift = 12; shift >= 0; shift -= 4)
                    out += HexDigit((c >> shift) & 0xF);
            }
            continue;
        }
        switch (c) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                out += "\\u00";
                out += HexDigit(c >> 4);
                out += HexDigit(c & 0xF);
            } else {
                out += char(c);
            }
        }
    }
    out += '"';
}

} // namespace

std::string Json::Indented() const {
    std::string out;
    Write(out, 0);
    out += '\n';
    return out;
}

void Json::Write(std::string &out, int level) const {
    const std::string indent(size_t(4 * (level + 1)), ' ');
    if (std::holds_alternative<std::monostate>(value_)) {
        out += "null";
    } else if (const int64_t *number = std::get_if<int64_t>(&value_)) {
        out += std::to_string(*number);
    } else if (const std::string *text = std::get_if<std::string>(&value_)) {
        WriteString(out, *text);
    } else if (const Array *array = std::get_if<Array>(&value_)) {
        // An empty array or object still takes two lines.
        out += "[\n";
        for (size_t i = 0; i < array->size(); ++i) {
            out += indent;
            (*array)[i].Write(out, level + 1);
            out += i + 1 < array->size() ? ",\n" : "\n";
        }
        out.append(indent.size() - 4, ' ');
        out += ']';
    } else {
        std::vector<const std::pair<std::string, Json> *> members;
        for (const auto &member : std::get<Object>(value_))
            members.push_back(&member);
        std::stable_sort(members.begin(), members.end(),
                         [](auto *a, auto *b) { return a->first < b->first; });
        out += "{\n";
        for (size_t i = 0; i < members.size(); ++i) {
            out += indent;
            WriteString(out, members[i]->first);
            out += ": ";
            members[i]->second.Write(out, level + 1);
            out += i + 1 < members.size() ? ",\n" : "\n";
        }
        out.append(indent.size() - 4, ' ');
        out += '}';
    }
}
