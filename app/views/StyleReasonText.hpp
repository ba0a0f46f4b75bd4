#pragma once

#include "style/StyleReason.hpp"

#include <QString>

namespace cuevox::i18n {
class LocalizationManager;
}

namespace cuevox::views {

// The reason in a few words of the interface language: "in 3 of your crates", "added the same
// week", "played after it 2×", "your usual −2 move".
QString styleReasonText(const style::StyleReason& reason,
                        const i18n::LocalizationManager& localization);

} // namespace cuevox::views
