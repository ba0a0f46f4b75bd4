#include "views/StyleReasonText.hpp"

#include "i18n/LocalizationManager.hpp"

#include <cmath>

namespace cuevox::views {
namespace {

using recommendation::KeyMove;

// Steps on the wheel read as numbers in every language; the other moves by name.
QString moveText(KeyMove move, const i18n::LocalizationManager& localization) {
    switch (move) {
    case KeyMove::plusOne: return QStringLiteral("+1");
    case KeyMove::minusOne: return QStringLiteral("\u22121");
    case KeyMove::boost: return QStringLiteral("+2");
    case KeyMove::minusTwo: return QStringLiteral("\u22122");
    case KeyMove::same: return localization.t("move.same");
    case KeyMove::relative: return localization.t("move.relative");
    case KeyMove::diagonal: return localization.t("move.diagonal");
    case KeyMove::parallel: return localization.t("move.parallel");
    case KeyMove::semitoneUp: return localization.t("move.semitone_up");
    case KeyMove::semitoneDown: return localization.t("move.semitone_down");
    case KeyMove::clash: return localization.t("move.clash");
    }
    return {};
}

} // namespace

QString styleReasonText(const style::StyleReason& reason,
                        const i18n::LocalizationManager& localization) {
    using Kind = style::StyleReason::Kind;
    switch (reason.kind) {
    case Kind::sharedCrates:
        return localization.t("style.crates", reason.count);
    case Kind::addedTogether:
        return reason.count == 0  ? localization.t("style.same_day")
               : reason.count < 7 ? localization.t("style.same_week")
                                  : localization.t("style.days_apart", reason.count);
    case Kind::playedAfter:
        return localization.t("style.played_after", reason.count);
    case Kind::playedBefore:
        return localization.t("style.played_before", reason.count);
    case Kind::keyMove:
        return reason.move ? localization.t("style.key_move")
                                 .replace(QStringLiteral("%1"), moveText(*reason.move, localization))
                           : QString();
    case Kind::tempoMove:
        return localization.t("style.tempo_step")
            .replace(QStringLiteral("%1"),
                     (reason.number >= 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) +
                         QString::number(std::lround(std::abs(reason.number))));
    case Kind::listScore:
        return localization.t("style.list_score", std::lround(reason.number));
    }
    return {};
}

} // namespace cuevox::views
