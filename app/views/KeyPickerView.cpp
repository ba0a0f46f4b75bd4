#include "views/KeyPickerView.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/CamelotWheelPicker.hpp"
#include "views/Theme.hpp"
#include "views/UnderlinedButton.hpp"

#include <QLabel>
#include <QVBoxLayout>

namespace cuevox::views {

KeyPickerView::KeyPickerView(state::RecommendationViewModel& model,
                             i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_localization(localization), m_title(new QLabel(this)),
      m_wheel(new CamelotWheelPicker(model, this)), m_reset(new UnderlinedButton(this)) {
    m_title->setFont(theme::font(theme::TextStyle::subheadline, QFont::DemiBold));
    QPalette white = m_title->palette();
    white.setColor(QPalette::WindowText, theme::kPrimaryText);
    m_title->setPalette(white);
    m_wheel->setFixedSize(kWheelSide, kWheelSide);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(m_title, 0, Qt::AlignHCenter);
    layout->addWidget(m_wheel, 0, Qt::AlignHCenter);
    layout->addWidget(m_reset, 0, Qt::AlignHCenter);

    connect(m_reset, &QAbstractButton::clicked, &model, [&model] { model.filters().setKeys({}); });
    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &KeyPickerView::retranslate);
    retranslate();
}

void KeyPickerView::retranslate() {
    m_title->setText(m_localization.t("filter.select_keys"));
    m_reset->setText(m_localization.t("filter.reset"));
}

} // namespace cuevox::views
