#include "platform/language.h"

#include "platform/textfile.h"

namespace platform {

res::Language SystemLanguage(const std::function<std::u16string(const char *name)> &environment) {
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::u16string value = environment ? environment(name) : EnvironmentValue(name);
        if (value.empty()) continue;
        return value.starts_with(u"zh") ? res::Language::Chinese : res::Language::English;
    }
    return res::Language::English;
}

} // namespace platform
