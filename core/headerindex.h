#pragma once
// Finds section header lines by ID without rescanning the text for every entry: one pass over
// the text records, for each line that starts with '[', every ID that line's header could be
// ("[A]B]" is the header of both "A" and "A]B"). Lookups then give exactly what HeaderLineOf gives
// from offset 0.

#include <string_view>
#include <unordered_map>

class HeaderIndex {
public:
    // `text` must outlive the index and stay unchanged.
    explicit HeaderIndex(std::string_view text);

    // Offset of the first line that starts with "[id]", or -1.
    int Find(std::string_view id) const;

private:
    std::unordered_map<std::string_view, int> first_;
};
