#include "core/initext.h"

#include "platform/codepage.h"
#include "platform/seams.h"

#include <algorithm>
#include <limits>

namespace {

bool IsLineStart(std::string_view text, size_t pos) { return pos == 0 || text[pos - 1] == '\n'; }

std::string Header(std::string_view id) {
    std::string header;
    header.reserve(id.size() + 2);
    header += '[';
    header += id;
    header += ']';
    return header;
}

} // namespace

int FindInText(int bound, int start, std::string_view text, std::string_view pattern, int mode) {
    const int length = int(pattern.size());
    if (bound < length) return -1;
    start = std::max(start, 0);
    if (length == 0) return mode == 1 ? start + 1 : start;
    // Bytes past the text's end are treated like NULs: they never match.
    const int limit = int(std::min<int64_t>(bound, int64_t(text.size())));
    if (pattern.find('\0') == std::string_view::npos && start <= limit - length) {
        size_t pos = text.substr(0, size_t(limit)).find(pattern, size_t(start));
        if (pos != std::string_view::npos) return mode == 1 ? int(pos) + length + 1 : int(pos);
    }
    return mode == 1 ? -1 : std::max(start, bound - length + 1);
}

std::optional<std::string> CutText(std::string_view text, int length, int start, int end) {
    if (start < 0 || start >= end || start >= length) return std::nullopt;
    size_t from = std::min(size_t(start), text.size());
    size_t to = std::min({size_t(end), size_t(length), text.size()});
    return std::string(text.substr(from, to - from));
}

std::string SqueezeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendSqueezed(out, text);
    return out;
}

void AppendSqueezed(std::string &out, std::string_view text) {
    // Copies up to and including each LF, then skips the LFs that follow it.
    for (size_t begin = 0; begin < text.size();) {
        size_t lf = text.find('\n', begin);
        if (lf == std::string_view::npos) {
            out.append(text.substr(begin));
            break;
        }
        out.append(text.substr(begin, lf + 1 - begin));
        begin = text.find_first_not_of('\n', lf);
        if (begin == std::string_view::npos) break;
    }
}

int CountLines(std::string_view text) {
    return 1 + int(std::count(text.begin(), text.end(), '\n'));
}

std::optional<std::string> GetLine(std::string_view text, int n) {
    if (n <= 0) {
        size_t lf = text.rfind('\n');
        return std::string(lf == std::string_view::npos ? text : text.substr(lf + 1));
    }
    size_t begin = 0;
    for (int line = 1; line < n; ++line) {
        size_t lf = text.find('\n', begin);
        if (lf == std::string_view::npos) return std::nullopt;
        begin = lf + 1;
    }
    size_t end = text.find('\n', begin);
    return std::string(text.substr(begin, end == std::string_view::npos ? end : end - begin));
}

std::optional<std::string> SplitKeyValue(std::string_view line, char separator, int part) {
    if (part != 0 && part != 1) return std::nullopt;
    int pos = FindInText(int(line.size()), 0, line, std::string_view(&separator, 1), 0);
    if (pos < 0) return std::nullopt;
    if (part == 0) return std::string(line.substr(0, size_t(pos)));
    std::string value;
    AppendCleanValue(value, line.substr(std::min(line.size(), size_t(pos) + 1)));
    return value;
}

void AppendCleanValue(std::string &out, std::string_view value) {
    const size_t begin = out.size();
    for (char c : value) {
        if (c == ';') {
            if (out.size() > begin && out.back() == ' ') out.pop_back();
            break;
        }
        if (c == ' ' || c == '\t') {
            if (out.size() > begin && out.back() != ' ') out += ' ';
            continue;
        }
        out += c;
    }
}

bool IsAssignmentLine(std::string_view line) {
    size_t first = line.find_first_not_of(';');
    if (first == std::string_view::npos) return false;
    std::string_view rest = line.substr(first);
    return rest.find('=') != std::string_view::npos && rest.find(';') == std::string_view::npos;
}

std::string_view Unindented(std::string_view line) {
    size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : line.substr(first);
}

bool IsRegistryLine(std::string_view line) {
    if (StartsWith(Unindented(line), ";")) return false;
    size_t digit = line.find_first_of("0123456789");
    return digit != std::string_view::npos && line.find('=', digit) != std::string_view::npos;
}

bool IsAppendLine(std::string_view line) { return StartsWith(Unindented(line), "+="); }

std::string ValueOfKey(std::string_view text, std::string_view key) {
    size_t pos = text.find(key);
    if (pos == std::string_view::npos) return "None";
    pos += key.size();
    size_t lf = text.find('\n', pos);
    return std::string(text.substr(pos, lf == std::string_view::npos ? lf : lf - pos));
}

