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
class CheckboxFilterRow;
class SegmentedChoice;
class UnderlinedButton;

// The key filter's panel: the DJ's key rules (how strict the automatic filter is, key lock,
// the rows' key moves) above the key wheel and a Reset that clears only the keys.
class KeyPickerView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWheelSide = 220;

    // `model` and `localization` must outlive the view.
    KeyPickerView(state::RecommendationViewModel& model, i18n::LocalizationManager& localization,
                  QWidget* parent = nullptr);

    // Segments by tracklist::HarmonicStrictness.
    SegmentedChoice& strictnessChoice() const { return *m_strictness; }
    CheckboxFilterRow& keyLockSwitch() const { return *m_keyLock; }
    CheckboxFilterRow& keyMovesSwitch() const { return *m_keyMoves; }
    CamelotWheelPicker& wheel() const { return *m_wheel; }
    UnderlinedButton& resetButton() const { return *m_reset; }

private:
    void retranslate();
    void showModes();

    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    QLabel* m_rulesTitle;
    SegmentedChoice* m_strictness;
    CheckboxFilterRow* m_keyLock;
    CheckboxFilterRow* m_keyMoves;
    QLabel* m_title;
    CamelotWheelPicker* m_wheel;
    UnderlinedButton* m_reset;
};

} // namespace cuevox::views
