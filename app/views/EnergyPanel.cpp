#include "views/EnergyPanel.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "tracklist/ListModeNames.hpp"
#include "views/CheckboxFilterList.hpp"
#include "views/FilterLists.hpp"
#include "views/SegmentedChoice.hpp"

#include <QLabel>
#include <string>

namespace cuevox::views {

using tracklist::EnergyDirection;
using tracklist::kEnergyDirectionNames;

EnergyPanel::EnergyPanel(state::RecommendationViewModel& model,
                         i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_model(model), m_localization(localization), m_title(makeSectionTitle()),
      m_direction(new SegmentedChoice),
      m_list(filterListFor(FilterGroup::energy, model, localization)) {
    for (const auto& direction : kEnergyDirectionNames) {
        m_direction->addSegment(static_cast<int>(direction.value));
    }
    layOutModePanel(*this, m_title, m_direction, nullptr, m_list);

    state::ListModesState& modes = model.modes();
    connect(m_direction, &SegmentedChoice::picked, &modes, [&modes](int direction) {
        modes.set(&tracklist::ListModes::energyDirection, static_cast<EnergyDirection>(direction));
    });
    connect(&modes, &state::ListModesState::modesChanged, this, &EnergyPanel::showModes);
    connect(&localization, &i18n::LocalizationManager::languageChanged, this,
            &EnergyPanel::retranslate);
    retranslate();
}

void EnergyPanel::retranslate() {
    m_title->setText(m_localization.t("filter.energy_direction"));
    for (const auto& direction : kEnergyDirectionNames) {
        // The texts are named after the directions: "filter.energy_up".
        const std::string key = "filter.energy_" + std::string(direction.name);
        m_direction->setSegmentText(static_cast<int>(direction.value),
                                    m_localization.t(key.c_str()));
    }
    showModes();
}

void EnergyPanel::showModes() {
    m_direction->setChosen(static_cast<int>(m_model.modes().modes().energyDirection));
}

} // namespace cuevox::views
