#include "platform/widetext.h"

#include "platform/codepage.h"

namespace platform {

QString WideText(std::string_view narrow) { return QString::fromStdU16String(AnsiToWide(narrow)); }

std::string NarrowText(const QString &wide) { return WideToAnsi(wide.toStdU16String()); }

QString WideText(std::u16string_view wide) { return QStringView(wide).toString(); }

} // namespace platform
