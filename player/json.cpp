#include "player/json.h"

#include <charconv>

namespace {

void WriteString(std::string &out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static const char digits[] = "0123456789abcdef";
                out += "\\u00";
                out += digits[(c >> 4) & 0xf];
                out += digits[c & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void AppendUtf8(std::string &out, uint32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xc0 | (code >> 6));
        out += char(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += char(0xe0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3f));
        out += char(0x80 | (code & 0x3f));
    } else {
        out += char(0xf0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3f));
        out += char(0x80 | ((code >> 6) & 0x3f));
        out += char(0x80 | (code & 0x3f));
    }
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<JsonValue> Document(std::string &error) {
        std::optional<JsonValue> value = Value(0);
        Blanks();
        if (value && pos_ != text_.size()) Fail("text after the value");
        if (!error_.empty()) {
            error = "at byte " + std::to_string(pos_) + ": " + error_;
            return std::nullopt;
        }
        return value;
    }

private:
    // Deeper than any scenario goes: a hostile file cannot exhaust the stack.
    static constexpr int kMaxDepth = 64;

    void Fail(const char *what) {
        if (error_.empty()) error_ = what;
    }
    void Blanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t'))
            ++pos_;
    }
    bool Take(char c) {
        Blanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    std::optional<JsonValue> Value(int depth) {
        if (depth > kMaxDepth) return Fail("nested too deeply"), std::nullopt;
        Blanks();
        if (pos_ >= text_.size()) return Fail("a value is missing"), std::nullopt;
        const char c = text_[pos_];
        if (c == '{') return ObjectValue(depth);
        if (c == '[') return ArrayValue(depth);
        if (c == '"') {
            std::optional<std::string> text = String();
            return text ? std::optional<JsonValue>(std::move(*text)) : std::nullopt;
        }
        if (Word("true")) return JsonValue(true);
        if (Word("false")) return JsonValue(false);
        if (Word("null")) return JsonValue();
        int64_t number = 0;
        const auto [end, problem] =
            std::from_chars(text_.data() + pos_, text_.data() + text_.size(), number);
        if (problem != std::errc() || end == text_.data() + pos_)
            return Fail("not a value"), std::nullopt;
        pos_ = size_t(end - text_.data());
        return JsonValue(number);
    }

    std::optional<JsonValue> ArrayValue(int depth) {
        ++pos_;
        JsonValue::Array items;
        if (Take(']')) return JsonValue(std::move(items));
        do {
            std::optional<JsonValue> item = Value(depth + 1);
            if (!item) return std::nullopt;
            items.push_back(std::move(*item));
        } while (Take(','));
        if (!Take(']')) return Fail("',' or ']' expected"), std::nullopt;
        return JsonValue(std::move(items));
    }

    std::optional<JsonValue> ObjectValue(int depth) {
        ++pos_;
        JsonValue::Object members;
        if (Take('}')) return JsonValue(std::move(members));
        do {
            Blanks();
            if (pos_ >= text_.size() || text_[pos_] != '"')
                return Fail("a key is expected"), std::nullopt;
            std::optional<std::string> key = String();
            if (!key) return std::nullopt;
            if (!Take(':')) return Fail("':' expected"), std::nullopt;
            std::optional<JsonValue> value = Value(depth + 1);
            if (!value) return std::nullopt;
            members.emplace_back(std::move(*key), std::move(*value));
        } while (Take(','));
        if (!Take('}')) return Fail("',' or '}' expected"), std::nullopt;
        return JsonValue(std::move(members));
    }

    std::optional<uint32_t> Hex4() {
        if (pos_ + 4 > text_.size()) return std::nullopt;
        uint32_t code = 0;
        const auto [end, problem] =
            std::from_chars(text_.data() + pos_, text_.data() + pos_ + 4, code, 16);
        if (problem != std::errc() || end != text_.data() + pos_ + 4) return std::nullopt;
        pos_ += 4;
        return code;
    }

    std::optional<std::string> String() {
        ++pos_;
        std::string out;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            const char c = text_[pos_++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size()) break;
            const char escaped = text_[pos_++];
            switch (escaped) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                std::optional<uint32_t> code = Hex4();
                if (!code) return Fail("bad \\u escape"), std::nullopt;
                // A surrogate pair stands for one character.
                if (*code >= 0xd800 && *code < 0xdc00 && Word("\\u")) {
                    std::optional<uint32_t> low = Hex4();
                    if (!low || *low < 0xdc00 || *low >= 0xe000)
                        return Fail("bad surrogate pair"), std::nullopt;
                    *code = 0x10000 + ((*code - 0xd800) << 10) + (*low - 0xdc00);
                }
                AppendUtf8(out, *code);
                break;
            }
            default:
                out += escaped; // \" \\ \/
            }
        }
        if (pos_ >= text_.size()) return Fail("unterminated string"), std::nullopt;
        ++pos_;
        return out;
    }

    std::string_view text_;
    size_t pos_ = 0;
    std::string error_;
};

} // namespace

const JsonValue *JsonValue::member(std::string_view key) const {
    const Object *members = object();
    if (!members) return nullptr;
    for (const auto &[name, value] : *members)
        if (name == key) return &value;
    return nullptr;
}

void JsonValue::Write(std::string &out, int level, bool indent) const {
    const auto newline = [&](int depth) {
        if (!indent) return;
        out += '\n';
        out.append(size_t(depth), ' ');
    };
    if (isNull()) {
        out += "null";
    } else if (const bool *flag = boolean()) {
        out += *flag ? "true" : "false";
    } else if (const int64_t *value = number()) {
        out += std::to_string(*value);
    } else if (const std::string *text = string()) {
        WriteString(out, *text);
    } else if (const Array *items = array()) {
        out += '[';
        for (size_t i = 0; i < items->size(); ++i) {
            if (i) out += indent ? "," : ", ";
            newline(level + 1);
            (*items)[i].Write(out, level + 1, indent);
        }
        if (!items->empty()) newline(level);
        out += ']';
    } else if (const Object *members = object()) {
        out += '{';
        for (size_t i = 0; i < members->size(); ++i) {
            if (i) out += indent ? "," : ", ";
            newline(level + 1);
            WriteString(out, (*members)[i].first);
            out += ": ";
            (*members)[i].second.Write(out, level + 1, indent);
        }
        if (!members->empty()) newline(level);
        out += '}';
    }
}

std::string JsonValue::Indented() const {
    std::string out;
    Write(out, 0, true);
    out += '\n';
    return out;
}

std::string JsonValue::Compact() const {
    std::string out;
    Write(out, 0, false);
    return out;
}

std::optional<JsonValue> JsonValue::Parse(std::string_view text, std::string &error) {
    return Parser(text).Document(error);
}
