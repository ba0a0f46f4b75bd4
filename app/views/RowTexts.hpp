#pragma once

#include "recommendation/KeyMove.hpp"
#include "style/StyleReason.hpp"

#include <QString>

namespace cuevox::i18n {
class LocalizationManager;
}

namespace cuevox::views {

// The words a track row shows beside its data.

// A key move as a badge shows it: signed steps where DJs count them so ("+1", "−2"), else its
// name in the interface language.
QString keyMoveText(recommendation::KeyMove move, const i18n::LocalizationManager& localization);
// The move in words, for a tooltip ("One step clockwise: a fifth up").
QString keyMoveTip(recommendation::KeyMove move, const i18n::LocalizationManager& localization);

// The reason in a few words of the interface language: "in 3 of your crates", "added the same
// week", "played after it 2×", "your usual −2 move".
QString styleReasonText(const style::StyleReason& reason,
                        const i18n::LocalizationManager& localization);

} // namespace cuevox::views
