#include "views/FilterBarView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/CheckboxFilterList.hpp"
#include "views/CheckboxFilterRow.hpp"
#include "views/CheckboxFilterSource.hpp"
#include "views/CrateButton.hpp"
#include "views/CratePicker.hpp"
#include "views/Divider.hpp"
#include "views/DropDownPanel.hpp"
#include "views/FilterPillButton.hpp"
#include "views/Icons.hpp"
#include "views/KeyPickerView.hpp"
#include "views/ModeChip.hpp"
#include "views/SearchField.hpp"
#include "views/SegmentedChoice.hpp"
#include "views/Theme.hpp"
#include "views/UnderlinedButton.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace cuevox::views {

using state::RecommendationViewModel;
using tracklist::BPMRange;
using tracklist::BPMRangeOption;
using tracklist::EnergyDirection;
using tracklist::EnergyOption;
using tracklist::GenreOption;
using tracklist::PitchRange;

namespace {

constexpr int kGap = 8;
constexpr int kPitchPercents[] = {0, 2, 4, 6, 8, 16};
constexpr EnergyDirection kDirections[] = {EnergyDirection::hold, EnergyDirection::up,
                                           EnergyDirection::down};
// A long crate name gives way before the search field does.
constexpr int kLongestCrateName = 90;

QString tempoLabel(const BPMRangeOption& option) {
    return QStringLiteral("%1 - %2").arg(option.range.lowerBound).arg(option.range.lowerBound + 10);
}

QLabel* makeSectionTitle() {
    auto* title = new QLabel;
    title->setFont(theme::font(theme::TextStyle::caption, QFont::DemiBold));
    QPalette grey = title->palette();
    grey.setColor(QPalette::WindowText, theme::kSecondaryText);
    title->setPalette(grey);
    return title;
}

// A filter's panel with its list modes above the filter's own list; `below` spans the width.
QWidget* withModes(QLabel* title, SegmentedChoice* choice, QWidget* below,
                   CheckboxFilterList* list) {
    auto* panel = new QWidget;
    auto* modes = new QVBoxLayout;
    modes->setContentsMargins(14, 12, 14, below ? 4 : 12);
    modes->setSpacing(6);
    modes->addWidget(title);
    modes->addWidget(choice);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(modes);
    if (below) {
        layout->addWidget(below);
    }
    layout->addWidget(makeDivider(Qt::Horizontal, panel));
    layout->addWidget(list);
    return panel;
}

} // namespace

