#include "views/FilterBarView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/CheckboxFilterList.hpp"
#include "views/FilterLists.hpp"
#include "views/FilterPillButton.hpp"
#include "views/Icons.hpp"
#include "views/KeyPickerView.hpp"
#include "views/LiveSetControls.hpp"
#include "views/ModePanel.hpp"
#include "views/SearchField.hpp"
#include "views/Theme.hpp"
#include "views/UnderlinedButton.hpp"

#include <QHBoxLayout>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace cuevox::views {

using state::FilterState;
using state::RecommendationViewModel;

namespace {

constexpr int kGap = 8;

} // namespace

FilterBarView::FilterBarView(RecommendationViewModel& model,
                             i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_model(model), m_localization(localization),
      m_liveSet(new LiveSetControls(model, localization, this)),
      m_search(new SearchField(model, localization, this)),
      m_keyPill(new FilterPillButton(Icon::key, this)),
      m_tempoPill(new FilterPillButton(Icon::tempo, this)),
      m_energyPill(new FilterPillButton(Icon::energy, this)),
      m_genrePill(new FilterPillButton(Icon::genre, this)),
      m_keyPicker(new KeyPickerView(model, localization)),
      m_tempoPanel(new ModePanel(tempoPanelContent(), model, localization)),
      m_energyPanel(new ModePanel(energyPanelContent(), model, localization)),
      m_genreList(filterListFor(FilterGroup::genre, model, localization)),
      m_reset(new UnderlinedButton(this)) {
    m_keyPill->setPanelContent(m_keyPicker);
    m_tempoPill->setPanelContent(m_tempoPanel);
    m_energyPill->setPanelContent(m_energyPanel);
    m_genrePill->setPanelContent(m_genreList);

    m_firstRow = new QHBoxLayout;
    m_firstRow->setSpacing(kGap);
    m_liveSet->addTo(*m_firstRow);
    m_firstRow->addStretch(1);
    m_firstRow->addWidget(m_search);
    for (FilterPillButton* pill : pills()) {
        m_firstRow->addWidget(pill);
    }
    m_firstRow->addWidget(m_reset);
    m_secondRow = new QHBoxLayout;
    m_secondRow->setSpacing(kGap);
    m_secondRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(kGap);
    layout->addLayout(m_firstRow);
    layout->addLayout(m_secondRow);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    FilterState& filters = m_model.filters();
    connect(m_reset, &QAbstractButton::clicked, &filters, &FilterState::reset);
    for (auto signal :
         {&FilterState::keysChanged, &FilterState::bpmRangesChanged, &FilterState::energiesChanged,
          &FilterState::genresChanged, &FilterState::searchTextChanged}) {
        connect(&filters, signal, this, &FilterBarView::showActivity);
    }
    connect(&m_model.modes(), &state::ListModesState::modesChanged, this,
            &FilterBarView::showActivity);
    // A longer count can leave too little room for one row.
    connect(m_liveSet, &LiveSetControls::contentChanged, this, [this] { arrange(width()); });
    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &FilterBarView::retranslate);
    retranslate();
}

bool FilterBarView::anyFilterActive(const RecommendationViewModel& model) {
    return !model.filters().selections().isEmpty() || !model.filters().searchText().isEmpty();
}

QLabel& FilterBarView::countLabel() const {
    return m_liveSet->countLabel();
}
CrateButton& FilterBarView::crateButton() const {
    return m_liveSet->crateButton();
}
CratePicker& FilterBarView::cratePicker() const {
    return m_liveSet->cratePicker();
}

void FilterBarView::retranslate() {
    m_keyPill->setText(m_localization.t("filter.key"));
    m_tempoPill->setText(m_localization.t("filter.tempo"));
    m_energyPill->setText(m_localization.t("filter.energy"));
    m_genrePill->setText(m_localization.t("filter.genres"));
    m_reset->setText(m_localization.t("filter.reset"));
    showActivity();
    arrange(width());
}

int FilterBarView::firstRowWidth(bool compactChips) const {
    const QMargins margins = layout()->contentsMargins();
    // The live-set controls, search and reset at their least, and the three gaps between them
    // and around the flexible space.
    return margins.left() + m_liveSet->preferredWidth(compactChips, kGap) +
           m_search->minimumWidth() + m_reset->sizeHint().width() + 3 * kGap + margins.right();
}

int FilterBarView::oneRowWidth(bool compactChips) const {
    int width = firstRowWidth(compactChips);
    for (const FilterPillButton* pill : pills()) {
        width += kGap + pill->sizeHint().width();
    }
    return width;
}

void FilterBarView::arrange(int width) {
    // The pills keep to one row as long as they can, the switches giving up their titles first;
    // too narrow for that, the pills move to a row of their own rather than overlap, and the
    // switches show their titles again if the first row has room for them.
    const bool twoRows = width < oneRowWidth(true);
    m_liveSet->setCompact(twoRows ? width < firstRowWidth(false) : width < oneRowWidth(false));
    if (twoRows == wrapsPills()) {
        return;
    }
    for (FilterPillButton* pill : pills()) {
        (twoRows ? m_firstRow : m_secondRow)->removeWidget(pill);
    }
    int at = twoRows ? 0 : m_firstRow->indexOf(m_reset);
    for (FilterPillButton* pill : pills()) {
        (twoRows ? m_secondRow : m_firstRow)->insertWidget(at++, pill);
    }
    updateGeometry();
}

bool FilterBarView::wrapsPills() const {
    return m_secondRow->indexOf(m_keyPill) >= 0;
}

std::array<FilterPillButton*, 4> FilterBarView::pills() const {
    return {m_keyPill, m_tempoPill, m_energyPill, m_genrePill};
}

void FilterBarView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange(event->size().width());
}

void FilterBarView::showActivity() {
    const tracklist::ListModes& modes = m_model.modes().modes();
    const tracklist::FilterSelections& selections = m_model.filters().selections();
    // The rows' key moves only show more; the other key rules change which tracks are listed.
    m_keyPill->setActive(!selections.keys.empty() ||
                         modes.harmonicStrictness != tracklist::HarmonicStrictness::strict ||
                         !modes.keyLock);
    m_tempoPill->setActive(!selections.bpmRanges.empty() || modes.tempoMode());
    m_energyPill->setActive(!selections.energies.empty() ||
                            modes.energyDirection != tracklist::EnergyDirection::hold);
    m_genrePill->setActive(!selections.genres.empty());
    m_reset->setEnabled(anyFilterActive(m_model));
}

void FilterBarView::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), theme::kBarBackground);
}

} // namespace cuevox::views
