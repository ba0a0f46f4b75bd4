#include "views/FilterBarView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/CheckboxFilterList.hpp"
#include "views/CheckboxFilterSource.hpp"
#include "views/FilterPillButton.hpp"
#include "views/Icons.hpp"
#include "views/KeyPickerView.hpp"
#include "views/SearchField.hpp"
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
using tracklist::EnergyOption;
using tracklist::GenreOption;

namespace {

constexpr int kCountIconSize = 14;
constexpr int kCountIconGap = 4;
constexpr int kGap = 8;

QString tempoLabel(const BPMRangeOption& option) {
    return QStringLiteral("%1 - %2").arg(option.range.lowerBound).arg(option.range.lowerBound + 10);
}

} // namespace

FilterBarView::FilterBarView(RecommendationViewModel& model,
                             i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_model(model), m_localization(localization), m_countText(new QLabel(this)),
      m_search(new SearchField(model, localization, this)),
      m_keyPill(new FilterPillButton(Icon::key, this)),
      m_tempoPill(new FilterPillButton(Icon::tempo, this)),
      m_energyPill(new FilterPillButton(Icon::energy, this)),
      m_genrePill(new FilterPillButton(Icon::genre, this)),
      m_keyPicker(new KeyPickerView(model, localization)),
      m_tempoList(new CheckboxFilterList(
          checkboxFilterSource<BPMRangeOption, std::set<BPMRange>>(
              [&model]() -> const auto& { return model.bpmRangeOptions(); }, tempoLabel,
              [](const BPMRangeOption& option) { return option.count; },
              [](const BPMRangeOption& option) { return option.range; },
              [&model]() -> const auto& { return model.selectedBPMRanges(); },
              [&model](std::set<BPMRange> ranges) {
                  model.setSelectedBPMRanges(std::move(ranges));
              }),
          localization)),
      m_energyList(new CheckboxFilterList(
          checkboxFilterSource<EnergyOption, std::set<int>>(
              [&model]() -> const auto& { return model.energyOptions(); },
              [&localization](const EnergyOption& option) {
                  return localization.t("filter.energy_option", option.energy);
              },
              [](const EnergyOption& option) { return option.count; },
              [](const EnergyOption& option) { return option.energy; },
              [&model]() -> const auto& { return model.selectedEnergies(); },
              [&model](std::set<int> energies) { model.setSelectedEnergies(std::move(energies)); }),
          localization)),
      m_genreList(new CheckboxFilterList(
          checkboxFilterSource<GenreOption, std::set<std::string>>(
              [&model]() -> const auto& { return model.genreOptions(); },
              [](const GenreOption& option) { return QString::fromStdString(option.name); },
              [](const GenreOption& option) { return option.count; },
              [](const GenreOption& option) { return option.name; },
              [&model]() -> const auto& { return model.selectedGenres(); },
              [&model](std::set<std::string> genres) {
                  model.setSelectedGenres(std::move(genres));
              }),
          localization)),
      m_reset(new UnderlinedButton(this)) {
    m_keyPill->setPanelContent(m_keyPicker);
    m_tempoPill->setPanelContent(m_tempoList);
    m_energyPill->setPanelContent(m_energyList);
    m_genrePill->setPanelContent(m_genreList);

    auto* countIcon = new QLabel(this);
    countIcon->setPixmap(
        iconPixmap(Icon::allTracks, theme::kPrimaryText, kCountIconSize, devicePixelRatioF()));
    countIcon->setFixedSize(kCountIconSize, kCountIconSize);
    m_countText->setFont(theme::font(theme::TextStyle::subheadline, QFont::DemiBold));
    QPalette white = m_countText->palette();
    white.setColor(QPalette::WindowText, theme::kPrimaryText);
    m_countText->setPalette(white);
    // Its natural size, always: the search field gives way first.
    m_countText->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* count = new QHBoxLayout;
    count->setSpacing(kCountIconGap);
    count->addWidget(countIcon);
    count->addWidget(m_countText);

    m_firstRow = new QHBoxLayout;
    m_firstRow->setSpacing(kGap);
    m_firstRow->addLayout(count);
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

    connect(m_reset, &QAbstractButton::clicked, &m_model, &RecommendationViewModel::resetFilters);

    // The lists follow their options and selections while open.
    connect(&m_model, &RecommendationViewModel::bpmRangeOptionsChanged, m_tempoList,
            &CheckboxFilterList::refresh);
    connect(&m_model, &RecommendationViewModel::selectedBPMRangesChanged, m_tempoList,
            &CheckboxFilterList::refresh);
    connect(&m_model, &RecommendationViewModel::energyOptionsChanged, m_energyList,
            &CheckboxFilterList::refresh);
    connect(&m_model, &RecommendationViewModel::selectedEnergiesChanged, m_energyList,
            &CheckboxFilterList::refresh);
    connect(&m_model, &RecommendationViewModel::genreOptionsChanged, m_genreList,
            &CheckboxFilterList::refresh);
    connect(&m_model, &RecommendationViewModel::selectedGenresChanged, m_genreList,
            &CheckboxFilterList::refresh);

    connect(&m_model, &RecommendationViewModel::filteredTracksChanged, this,
            &FilterBarView::showCount);
    for (auto signal : {&RecommendationViewModel::selectedKeysChanged,
                        &RecommendationViewModel::selectedBPMRangesChanged,
                        &RecommendationViewModel::selectedEnergiesChanged,
                        &RecommendationViewModel::selectedGenresChanged,
                        &RecommendationViewModel::searchTextChanged}) {
        connect(&m_model, signal, this, &FilterBarView::showActivity);
    }
    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &FilterBarView::retranslate);
    retranslate();
    showActivity();
}

bool FilterBarView::anyFilterActive(const RecommendationViewModel& model) {
    return !model.selections().isEmpty() || !model.searchText().isEmpty();
}

void FilterBarView::retranslate() {
    showCount();
    m_keyPill->setText(m_localization.t("filter.key"));
    m_tempoPill->setText(m_localization.t("filter.tempo"));
    m_energyPill->setText(m_localization.t("filter.energy"));
    m_genrePill->setText(m_localization.t("filter.genres"));
    m_reset->setText(m_localization.t("filter.reset"));
    arrange(width());
}

int FilterBarView::oneRowWidth() const {
    const QMargins margins = layout()->contentsMargins();
    // Count, search, four pills and reset at their least, and the seven gaps between them and
    // around the flexible space.
    int width = margins.left() + kCountIconSize + kCountIconGap + m_countText->sizeHint().width() +
                m_search->minimumWidth() + m_reset->sizeHint().width() + 7 * kGap + margins.right();
    for (const FilterPillButton* pill : pills()) {
        width += pill->sizeHint().width();
    }
    return width;
}

void FilterBarView::arrange(int width) {
    // Too narrow for one row, the pills move to a row of their own rather than overlap.
    const bool twoRows = width < oneRowWidth();
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
    m_countText->setText(m_localization.t("filter.all_tracks",
                                          static_cast<long long>(m_model.filteredTracks().size())));
    // A longer count can leave too little room for one row.
    arrange(width());
}

void FilterBarView::showActivity() {
    m_keyPill->setActive(!m_model.selectedKeys().empty());
    m_tempoPill->setActive(!m_model.selectedBPMRanges().empty());
    m_energyPill->setActive(!m_model.selectedEnergies().empty());
    m_genrePill->setActive(!m_model.selectedGenres().empty());
    m_reset->setEnabled(anyFilterActive(m_model));
}

void FilterBarView::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), theme::kBarBackground);
}

} // namespace cuevox::views