FilterBarView::FilterBarView(RecommendationViewModel& model,
                             i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_model(model), m_localization(localization),
      m_crateButton(new CrateButton(this)), m_countText(&m_crateButton->label()),
      m_cratePicker(new CratePicker(model, localization)),
      m_hidePlayed(new ModeChip(Icon::hidePlayed, this)),
      m_varyArtists(new ModeChip(Icon::varyArtists, this)),
      m_search(new SearchField(model, localization, this)),
      m_keyPill(new FilterPillButton(Icon::key, this)),
      m_tempoPill(new FilterPillButton(Icon::tempo, this)),
      m_energyPill(new FilterPillButton(Icon::energy, this)),
      m_genrePill(new FilterPillButton(Icon::genre, this)),
      m_keyPicker(new KeyPickerView(model, localization)),
      m_tempoList(new CheckboxFilterList(
          checkboxFilterSource<BPMRangeOption, std::set<BPMRange>>(
              [&model]() -> const auto& { return model.list().bpmRangeOptions; }, tempoLabel,
              [](const BPMRangeOption& option) { return option.count; },
              [](const BPMRangeOption& option) { return option.range; },
              [&model]() -> const auto& { return model.filters().selections().bpmRanges; },
              [&model](std::set<BPMRange> ranges) {
                  model.filters().setBPMRanges(std::move(ranges));
              }),
          localization)),
      m_energyList(new CheckboxFilterList(
          checkboxFilterSource<EnergyOption, std::set<int>>(
              [&model]() -> const auto& { return model.list().energyOptions; },
              [&localization](const EnergyOption& option) {
                  return localization.t("filter.energy_option", option.energy);
              },
              [](const EnergyOption& option) { return option.count; },
              [](const EnergyOption& option) { return option.energy; },
              [&model]() -> const auto& { return model.filters().selections().energies; },
              [&model](std::set<int> energies) { model.filters().setEnergies(std::move(energies)); }),
          localization)),
      m_genreList(new CheckboxFilterList(
          checkboxFilterSource<GenreOption, std::set<std::string>>(
              [&model]() -> const auto& { return model.list().genreOptions; },
              [](const GenreOption& option) { return QString::fromStdString(option.name); },
              [](const GenreOption& option) { return option.count; },
              [](const GenreOption& option) { return option.name; },
              [&model]() -> const auto& { return model.filters().selections().genres; },
              [&model](std::set<std::string> genres) {
                  model.filters().setGenres(std::move(genres));
              }),
          localization)),
      m_reset(new UnderlinedButton(this)), m_pitchRangeTitle(makeSectionTitle()),
      m_pitchRange(new SegmentedChoice), m_halfDouble(new CheckboxFilterRow),
      m_energyDirectionTitle(makeSectionTitle()), m_energyDirection(new SegmentedChoice) {
    for (const int percent : kPitchPercents) {
        m_pitchRange->addSegment(percent);
    }
    for (const EnergyDirection direction : kDirections) {
        m_energyDirection->addSegment(static_cast<int>(direction));
    }
    m_keyPill->setPanelContent(m_keyPicker);
    m_tempoPill->setPanelContent(
        withModes(m_pitchRangeTitle, m_pitchRange, m_halfDouble, m_tempoList));
    m_energyPill->setPanelContent(
        withModes(m_energyDirectionTitle, m_energyDirection, nullptr, m_energyList));
    m_genrePill->setPanelContent(m_genreList);
    m_crateButton->setPanelContent(m_cratePicker);

    m_firstRow = new QHBoxLayout;
    m_firstRow->setSpacing(kGap);
    m_firstRow->addWidget(m_crateButton);
    m_firstRow->addWidget(m_hidePlayed);
    m_firstRow->addWidget(m_varyArtists);
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

    state::FilterState& filters = m_model.filters();
    state::ListModesState& modes = m_model.modes();
    using Modes = tracklist::ListModes;
    connect(m_reset, &QAbstractButton::clicked, &filters, &state::FilterState::reset);
    connect(m_pitchRange, &SegmentedChoice::picked, &modes, [&modes](int percent) {
        modes.set(&Modes::pitchRange, PitchRange::fromPercent(percent).value_or(PitchRange()));
    });
    connect(m_halfDouble, &QAbstractButton::clicked, &modes,
            [&modes] { modes.set(&Modes::halfDouble, !modes.modes().halfDouble); });
    connect(m_energyDirection, &SegmentedChoice::picked, &modes, [&modes](int direction) {
        modes.set(&Modes::energyDirection, static_cast<EnergyDirection>(direction));
    });
    connect(m_hidePlayed, &QAbstractButton::clicked, &modes,
            [&modes](bool on) { modes.set(&Modes::hidePlayed, on); });
    connect(m_varyArtists, &QAbstractButton::clicked, &modes,
            [&modes](bool on) { modes.set(&Modes::varyArtists, on); });
    connect(m_cratePicker, &CratePicker::picked, &m_crateButton->panel(), &QWidget::hide);
    connect(&modes, &state::ListModesState::modesChanged, this, &FilterBarView::showModes);
    connect(&m_model, &RecommendationViewModel::crateIDsChanged, this, &FilterBarView::showCrates);

    // The lists follow their options and selections while open.
    for (CheckboxFilterList* list : {m_tempoList, m_energyList, m_genreList}) {
        connect(&m_model, &RecommendationViewModel::listChanged, list,
                &CheckboxFilterList::refresh);
    }
    connect(&filters, &state::FilterState::bpmRangesChanged, m_tempoList,
            &CheckboxFilterList::refresh);
    connect(&filters, &state::FilterState::energiesChanged, m_energyList,
            &CheckboxFilterList::refresh);
    connect(&filters, &state::FilterState::genresChanged, m_genreList,
            &CheckboxFilterList::refresh);

    connect(&m_model, &RecommendationViewModel::listChanged, this, &FilterBarView::showCount);
    for (auto signal : {&state::FilterState::keysChanged, &state::FilterState::bpmRangesChanged,
                        &state::FilterState::energiesChanged, &state::FilterState::genresChanged,
                        &state::FilterState::searchTextChanged}) {
        connect(&filters, signal, this, &FilterBarView::showActivity);
    }
    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &FilterBarView::retranslate);
    showCrates();
    retranslate();
    showModes();
}

