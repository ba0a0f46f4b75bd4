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

class CheckboxFilterList;
class CheckboxFilterRow;
class SegmentedChoice;

// The tempo pill's panel: the pitch range and the half and double tempos above the tempo
// filter's list.
class TempoPanel : public QWidget {
    Q_OBJECT

public:
    // `model` and `localization` must outlive the panel.
    TempoPanel(state::RecommendationViewModel& model, i18n::LocalizationManager& localization,
               QWidget* parent = nullptr);

    // Segments by percent.
    SegmentedChoice& pitchRangeChoice() const { return *m_pitchRange; }
    CheckboxFilterRow& halfDoubleSwitch() const { return *m_halfDouble; }
    CheckboxFilterList& list() const { return *m_list; }

private:
    void retranslate();
    void showModes();

    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    QLabel* m_title;
    SegmentedChoice* m_pitchRange;
    CheckboxFilterRow* m_halfDouble;
    CheckboxFilterList* m_list;
};

} // namespace cuevox::views
