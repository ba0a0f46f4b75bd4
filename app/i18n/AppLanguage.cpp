#include "i18n/AppLanguage.hpp"

#include <cstddef>

namespace cuevox::i18n {
namespace {

struct LanguageNames {
    std::string_view code;
    std::string_view nativeName;
};

constexpr std::array<LanguageNames, kAllLanguages.size()> kNames{{
    {"en", "English"},
    {"tr", "Türkçe"},
    {"de", "Deutsch"},
    {"es", "Español"},
    {"fr", "Français"},
    {"it", "Italiano"},
    {"pt", "Português"},
    {"ru", "Русский"},
    {"ja", "日本語"},
    {"zh", "中文"},
}};

const LanguageNames& names(AppLanguage language) {
    return kNames[static_cast<std::size_t>(language)];
}

} // namespace

std::string_view id(AppLanguage language) {
    return names(language).code;
}

std::string_view nativeName(AppLanguage language) {
    return names(language).nativeName;
}

std::optional<AppLanguage> languageFromCode(std::string_view code) {
    for (const AppLanguage language : kAllLanguages) {
        if (id(language) == code) {
            return language;
        }
    }
    return std::nullopt;
}

} // namespace cuevox::i18n
