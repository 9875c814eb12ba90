#pragma once
// The JSON of scenario folders: a value tree read from text and written back, objects keeping
// their keys in the order they were given. Strings are UTF-8.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class JsonValue {
public:
    using Array = std::vector<JsonValue>;
    using Object = std::vector<std::pair<std::string, JsonValue>>;

    JsonValue() = default; // null
    JsonValue(bool flag) : value_(flag) {}
    JsonValue(int64_t number) : value_(number) {}
    JsonValue(int number) : value_(int64_t(number)) {}
    JsonValue(std::string utf8) : value_(std::move(utf8)) {}
    JsonValue(const char *utf8) : value_(std::string(utf8)) {}
    JsonValue(Array array) : value_(std::move(array)) {}
    JsonValue(Object object) : value_(std::move(object)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(value_); }
    const bool *boolean() const { return std::get_if<bool>(&value_); }
    const int64_t *number() const { return std::get_if<int64_t>(&value_); }
    const std::string *string() const { return std::get_if<std::string>(&value_); }
    const Array *array() const { return std::get_if<Array>(&value_); }
    const Object *object() const { return std::get_if<Object>(&value_); }
    // The member `key` of an object; nullptr when this is no object or has no such member.
    const JsonValue *member(std::string_view key) const;

    bool operator==(const JsonValue &other) const = default;

    // The text with one blank of indent per level and a line break at the end.
    std::string Indented() const;
    // The text on one line, as differences are reported.
    std::string Compact() const;

    // Reads a JSON text (integers only: the scenarios hold no fractions); nullopt with `error`
    // saying where it stops making sense.
    static std::optional<JsonValue> Parse(std::string_view text, std::string &error);

private:
    void Write(std::string &out, int level, bool indent) const;

    std::variant<std::monostate, bool, int64_t, std::string, Array, Object> value_;
};
