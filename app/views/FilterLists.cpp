#include "views/FilterLists.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/CheckboxFilterList.hpp"
#include "views/CheckboxFilterSource.hpp"
#include "views/Theme.hpp"

#include <QLabel>

namespace cuevox::views {
namespace {

using tracklist::BPMRange;
using tracklist::BPMRangeOption;
using tracklist::EnergyOption;
using tracklist::GenreOption;

template <class Option, class Selection>
CheckboxFilterList::Source
sourceOf(state::RecommendationViewModel& model, std::vector<Option> state::ShownList::*options,
         std::function<QString(const Option&)> label,
         std::function<typename Selection::value_type(const Option&)> identity,
         Selection tracklist::FilterSelections::*selection,
         void (state::FilterState::*setSelection)(Selection)) {
    return checkboxFilterSource<Option, Selection>(
        [&model, options ]() -> const auto& { return model.list().*options; }, std::move(label),
        [](const Option& option) { return option.count; }, std::move(identity),
        [&model, selection ]() -> const auto& { return model.filters().selections().*selection; },
        [&model, setSelection](Selection chosen) {
            (model.filters().*setSelection)(std::move(chosen));
        });
}

CheckboxFilterList::Source sourceFor(FilterGroup group, state::RecommendationViewModel& model,
                                     i18n::LocalizationManager& localization) {
    using Selections = tracklist::FilterSelections;
    switch (group) {
    case FilterGroup::tempo:
        return sourceOf<BPMRangeOption, std::set<BPMRange>>(
            model, &state::ShownList::bpmRangeOptions,
            [](const BPMRangeOption& option) {
                return QStringLiteral("%1 - %2")
                    .arg(option.range.lowerBound)
                    .arg(option.range.lowerBound + 10);
            },
            [](const BPMRangeOption& option) { return option.range; }, &Selections::bpmRanges,
            &state::FilterState::setBPMRanges);
    case FilterGroup::energy:
        return sourceOf<EnergyOption, std::set<int>>(
            model, &state::ShownList::energyOptions,
            [&localization](const EnergyOption& option) {
                return localization.t("filter.energy_option", option.energy);
            },
            [](const EnergyOption& option) { return option.energy; }, &Selections::energies,
            &state::FilterState::setEnergies);
    case FilterGroup::genre: break;
    }
    return sourceOf<GenreOption, std::set<std::string>>(
        model, &state::ShownList::genreOptions,
        [](const GenreOption& option) { return QString::fromStdString(option.name); },
        [](const GenreOption& option) { return option.name; }, &Selections::genres,
        &state::FilterState::setGenres);
}

} // namespace

CheckboxFilterList* filterListFor(FilterGroup group, state::RecommendationViewModel& model,
                                  i18n::LocalizationManager& localization) {
    auto* list = new CheckboxFilterList(sourceFor(group, model, localization), localization);
    constexpr void (state::FilterState::*kSelectionChanged[])() = {
        &state::FilterState::bpmRangesChanged, &state::FilterState::energiesChanged,
        &state::FilterState::genresChanged};
    QObject::connect(&model.filters(), kSelectionChanged[static_cast<int>(group)], list,
                     &CheckboxFilterList::refresh);
    QObject::connect(&model, &state::RecommendationViewModel::listChanged, list,
                     &CheckboxFilterList::refresh);
    return list;
}

QLabel* makeSectionTitle() {
    auto* title = new QLabel;
    title->setFont(theme::font(theme::TextStyle::caption, QFont::DemiBold));
    QPalette grey = title->palette();
    grey.setColor(QPalette::WindowText, theme::kSecondaryText);
    title->setPalette(grey);
    return title;
}

} // namespace cuevox::views
