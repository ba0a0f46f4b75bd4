#include "views/KeyPickerView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "tracklist/ListModeNames.hpp"
#include "views/CamelotWheelPicker.hpp"
#include "views/CheckboxFilterRow.hpp"
#include "views/Divider.hpp"
#include "views/FilterLists.hpp"
#include "views/SegmentedChoice.hpp"
#include "views/Theme.hpp"
#include "views/UnderlinedButton.hpp"

#include <QLabel>
#include <QVBoxLayout>
#include <string>

namespace cuevox::views {

using tracklist::HarmonicStrictness;
using tracklist::kHarmonicStrictnessNames;
using tracklist::ListModes;

KeyPickerView::KeyPickerView(state::RecommendationViewModel& model,
                             i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_model(model), m_localization(localization),
      m_rulesTitle(makeSectionTitle()), m_strictness(new SegmentedChoice),
      m_keyLock(new CheckboxFilterRow), m_keyMoves(new CheckboxFilterRow),
      m_title(new QLabel(this)), m_wheel(new CamelotWheelPicker(model, this)),
      m_reset(new UnderlinedButton(this)) {
    for (const auto& strictness : kHarmonicStrictnessNames) {
        m_strictness->addSegment(static_cast<int>(strictness.value));
    }
    m_title->setFont(theme::font(theme::TextStyle::subheadline, QFont::DemiBold));
    QPalette white = m_title->palette();
    white.setColor(QPalette::WindowText, theme::kPrimaryText);
    m_title->setPalette(white);
    m_wheel->setFixedSize(kWheelSide, kWheelSide);

    auto* rules = new QVBoxLayout;
    rules->setContentsMargins(14, 12, 14, 4);
    rules->setSpacing(6);
    rules->addWidget(m_rulesTitle);
    rules->addWidget(m_strictness);
    auto* keys = new QVBoxLayout;
    keys->setContentsMargins(16, 12, 16, 16);
    keys->setSpacing(10);
    keys->addWidget(m_title, 0, Qt::AlignHCenter);
    keys->addWidget(m_wheel, 0, Qt::AlignHCenter);
    keys->addWidget(m_reset, 0, Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(rules);
    layout->addWidget(m_keyLock);
    layout->addWidget(m_keyMoves);
    layout->addWidget(makeDivider(Qt::Horizontal, this));
    layout->addLayout(keys);

    state::ListModesState& modes = model.modes();
    connect(m_strictness, &SegmentedChoice::picked, &modes, [&modes](int strictness) {
        modes.set(&ListModes::harmonicStrictness, static_cast<HarmonicStrictness>(strictness));
    });
    connect(m_keyLock, &QAbstractButton::clicked, &modes,
            [&modes] { modes.set(&ListModes::keyLock, !modes.modes().keyLock); });
    connect(m_keyMoves, &QAbstractButton::clicked, &modes,
            [&modes] { modes.set(&ListModes::keyMoves, !modes.modes().keyMoves); });
    connect(&modes, &state::ListModesState::modesChanged, this, &KeyPickerView::showModes);
    // The wheel's Reset leaves the rules alone: they are modes, not the keys picked.
    connect(m_reset, &QAbstractButton::clicked, &model, [&model] { model.filters().setKeys({}); });
    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &KeyPickerView::retranslate);
    retranslate();
}

void KeyPickerView::retranslate() {
    m_rulesTitle->setText(m_localization.t("filter.key_rules"));
    for (const auto& strictness : kHarmonicStrictnessNames) {
        // The texts are named after the values: "filter.balanced".
        const std::string key = "filter." + std::string(strictness.name);
        m_strictness->setSegmentText(static_cast<int>(strictness.value),
                                     m_localization.t(key.c_str()));
    }
    m_title->setText(m_localization.t("filter.select_keys"));
    m_reset->setText(m_localization.t("filter.reset"));
    showModes();
}

void KeyPickerView::showModes() {
    const ListModes& modes = m_model.modes().modes();
    m_strictness->setChosen(static_cast<int>(modes.harmonicStrictness));
    m_keyLock->setOption(m_localization.t("filter.key_lock"), modes.keyLock);
    m_keyMoves->setOption(m_localization.t("filter.key_moves"), modes.keyMoves);
}

} // namespace cuevox::views
