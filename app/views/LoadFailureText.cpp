#include "views/LoadFailureText.hpp"

#include "i18n/LocalizationManager.hpp"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace cuevox::views {

QString loadFailureText(const state::LoadFailure& failure,
                        const i18n::LocalizationManager& localization) {
    const QFileInfo file(QString::fromStdString(failure.file.string()));
    const QString name = file.fileName();
    if (const auto* xml = std::get_if<importing::RekordboxXMLError>(&failure.error.error)) {
        const QString detail = QString::fromStdString(xml->payload);
        if (xml->kind == importing::RekordboxXMLError::Kind::fileNotFound) {
            return localization.t("library.error_not_found")
                .arg(name, QDir::toNativeSeparators(file.absolutePath()));
        }
        if (!xml->place) {
            return localization.t("library.error_malformed_unplaced").arg(name, detail);
        }
        return localization.t("library.error_malformed")
            .arg(name, QString::number(xml->place->line), QString::number(xml->place->column),
                 detail);
    }
    const std::error_code& code = std::get<importing::FileReadError>(failure.error.error).code;
    if (code == importing::FileReadErrc::notARegularFile) {
        return localization.t("library.error_not_a_file").arg(name);
    }
    if (code == std::errc::permission_denied || code == std::errc::operation_not_permitted) {
        return localization.t("library.error_no_access").arg(name);
    }
    if (code == std::errc::not_enough_memory) {
        return localization.t("library.error_no_memory").arg(name);
    }
    return localization.t("library.error_unreadable")
        .arg(name, QString::fromStdString(code.message()));
}

} // namespace cuevox::views
