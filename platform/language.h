#pragma once
// The user's language as the system gives it: Chinese when the user interface is Chinese, English
// otherwise.

#include "res/text.h"

#include <functional>
#include <string>

namespace platform {

// On Windows the user's UI language; elsewhere the locale's messages category, from the
// environment as `environment` reads it: LC_ALL, else LC_MESSAGES, else LANG, the first one set
// deciding ("zh_CN.UTF-8", "zh_TW" and "zh" are Chinese; "C", "en_US" or nothing are English).
res::Language
SystemLanguage(const std::function<std::u16string(const char *name)> &environment = nullptr);

} // namespace platform
