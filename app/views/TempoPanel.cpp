#include "views/TempoPanel.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "tracklist/ListModeNames.hpp"
#include "views/CheckboxFilterList.hpp"
#include "views/CheckboxFilterRow.hpp"
#include "views/FilterLists.hpp"
#include "views/SegmentedChoice.hpp"

#include <QLabel>

namespace cuevox::views {

using tracklist::ListModes;
using tracklist::PitchRange;

TempoPanel::TempoPanel(state::RecommendationViewModel& model,
                       i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_model(model), m_localization(localization), m_title(makeSectionTitle()),
      m_pitchRange(new SegmentedChoice), m_halfDouble(new CheckboxFilterRow),
      m_list(filterListFor(FilterGroup::tempo, model, localization)) {
    for (const int percent : tracklist::kPitchRangePercents) {
        m_pitchRange->addSegment(percent);
    }
    layOutModePanel(*this, m_title, m_pitchRange, m_halfDouble, m_list);

    state::ListModesState& modes = model.modes();
    connect(m_pitchRange, &SegmentedChoice::picked, &modes, [&modes](int percent) {
        modes.set(&ListModes::pitchRange, PitchRange::fromPercent(percent).value_or(PitchRange()));
    });
    connect(m_halfDouble, &QAbstractButton::clicked, &modes,
            [&modes] { modes.set(&ListModes::halfDouble, !modes.modes().halfDouble); });
    connect(&modes, &state::ListModesState::modesChanged, this, &TempoPanel::showModes);
    connect(&localization, &i18n::LocalizationManager::languageChanged, this,
            &TempoPanel::retranslate);
    retranslate();
}

void TempoPanel::retranslate() {
    m_title->setText(m_localization.t("filter.pitch_range"));
    for (const int percent : tracklist::kPitchRangePercents) {
        m_pitchRange->setSegmentText(percent, percent == 0 ? m_localization.t("filter.pitch_off")
                                                           : QStringLiteral("±%1").arg(percent));
    }
    showModes();
}

void TempoPanel::showModes() {
    const ListModes& modes = m_model.modes().modes();
    m_pitchRange->setChosen(modes.pitchRange.percent());
    m_halfDouble->setOption(m_localization.t("filter.half_double"), modes.halfDouble);
}

} // namespace cuevox::views
