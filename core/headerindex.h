#pragma once
// Finds section header lines by ID without rescanning the text for every entry. One pass over the
// text files every line that starts with '[' under the text up to its first ']'. An ID without
// ']' is then one lookup; an ID that holds ']' ("[A]B]" is the header of both "A" and "A]B") is
// checked against the lines filed under its own text up to its first ']'. Lookups give exactly
// what HeaderLineOf gives from offset 0, for IDs without a line break.

#include <string_view>
#include <unordered_map>
#include <vector>

class HeaderIndex {
public:
    // `text` must outlive the index and stay unchanged.
    explicit HeaderIndex(std::string_view text);

    // Offset of the first line that starts with "[id]", or -1.
    int Find(std::string_view id) const;

private:
    std::string_view text_;
    // Line offsets in text order, by the text between the line's '[' and its first ']'.
    std::unordered_map<std::string_view, std::vector<int>> lines_;
};
