#pragma once
// The JSON the companion command prints: a value tree and its indented text. Objects list their
// keys in sorted order and four blanks indent each level, so the output is the same on every
// system and from run to run.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class Json {
public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>; // written sorted by key

    Json() = default; // null
    Json(int64_t number) : value_(number) {}
    Json(int number) : value_(int64_t(number)) {}
    Json(std::string utf8) : value_(std::move(utf8)) {}
    Json(const char *utf8) : value_(std::string(utf8)) {}
    Json(Array array) : value_(std::move(array)) {}
    Json(Object object) : value_(std::move(object)) {}

    // The indented text, with a line break at the end.
    std::string Indented() const;

private:
    void Write(std::string &out, int level) const;

    std::variant<std::monostate, int64_t, std::string, Array, Object> value_;
};
