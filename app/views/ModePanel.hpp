#pragma once

#include "tracklist/ListModes.hpp"
#include "views/FilterLists.hpp"

#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

class QLabel;

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class ListModesState;
class RecommendationViewModel;
} // namespace cuevox::state

namespace cuevox::views {

class CheckboxFilterList;
class CheckboxFilterRow;
class SegmentedChoice;

// A filter pill's panel: a list mode's choice, titled, any switches under it, and the filter's
// own list below. What it chooses comes from its Content, as tempoPanelContent() gives it.
class ModePanel : public QWidget {
    Q_OBJECT

public:
    struct Content {
        FilterGroup group;
        // The caption's text key.
        const char* titleKey;
        // The segments' ids in the order shown, and the text of each.
        std::vector<int> segments;
        std::function<QString(const i18n::LocalizationManager&, int id)> segmentText;
        // The id of the segment `modes` choose, and the pick of one written to the modes.
        std::function<int(const tracklist::ListModes& modes)> chosen;
        std::function<void(state::ListModesState& modes, int id)> pick;
        // Each switch's text key and the mode it turns on and off.
        std::vector<std::pair<const char*, bool tracklist::ListModes::*>> switches;
    };

    // `model` and `localization` must outlive the panel.
    ModePanel(Content content, state::RecommendationViewModel& model,
              i18n::LocalizationManager& localization, QWidget* parent = nullptr);

    // Segments by the content's ids.
    SegmentedChoice& choice() const { return *m_choice; }
    // In the content's order.
    const std::vector<CheckboxFilterRow*>& switches() const { return m_switches; }
    CheckboxFilterList& list() const { return *m_list; }

private:
    void retranslate();
    void showModes();

    Content m_content;
    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    QLabel* m_title;
    SegmentedChoice* m_choice;
    std::vector<CheckboxFilterRow*> m_switches;
    CheckboxFilterList* m_list;
};

// The tempo pill's panel: the pitch range, segments by percent, and the half and double tempos.
ModePanel::Content tempoPanelContent();
// The energy pill's panel: the energy direction, segments by tracklist::EnergyDirection.
ModePanel::Content energyPanelContent();

} // namespace cuevox::views
