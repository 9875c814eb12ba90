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
    auto src = reinterpret_cast<const wchar_t *>(wide.data());
    int n = WideCharToMultiByte(CP_ACP, 0, src, int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, src, int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

} // namespace platform
