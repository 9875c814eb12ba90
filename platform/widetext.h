#pragma once
// The text of window controls: Qt's wide strings to and from the code page's narrow text. Below
// the widgets layer wide text is std::u16string.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString WideText(std::string_view narrow);
std::string NarrowText(const QString &wide);
// Wide text that is wide already, as a control's text.
QString WideText(std::u16string_view wide);

} // namespace platform
