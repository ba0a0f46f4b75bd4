#pragma once

#include <QWidget>

class QLabel;

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

class CamelotWheelPicker;
class UnderlinedButton;

// The key filter's panel: a title, the key wheel and a Reset that clears only the keys.
class KeyPickerView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWheelSide = 220;

    // `model` and `localization` must outlive the view.
    KeyPickerView(state::RecommendationViewModel& model, i18n::LocalizationManager& localization,
                  QWidget* parent = nullptr);

    CamelotWheelPicker& wheel() const { return *m_wheel; }
    UnderlinedButton& resetButton() const { return *m_reset; }

private:
    void retranslate();

    i18n::LocalizationManager& m_localization;
    QLabel* m_title;
    CamelotWheelPicker* m_wheel;
    UnderlinedButton* m_reset;
};

} // namespace cuevox::views
