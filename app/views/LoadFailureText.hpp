#pragma once

#include "state/LibrarySession.hpp"

#include <QString>

namespace cuevox::i18n {
class LocalizationManager;
}

namespace cuevox::views {

// Why a collection did not load, as one sentence in the interface language that names the
// file and, for a broken file, the place where reading stopped. The system's and the XML
// parser's own words, which are English, are quoted in it.
QString loadFailureText(const state::LoadFailure& failure,
                        const i18n::LocalizationManager& localization);

} // namespace cuevox::views
