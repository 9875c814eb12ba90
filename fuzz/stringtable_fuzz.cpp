// Arbitrary bytes as a string table file. Besides crashes and sanitizer reports it aborts when an
// accepted table reads differently with bytes after its end, which the reader is to ignore, or
// holds more texts than the header counts labels.

#include "document/stringtable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const StringTableRead read = ParseStringTable(bytes, u"fuzz.csf");
    if (!read.table) {
        if (read.error.find(u"fuzz.csf") == std::u16string::npos) std::abort();
        return 0;
    }
    const uint32_t labels = size >= 12 ? uint32_t(data[8]) | uint32_t(data[9]) << 8 |
                                             uint32_t(data[10]) << 16 | uint32_t(data[11]) << 24
                                       : 0;
    if (read.table->size() > labels) std::abort();
    const StringTableRead longer = ParseStringTable(std::string(bytes) + " LBL", u"fuzz.csf");
    if (!longer.table || longer.table->size() != read.table->size()) std::abort();
    return 0;
}
