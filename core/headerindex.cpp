#include "core/headerindex.h"

#include "core/initext.h"

HeaderIndex::HeaderIndex(std::string_view text) {
    for (int line = NextHeaderLine(text, 0); line < int(text.size());
         line = NextHeaderLine(text, line + 1)) {
        // A NUL never matches, so no ID reaches across one.
        for (size_t pos = size_t(line) + 1;
             pos < text.size() && text[pos] != '\n' && text[pos] != '\0'; ++pos) {
            if (text[pos] == ']')
                first_.emplace(text.substr(size_t(line) + 1, pos - size_t(line) - 1), line);
        }
    }
}

int HeaderIndex::Find(std::string_view id) const {
    auto it = first_.find(id);
    return it == first_.end() ? -1 : it->second;
}
