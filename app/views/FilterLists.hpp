#pragma once

class QLabel;

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

class CheckboxFilterList;

// The filter groups that a checkbox list chooses from.
enum class FilterGroup { tempo, energy, genre };

// The checkbox list of one group over `model`'s options and selection, which it follows while
// open. `model` and `localization` must outlive the list.
CheckboxFilterList* filterListFor(FilterGroup group, state::RecommendationViewModel& model,
                                  i18n::LocalizationManager& localization);

// A grey caption above a list mode.
QLabel* makeSectionTitle();

} // namespace cuevox::views