int NextHeaderLine(std::string_view text, int from) {
    size_t start = size_t(std::max(from, 0));
    if (start >= text.size()) return int(text.size());
    if (text[start] == '[' && IsLineStart(text, start)) return int(start);
    size_t pos = text.find("\n[", start);
    return pos == std::string_view::npos ? int(text.size()) : int(pos + 1);
}

int HeaderLineOf(std::string_view text, std::string_view id, int from) {
    if (id.find('\0') != std::string_view::npos) return -1;
    const std::string header = Header(id);
    for (size_t pos = size_t(std::max(from, 0));
         (pos = text.find(header, pos)) != std::string_view::npos; ++pos) {
        if (IsLineStart(text, pos)) return int(pos);
    }
    return -1;
}

std::string_view SectionAt(std::string_view text, int header) {
    const int next = NextHeaderLine(text, header + 1);
    if (next >= int(text.size())) return text.substr(size_t(header));
    // The LF before the next header ends the section's last line; it is not part of it.
    return text.substr(size_t(header), size_t(next - 1 - header));
}

std::string EntrySectionOf(std::string_view text, std::string_view id) {
    const int start = HeaderLineOf(text, id);
    return start < 0 ? "None" : std::string(SectionAt(text, start));
}

bool RemoveLineWith(std::string &text, std::string_view key) {
    size_t pos = text.find(key);
    if (pos == std::string::npos) return false;
    size_t lf = text.find('\n', pos);
    if (pos == 0) {
        text.erase(0, lf == std::string::npos ? lf : lf + 1);
    } else {
        text.erase(pos - 1, lf == std::string::npos ? lf : lf - (pos - 1));
    }
    return true;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

std::string FieldsBetween(std::string_view text, char separator, int a, int b) {
    const int n = int(std::count(text.begin(), text.end(), separator));
    if (a == -2 && b == -2) {
        a = n;
        b = 0;
    }
    if (a < 1 || b < 0 || b > n) return "None";
    if (b == 0) {
        size_t last = text.rfind(separator);
        return std::string(last == std::string_view::npos ? text : text.substr(last + 1));
    }
    std::string out;
    int seen = 0;
    for (char c : text) {
        if (c == separator) {
            if (++seen >= b) break;
            continue;
        }
        if (seen >= a) out += c;
    }
    return out;
}

std::string NormalizeEditText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 1);
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n' && !out.empty() && out.back() == '\n') continue;
        out += c;
    }
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out;
}

std::string ToNarrow(std::u16string_view wide) { return platform::WideToAnsi(wide); }

std::u16string ToWide(std::string_view narrow) { return platform::AnsiToWide(narrow); }

int32_t NarrowToInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    const int64_t limit = negative ? -int64_t(std::numeric_limits<int32_t>::min())
                                   : int64_t(std::numeric_limits<int32_t>::max());
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), limit);
    return int32_t(negative ? -value : value);
}

int32_t TextToInt(std::u16string_view wide) { return NarrowToInt(ToNarrow(wide)); }

std::string DirectoryOf(std::string_view path) {
    size_t pos = path.find_last_of("\\/");
    return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::string StripDotSlash(std::string_view path) {
    return std::string(StartsWith(path, "./") ? path.substr(2) : path);
}

std::string &ReplaceChar(std::string &text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

void ShowNarrowMessage(std::string_view text) { platform::ShowAppMessage(ToWide(text)); }

std::optional<std::string_view> KeyOfLine(std::string_view line) {
    const size_t begin = line.find_first_not_of(" \t");
    const size_t equals = line.find('=');
    if (begin == std::string_view::npos || equals == std::string_view::npos || equals < begin)
        return std::nullopt;
    return line.substr(begin, equals - begin);
}

std::optional<std::string_view> KeyLineValue(std::string_view text, std::string_view key) {
    for (size_t begin = 0; begin < text.size();) {
        const size_t lf = std::min(text.find('\n', begin), text.size());
        const std::string_view line = text.substr(begin, lf - begin);
        if (KeyOfLine(line) == key) return line.substr(line.find('=') + 1);
        begin = lf + 1;
    }
    return std::nullopt;
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsWholeNumber(std::string_view text) {
    if (StartsWith(text, "-") || StartsWith(text, "+")) text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string_view ReferenceIn(std::string_view value) {
    const std::string_view note = value.substr(0, value.find(';'));
    const size_t begin = std::min(note.find_first_not_of(" \t"), note.size());
    const size_t end = note.find_last_not_of(" \t") + 1;
    return note.substr(begin, end > begin ? end - begin : 0);
}
