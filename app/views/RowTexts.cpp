#include "views/RowTexts.hpp"

#include "i18n/LocalizationManager.hpp"

#include <array>
#include <cmath>

namespace cuevox::views {
namespace {

using recommendation::KeyMove;

struct MoveTexts {
    const char* steps;
    const char* name;
    const char* tip;
};

// By KeyMove.
constexpr std::array<MoveTexts, static_cast<std::size_t>(KeyMove::clash) + 1> kMoveTexts{{
    {nullptr, "move.same", "move.same_tip"},
    {nullptr, "move.relative", "move.relative_tip"},
    {"+1", nullptr, "move.plus_one_tip"},
    {"\u22121", nullptr, "move.minus_one_tip"},
    {nullptr, "move.diagonal", "move.diagonal_tip"},
    {"+2", nullptr, "move.boost_tip"},
    {"\u22122", nullptr, "move.minus_two_tip"},
    {nullptr, "move.parallel", "move.parallel_tip"},
    {nullptr, "move.semitone_up", "move.semitone_up_tip"},
    {nullptr, "move.semitone_down", "move.semitone_down_tip"},
    {nullptr, "move.clash", "move.clash_tip"},
}};

} // namespace

QString keyMoveText(KeyMove move, const i18n::LocalizationManager& localization) {
    const MoveTexts& texts = kMoveTexts[static_cast<std::size_t>(move)];
    return texts.steps ? QString::fromUtf8(texts.steps) : localization.t(texts.name);
}

QString keyMoveTip(KeyMove move, const i18n::LocalizationManager& localization) {
    return localization.t(kMoveTexts[static_cast<std::size_t>(move)].tip);
}

QString styleReasonText(const style::StyleReason& reason,
                        const i18n::LocalizationManager& localization) {
    using Kind = style::StyleReason::Kind;
    switch (reason.kind) {
    case Kind::sharedCrates: return localization.t("style.crates", reason.count);
    case Kind::addedTogether:
        return reason.count == 0  ? localization.t("style.same_day")
               : reason.count < 7 ? localization.t("style.same_week")
                                  : localization.t("style.days_apart", reason.count);
    case Kind::playedAfter: return localization.t("style.played_after", reason.count);
    case Kind::playedBefore: return localization.t("style.played_before", reason.count);
    case Kind::keyMove:
        return reason.move
                   ? localization.t("style.key_move")
                         .replace(QStringLiteral("%1"), keyMoveText(*reason.move, localization))
                   : QString();
    case Kind::tempoMove:
        return localization.t("style.tempo_step")
            .replace(QStringLiteral("%1"),
                     (reason.number >= 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) +
                         QString::number(std::lround(std::abs(reason.number))));
    case Kind::listScore: return localization.t("style.list_score", std::lround(reason.number));
    }
    return {};
}

} // namespace cuevox::views
