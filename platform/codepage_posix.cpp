// The ANSI code page elsewhere: code page 936 through iconv.

#include "platform/codepage.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace platform {

namespace {

// One converter per direction for the whole run: opening one costs far more than a short text.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts `in`; at a sequence the target cannot take (or the source does not allow),
    // emits `replacement` and skips `skip(in, pos)` input bytes.
    template <typename Skip>
    std::string Run(std::string_view in, std::string_view replacement, Skip skip) {
        std::string out;
        out.reserve(in.size() * 2 + 8);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buf[4096];
        size_t pos = 0;
        while (pos < in.size()) {
            char *src = const_cast<char *>(in.data() + pos);
            size_t srcLeft = in.size() - pos;
            char *dst = buf;
            size_t dstLeft = sizeof buf;
            size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            int err = errno;
            out.append(buf, size_t(dst - buf));
            pos = in.size() - srcLeft;
            if (r != size_t(-1) || err == E2BIG) continue;
            // EILSEQ or EINVAL: an unmappable or truncated sequence.
            out.append(replacement);
            pos += skip(in, pos);
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

constexpr const char *kCodePage = "CP936";

} // namespace

std::u16string AnsiToWide(std::string_view narrow) {
    static Converter conv("UTF-16LE", kCodePage);
    // An invalid lead byte with a valid trail byte: skip only the lead byte, so the next
    // character is not swallowed.
    std::string bytes = conv.Run(narrow, std::string_view("?\0", 2),
                                 [](std::string_view, size_t) { return size_t(1); });
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = char16_t(uint8_t(bytes[2 * i]) | (uint8_t(bytes[2 * i + 1]) << 8));
    return out;
}

std::string WideToAnsi(std::u16string_view wide) {
    static Converter conv(kCodePage, "UTF-16LE");
    std::string bytes(wide.size() * 2, '\0');
    for (size_t i = 0; i < wide.size(); ++i) {
        bytes[2 * i] = char(wide[i] & 0xFF);
        bytes[2 * i + 1] = char(wide[i] >> 8);
    }
    // Skip a whole surrogate pair at once, so one unmappable character gives one '?'.
    return conv.Run(bytes, "?", [](std::string_view in, size_t pos) {
        auto unit = [&](size_t p) { return uint8_t(in[p]) | (uint8_t(in[p + 1]) << 8); };
        if (pos + 4 <= in.size() && (unit(pos) & 0xFC00) == 0xD800 &&
            (unit(pos + 2) & 0xFC00) == 0xDC00)
            return size_t(4);
        return std::min<size_t>(2, in.size() - pos);
    });
}

void PrintUtf8ToConsole() {}

} // namespace platform
