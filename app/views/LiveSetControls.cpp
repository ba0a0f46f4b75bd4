#include "views/LiveSetControls.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/CrateButton.hpp"
#include "views/CratePicker.hpp"
#include "views/DropDownPanel.hpp"
#include "views/Icons.hpp"
#include "views/ModeChip.hpp"

#include <QBoxLayout>
#include <QLabel>

namespace cuevox::views {
namespace {

using tracklist::ListModes;

// A long crate name gives way before the search field does.
constexpr int kLongestCrateName = 90;

struct Switch {
    Icon icon;
    const char* title;
    bool ListModes::*mode;
};

// In the order shown.
constexpr Switch kSwitches[] = {
    {{"eye-off"}, "filter.hide_played", &ListModes::hidePlayed},
    {{"account-switch"}, "filter.vary_artists", &ListModes::varyArtists},
    {{"account-music"}, "filter.your_style", &ListModes::style},
};

} // namespace

LiveSetControls::LiveSetControls(state::RecommendationViewModel& model,
                                 i18n::LocalizationManager& localization, QWidget* parent)
    : QObject(parent), m_model(model), m_localization(localization),
      m_crateButton(new CrateButton(parent)), m_countText(&m_crateButton->label()),
      m_cratePicker(new CratePicker(model, localization)) {
    m_crateButton->setPanelContent(m_cratePicker);
    state::ListModesState& modes = model.modes();
    for (const Switch& mode : kSwitches) {
        auto* chip = new ModeChip(mode.icon, parent);
        m_switches.push_back(chip);
        connect(chip, &QAbstractButton::clicked, &modes,
                [&modes, field = mode.mode](bool on) { modes.set(field, on); });
    }
    connect(m_cratePicker, &CratePicker::picked, &m_crateButton->panel(), &QWidget::hide);
    connect(&modes, &state::ListModesState::modesChanged, this, &LiveSetControls::showModes);
    connect(&model, &state::RecommendationViewModel::crateIDsChanged, this,
            &LiveSetControls::showCrates);
    connect(&model, &state::RecommendationViewModel::listChanged, this,
            &LiveSetControls::showCount);
    connect(&localization, &i18n::LocalizationManager::languageChanged, this,
            &LiveSetControls::retranslate);
    showCrates();
    retranslate();
}

void LiveSetControls::addTo(QBoxLayout& row) const {
    row.addWidget(m_crateButton);
    for (ModeChip* chip : m_switches) {
        row.addWidget(chip);
    }
}

int LiveSetControls::preferredWidth(bool compactSwitches, int gap) const {
    int width = m_crateButton->sizeHint().width();
    for (const ModeChip* chip : m_switches) {
        width += gap + chip->preferredWidth(compactSwitches);
    }
    return width;
}

void LiveSetControls::setCompact(bool compactSwitches) {
    for (ModeChip* chip : m_switches) {
        chip->setCompact(compactSwitches);
    }
}

void LiveSetControls::retranslate() {
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        m_switches[i]->setTitle(m_localization.t(kSwitches[i].title));
    }
    showModes();
}

void LiveSetControls::showCount() {
    const auto count = static_cast<long long>(m_model.list().tracks.size());
    const std::optional<std::string>& crate = m_model.modes().modes().playlistID;
    if (crate) {
        // The crate's own name, without its folders (a name may hold a "/" of its own).
        const QString path = QString::fromStdString(*crate);
        const std::string_view own = m_model.crateName(*crate);
        const QString name = QString::fromUtf8(own.data(), static_cast<qsizetype>(own.size()));
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
    emit contentChanged();
}

void LiveSetControls::showModes() {
    const ListModes& modes = m_model.modes().modes();
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        m_switches[i]->setChecked(modes.*kSwitches[i].mode);
    }
    m_crateButton->setActive(modes.playlistID.has_value());
    showCount();
}

void LiveSetControls::showCrates() {
    m_crateButton->setPickable(!m_model.crateIDs().empty());
    showCount();
}

} // namespace cuevox::views
