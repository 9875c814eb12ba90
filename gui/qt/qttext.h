#pragma once
// Wide text to and from Qt's strings, at the backend's edge.

#include <QString>
#include <string>
#include <string_view>

namespace gui::qt {

inline QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}
inline std::u16string U(const QString &text) { return text.toStdU16String(); }

} // namespace gui::qt
