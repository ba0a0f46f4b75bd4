#include "views/ModePanel.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "tracklist/ListModeNames.hpp"
#include "views/CheckboxFilterList.hpp"
#include "views/CheckboxFilterRow.hpp"
#include "views/Divider.hpp"
#include "views/SegmentedChoice.hpp"

#include <QLabel>
#include <QVBoxLayout>
#include <string>

namespace cuevox::views {

using tracklist::EnergyDirection;
using tracklist::ListModes;

ModePanel::ModePanel(Content content, state::RecommendationViewModel& model,
                     i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_content(std::move(content)), m_model(model), m_localization(localization),
      m_title(makeSectionTitle()), m_choice(new SegmentedChoice) {
    for (const int id : m_content.segments) {
        m_choice->addSegment(id);
    }
    for (std::size_t i = 0; i < m_content.switches.size(); ++i) {
        m_switches.push_back(new CheckboxFilterRow);
    }
    m_list = filterListFor(m_content.group, model, localization);

    auto* choice = new QVBoxLayout;
    choice->setContentsMargins(14, 12, 14, m_switches.empty() ? 12 : 4);
    choice->setSpacing(6);
    choice->addWidget(m_title);
    choice->addWidget(m_choice);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(choice);
    for (CheckboxFilterRow* row : m_switches) {
        layout->addWidget(row);
    }
    layout->addWidget(makeDivider(Qt::Horizontal, this));
    layout->addWidget(m_list);

    state::ListModesState& modes = model.modes();
    connect(m_choice, &SegmentedChoice::picked, &modes,
            [&modes, pick = m_content.pick](int id) { pick(modes, id); });
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        connect(m_switches[i], &QAbstractButton::clicked, &modes,
                [&modes, field = m_content.switches[i].second] {
                    modes.set(field, !(modes.modes().*field));
                });
    }
    connect(&modes, &state::ListModesState::modesChanged, this, &ModePanel::showModes);
    connect(&localization, &i18n::LocalizationManager::languageChanged, this,
            &ModePanel::retranslate);
    retranslate();
}

void ModePanel::retranslate() {
    m_title->setText(m_localization.t(m_content.titleKey));
    for (const int id : m_content.segments) {
        m_choice->setSegmentText(id, m_content.segmentText(m_localization, id));
    }
    showModes();
}

void ModePanel::showModes() {
    const ListModes& modes = m_model.modes().modes();
    m_choice->setChosen(m_content.chosen(modes));
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        const auto& [textKey, field] = m_content.switches[i];
        m_switches[i]->setOption(m_localization.t(textKey), modes.*field);
    }
}

ModePanel::Content tempoPanelContent() {
    return {
        .group = FilterGroup::tempo,
        .titleKey = "filter.pitch_range",
        .segments = {tracklist::kPitchRangePercents.begin(), tracklist::kPitchRangePercents.end()},
        .segmentText =
            [](const i18n::LocalizationManager& localization, int percent) {
                return percent == 0 ? localization.t("filter.pitch_off")
                                    : QStringLiteral("±%1").arg(percent);
            },
        .chosen = [](const ListModes& modes) { return modes.pitchRange.percent(); },
        .pick =
            [](state::ListModesState& modes, int percent) {
                modes.set(
                    &ListModes::pitchRange,
                    tracklist::PitchRange::fromPercent(percent).value_or(tracklist::PitchRange()));
            },
        .switches = {{"filter.half_double", &ListModes::halfDouble}},
    };
}

ModePanel::Content energyPanelContent() {
    std::vector<int> directions;
    for (const auto& direction : tracklist::kEnergyDirectionNames) {
        directions.push_back(static_cast<int>(direction.value));
    }
    return {
        .group = FilterGroup::energy,
        .titleKey = "filter.energy_direction",
        .segments = std::move(directions),
        .segmentText =
            [](const i18n::LocalizationManager& localization, int direction) {
                // The texts are named after the directions: "filter.energy_up".
                const std::string key =
                    "filter.energy_" +
                    std::string(tracklist::nameOf(tracklist::kEnergyDirectionNames,
                                                  static_cast<EnergyDirection>(direction)));
                return localization.t(key.c_str());
            },
        .chosen = [](const ListModes& modes) { return static_cast<int>(modes.energyDirection); },
        .pick =
            [](state::ListModesState& modes, int direction) {
                modes.set(&ListModes::energyDirection, static_cast<EnergyDirection>(direction));
            },
        .switches = {},
    };
}

} // namespace cuevox::views
