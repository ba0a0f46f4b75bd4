#include "i18n/LocalizationManager.hpp"

#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <array>
#include <memory>

namespace cuevox::i18n {
namespace {

// The string tables are the compiled Linguist files, one translator per language, loaded on
// the first lookup. Never freed: views may look texts up until the very end of the program.
class StringTables {
public:
    static const StringTables& shared() {
        static const StringTables* tables = new StringTables();
        return *tables;
    }

    QString find(AppLanguage language, const char* key) const {
        // Messages are stored by id, which is how qtTrId asks for them: no context.
        return m_translators[static_cast<std::size_t>(language)]->translate(nullptr, key);
    }

private:
    StringTables() {
        for (const AppLanguage language : kAllLanguages) {
            auto translator = std::make_unique<QTranslator>();
            const QString file =
                QStringLiteral(":/i18n/cuevox_%1.qm").arg(QString::fromUtf8(id(language).data()));
            if (!translator->load(file)) {
                qWarning("The interface texts %s are missing from the program.", qPrintable(file));
            }
            m_translators[static_cast<std::size_t>(language)] = std::move(translator);
        }
    }

    std::array<std::unique_ptr<QTranslator>, kAllLanguages.size()> m_translators;
};

std::optional<AppLanguage> languageFromQtCode(const QString& code) {
    const QByteArray utf8 = code.toUtf8();
    return languageFromCode(std::string_view(utf8.constData(), utf8.size()));
}

} // namespace

LocalizationManager::LocalizationManager(QSettings& settings,
                                         std::optional<QString> systemLanguageCode, QObject* parent)
    : QObject(parent), m_settings(settings), m_language(AppLanguage::en) {
    const QVariant stored = m_settings.value(kSettingsKey);
    if (const auto remembered = stored.typeId() == QMetaType::QString
                                    ? languageFromQtCode(stored.toString())
                                    : std::nullopt) {
        m_language = *remembered;
    } else if (const auto system =
                   systemLanguageCode ? languageFromQtCode(*systemLanguageCode) : std::nullopt) {
        m_language = *system;
    }
}

std::optional<QString> LocalizationManager::currentSystemLanguageCode() {
    const QLocale::Language language = QLocale::system().language();
    if (language == QLocale::AnyLanguage || language == QLocale::C) {
        return std::nullopt;
    }
    return QLocale::languageToCode(language);
}

void LocalizationManager::setLanguage(AppLanguage language) {
    if (language == m_language) {
        return;
    }
    m_language = language;
    m_settings.setValue(kSettingsKey, QString::fromUtf8(id(language).data()));
    emit languageChanged(language);
}

QString LocalizationManager::t(const char* key) const {
    return text(m_language, key);
}

QString LocalizationManager::t(const char* key, long long number) const {
    // QString::number never groups digits and ignores the locale.
    return t(key).replace(QStringLiteral("%d"), QString::number(number));
}

QString LocalizationManager::text(AppLanguage language, const char* key) {
    const StringTables& tables = StringTables::shared();
    if (QString found = tables.find(language, key); !found.isEmpty()) {
        return found;
    }
    if (QString english = tables.find(AppLanguage::en, key); !english.isEmpty()) {
        return english;
    }
    return QString::fromUtf8(key);
}

} // namespace cuevox::i18n
