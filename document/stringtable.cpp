#include "document/stringtable.h"

#include "platform/textfile.h"
#include "res/text.h"

#include <cstdint>

namespace {

constexpr std::string_view kFileTag = " FSC";
constexpr std::string_view kLabelTag = " LBL";
constexpr std::string_view kStringTag = " RTS";
constexpr std::string_view kStringWithExtraTag = "WRTS";

std::u16string Decimal(uint64_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

// Reads the file front to back; every read says whether the bytes were there.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool Tag(std::string_view tag) {
        if (bytes_.substr(at_, tag.size()) != tag) return false;
        at_ += tag.size();
        return true;
    }
    bool Number(uint32_t &value) {
        if (bytes_.size() - at_ < 4) return false;
        value = 0;
        for (size_t i = 4; i-- > 0;)
            value = value << 8 | uint32_t(static_cast<unsigned char>(bytes_[at_ + i]));
        at_ += 4;
        return true;
    }
    bool Bytes(uint64_t count, std::string_view &out) {
        if (bytes_.size() - at_ < count) return false;
        out = bytes_.substr(at_, size_t(count));
        at_ += size_t(count);
        return true;
    }
    size_t offset() const { return at_; }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

} // namespace

StringTableRead ParseStringTable(std::string_view bytes, const std::u16string &path) {
    StringTableRead result;
    Reader reader(bytes);
    uint32_t version = 0, labels = 0, strings = 0, reserved = 0, language = 0;
    if (!reader.Tag(kFileTag) || !reader.Number(version) || !reader.Number(labels) ||
        !reader.Number(strings) || !reader.Number(reserved) || !reader.Number(language)) {
        result.error = res::Format("stringTable.notTable", {path});
        return result;
    }
    const auto broken = [&](uint32_t label, std::string_view what) {
        result.error =
            res::Format("stringTable.broken", {path, Decimal(uint64_t(label) + 1),
                                               Decimal(reader.offset()), res::Str(what)});
        return result;
    };
    StringTable table;
    table.path = path;
    for (uint32_t label = 0; label < labels; ++label) {
        uint32_t count = 0, length = 0;
        std::string_view name;
        if (!reader.Tag(kLabelTag)) return broken(label, "stringTable.noLabel");
        if (!reader.Number(count) || !reader.Number(length) || !reader.Bytes(length, name))
            return broken(label, "stringTable.ended");
        for (uint32_t i = 0; i < count; ++i) {
            const bool extra = reader.Tag(kStringWithExtraTag);
            if (!extra && !reader.Tag(kStringTag)) return broken(label, "stringTable.noString");
            uint32_t units = 0;
            std::string_view text, value;
            if (!reader.Number(units) || !reader.Bytes(uint64_t(units) * 2, text))
                return broken(label, "stringTable.ended");
            uint32_t valueLength = 0;
            if (extra && (!reader.Number(valueLength) || !reader.Bytes(valueLength, value)))
                return broken(label, "stringTable.ended");
            if (i > 0) continue;
            std::u16string wide(units, u'\0');
            for (size_t k = 0; k < units; ++k)
                wide[k] = char16_t(~(static_cast<unsigned char>(text[2 * k]) |
                                     static_cast<unsigned char>(text[2 * k + 1]) << 8) &
                                   0xFFFF);
            table.Add(name, std::move(wide));
        }
    }
    result.table = std::move(table);
    return result;
}

StringTableRead ReadStringTable(const std::u16string &path) {
    const platform::ReadResult read = platform::ReadFileBytes(path);
    if (read.status != platform::ReadResult::Status::Ok) {
        StringTableRead result;
        result.error = res::Format("stringTable.unreadable", {path, read.reason});
        return result;
    }
    return ParseStringTable(read.text, path);
}
