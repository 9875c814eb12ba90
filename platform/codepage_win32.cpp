// The ANSI code page on Windows: the system's own, CP_ACP.

#include "platform/codepage.h"

#include <windows.h>

namespace platform {

std::u16string AnsiToWide(std::string_view narrow) {
    if (narrow.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, narrow.data(), int(narrow.size()), nullptr, 0);
    std::u16string out(size_t(n), u'\0');
    MultiByteToWideChar(CP_ACP, 0, narrow.data(), int(narrow.size()),
                        reinterpret_cast<wchar_t *>(out.data()), n);
    return out;
}

std::string WideToAnsi(std::u16string_view wide) {
    if (wide.empty()) return {};
    // The system gives each half of a surrogate pair its own '?'; one character is one '?'.
    auto pairAt = [&wide](size_t i) {
        return i + 1 < wide.size() && (wide[i] & 0xFC00) == 0xD800 &&
               (wide[i + 1] & 0xFC00) == 0xDC00;
    };
    std::u16string single;
    for (size_t i = 0; i < wide.size(); ++i) {
        if (!pairAt(i)) continue;
        single.assign(wide.substr(0, i));
        for (; i < wide.size(); ++i) {
            const bool pair = pairAt(i);
            single += pair ? u'?' : wide[i];
            if (pair) ++i;
        }
        wide = single;
        break;
    }
    auto src = reinterpret_cast<const wchar_t *>(wide.data());
    int n = WideCharToMultiByte(CP_ACP, 0, src, int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, src, int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void PrintUtf8ToConsole() { SetConsoleOutputCP(CP_UTF8); }

} // namespace platform