bool FilterBarView::anyFilterActive(const RecommendationViewModel& model) {
    return !model.filters().selections().isEmpty() || !model.filters().searchText().isEmpty();
}

void FilterBarView::retranslate() {
    showCount();
    m_keyPill->setText(m_localization.t("filter.key"));
    m_tempoPill->setText(m_localization.t("filter.tempo"));
    m_energyPill->setText(m_localization.t("filter.energy"));
    m_genrePill->setText(m_localization.t("filter.genres"));
    m_reset->setText(m_localization.t("filter.reset"));
    m_hidePlayed->setTitle(m_localization.t("filter.hide_played"));
    m_varyArtists->setTitle(m_localization.t("filter.vary_artists"));
    m_pitchRangeTitle->setText(m_localization.t("filter.pitch_range"));
    for (const int percent : kPitchPercents) {
        m_pitchRange->setSegmentText(percent, percent == 0 ? m_localization.t("filter.pitch_off")
                                                           : QStringLiteral("±%1").arg(percent));
    }
    m_energyDirectionTitle->setText(m_localization.t("filter.energy_direction"));
    constexpr const char* kDirectionKeys[] = {"filter.energy_hold", "filter.energy_up",
                                              "filter.energy_down"};
    for (std::size_t i = 0; i < std::size(kDirections); ++i) {
        m_energyDirection->setSegmentText(static_cast<int>(kDirections[i]),
                                          m_localization.t(kDirectionKeys[i]));
    }
    showModes();
}

int FilterBarView::firstRowWidth(bool compactChips) const {
    const QMargins margins = layout()->contentsMargins();
    // Count, both switches, search and reset at their least, and the five gaps between them and
    // around the flexible space.
    return margins.left() + m_crateButton->sizeHint().width() +
           m_hidePlayed->preferredWidth(compactChips) +
           m_varyArtists->preferredWidth(compactChips) + m_search->minimumWidth() +
           m_reset->sizeHint().width() + 5 * kGap + margins.right();
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
    const bool compact = twoRows ? width < firstRowWidth(false) : width < oneRowWidth(false);
    m_hidePlayed->setCompact(compact);
    m_varyArtists->setCompact(compact);
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

void FilterBarView::showCount() {
    const auto count = static_cast<long long>(m_model.list().tracks.size());
    const std::optional<std::string>& crate = m_model.modes().modes().playlistID;
    if (crate) {
        // The crate's own name, without its folders.
        const QString path = QString::fromStdString(*crate);
        const QString name = path.section(QLatin1Char('/'), -1);
        m_countText->setText(
            QStringLiteral("%1 (%2)")
                .arg(m_countText->fontMetrics().elidedText(name, Qt::ElideRight, kLongestCrateName))
                .arg(count));
        m_crateButton->setToolTip(path);
    } else {
        m_countText->setText(m_localization.t("filter.all_tracks", count));
        m_crateButton->setToolTip(
            m_crateButton->isPickable() ? m_localization.t("filter.pick_crate") : QString());
    }
    // A longer count can leave too little room for one row.
    arrange(width());
}

void FilterBarView::showActivity() {
    const tracklist::ListModes& modes = m_model.modes().modes();
    m_keyPill->setActive(!m_model.filters().selections().keys.empty());
    m_tempoPill->setActive(!m_model.filters().selections().bpmRanges.empty() || modes.tempoMode());
    m_energyPill->setActive(!m_model.filters().selections().energies.empty() ||
                            modes.energyDirection != EnergyDirection::hold);
    m_genrePill->setActive(!m_model.filters().selections().genres.empty());
    m_crateButton->setActive(modes.playlistID.has_value());
    m_reset->setEnabled(anyFilterActive(m_model));
}

void FilterBarView::showModes() {
    const tracklist::ListModes& modes = m_model.modes().modes();
    m_pitchRange->setChosen(modes.pitchRange.percent());
    m_halfDouble->setOption(m_localization.t("filter.half_double"), modes.halfDouble);
    m_energyDirection->setChosen(static_cast<int>(modes.energyDirection));
    m_hidePlayed->setChecked(modes.hidePlayed);
    m_varyArtists->setChecked(modes.varyArtists);
    showActivity();
    showCount();
}

void FilterBarView::showCrates() {
    m_crateButton->setPickable(!m_model.crateIDs().empty());
    showCount();
}

void FilterBarView::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), theme::kBarBackground);
}

} // namespace cuevox::views
