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
class SegmentedChoice;

// The energy pill's panel: the energy direction above the energy filter's list.
class EnergyPanel : public QWidget {
    Q_OBJECT

public:
    // `model` and `localization` must outlive the panel.
    EnergyPanel(state::RecommendationViewModel& model, i18n::LocalizationManager& localization,
                QWidget* parent = nullptr);

    // Segments by tracklist::EnergyDirection.
    SegmentedChoice& directionChoice() const { return *m_direction; }
    CheckboxFilterList& list() const { return *m_list; }

private:
    void retranslate();
    void showModes();

    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    QLabel* m_title;
    SegmentedChoice* m_direction;
    CheckboxFilterList* m_list;
};

} // namespace cuevox::views
