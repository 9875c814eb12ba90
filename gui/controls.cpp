#include "gui/controls.h"

#include <algorithm>

namespace gui {

namespace {

char16_t Fold(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

} // namespace

bool SortsBefore(std::u16string_view a, std::u16string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return Fold(x) < Fold(y); });
}

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char16_t x, char16_t y) { return Fold(x) == Fold(y); }) != text.end();
}

} // namespace gui
