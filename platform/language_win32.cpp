#include "platform/language.h"

#include <windows.h>

namespace platform {

// The environment is no part of a Windows user's language: only the UI language counts.
res::Language SystemLanguage(const std::function<std::u16string(const char *name)> &) {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE ? res::Language::Chinese
                                                                     : res::Language::English;
}

} // namespace platform
