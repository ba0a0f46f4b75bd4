#pragma once

#include "i18n/AppLanguage.hpp"

#include <QObject>
#include <QString>
#include <optional>

class QSettings;

namespace cuevox::i18n {

// The one owner of the interface language: every view looks its texts up here each time it
// draws, and redraws when `languageChanged` says so.
class LocalizationManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(
        cuevox::i18n::AppLanguage language READ language WRITE setLanguage NOTIFY languageChanged)

public:
    // The settings key under which the user's choice is remembered.
    static constexpr const char* kSettingsKey = "appLanguage";

    // Starts in the remembered language, else the system's when it is one of the ten, else
    // English; stores nothing. `settings` must outlive the manager.
    explicit LocalizationManager(
        QSettings& settings,
        std::optional<QString> systemLanguageCode = currentSystemLanguageCode(),
        QObject* parent = nullptr);

    // The language code of the system locale ("de"), absent when the locale names none.
    static std::optional<QString> currentSystemLanguageCode();

    AppLanguage language() const { return m_language; }
    // Remembers a new choice; choosing the current language again writes and announces nothing.
    void setLanguage(AppLanguage language);

    // The text for a dotted key in the current language, else in English, else the key itself.
    QString t(const char* key) const;
    // The same, with its "%d" replaced by plain decimal digits whatever the locale.
    QString t(const char* key, long long number) const;

    // The lookup for any language, for tests and for texts that must not follow the switch.
    static QString text(AppLanguage language, const char* key);

signals:
    void languageChanged(cuevox::i18n::AppLanguage language);

private:
    QSettings& m_settings;
    AppLanguage m_language;
};

} // namespace cuevox::i18n
