#pragma once
// The ANSI code page: the narrow text of the AI files and the wide text of the program.
// On Windows this is the system code page; elsewhere code page 936 (GBK), the code page of the
// Chinese systems the editor is made for. Also UTF-8, the encoding of file names on POSIX
// systems and of everything the companion command prints.

#include <string>
#include <string_view>

namespace platform {

// Narrow to wide. A byte sequence that is not valid in the code page becomes '?'.
std::u16string AnsiToWide(std::string_view narrow);

// Wide to narrow. A character without a mapping becomes the code page's default character '?'.
std::string WideToAnsi(std::u16string_view wide);

// UTF-8 to wide. Each byte sequence that is not valid UTF-8 becomes U+FFFD.
std::u16string Utf8ToWide(std::string_view utf8);

// Wide to UTF-8. A surrogate without its partner becomes U+FFFD.
std::string WideToUtf8(std::u16string_view wide);

// Has a console window show the UTF-8 the program prints as UTF-8, whatever code page the
// console uses (a Chinese Windows console's is 936). Output to a file or pipe is unaffected;
// nothing to do where terminals take UTF-8 already.
void PrintUtf8ToConsole();

} // namespace platform
