#include "core/headerindex.h"

#include "core/initext.h"

HeaderIndex::HeaderIndex(std::string_view text) : text_(text) {
    for (int line = NextHeaderLine(text, 0); line < int(text.size());
         line = NextHeaderLine(text, line + 1)) {
        // A NUL never matches, so a line whose first ']' lies past a NUL heads no section.
        size_t close = text.find_first_of(std::string_view("]\n\0", 3), size_t(line) + 1);
        if (close == std::string_view::npos || text[close] != ']') continue;
        lines_[text.substr(size_t(line) + 1, close - size_t(line) - 1)].push_back(line);
    }
}

int HeaderIndex::Find(std::string_view id) const {
    if (id.find('\0') != std::string_view::npos) return -1;
    auto it = lines_.find(id.substr(0, id.find(']')));
    if (it == lines_.end()) return -1;
    for (int line : it->second) {
        // The text up to the first ']' matched; the rest of the ID and its ']' must follow.
        std::string_view rest = text_.substr(size_t(line) + 1);
        if (rest.size() > id.size() && rest.substr(0, id.size()) == id && rest[id.size()] == ']')
            return line;
    }
    return -1;
}
