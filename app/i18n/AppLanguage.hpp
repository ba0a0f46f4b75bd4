#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace cuevox::i18n {

// The interface languages, in the order the settings pane lists them.
enum class AppLanguage { en, tr, de, es, fr, it, pt, ru, ja, zh };

inline constexpr std::array<AppLanguage, 10> kAllLanguages{
    AppLanguage::en, AppLanguage::tr, AppLanguage::de, AppLanguage::es, AppLanguage::fr,
    AppLanguage::it, AppLanguage::pt, AppLanguage::ru, AppLanguage::ja, AppLanguage::zh};

// The two-letter code, which is also the language's identity and what the settings store.
std::string_view id(AppLanguage language);

// The language's name in that language, whatever the interface language is.
std::string_view nativeName(AppLanguage language);

// Only an exact, case-sensitive code names a language: "DE", "de-AT" and "" name none.
std::optional<AppLanguage> languageFromCode(std::string_view code);

} // namespace cuevox::i18n
