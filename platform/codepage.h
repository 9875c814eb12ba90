#pragma once
// The ANSI code page: the narrow text of the AI files and the wide text of the windows.
// On Windows this is the system code page; elsewhere code page 936 (GBK), the code page of the
// Chinese systems the editor is made for.

#include <QString>
#include <string>
#include <string_view>

namespace platform {

// Narrow to wide. A byte sequence that is not valid in the code page becomes '?'.
std::u16string AnsiToWide(std::string_view narrow);

// Wide to narrow. A character without a mapping becomes the code page's default character '?'.
std::string WideToAnsi(std::u16string_view wide);

// The same for the text of window controls.
QString WideText(std::string_view narrow);
std::string NarrowText(const QString &wide);
// Wide text that is wide already, as a control's text.
QString WideText(std::u16string_view wide);

} // namespace platform
