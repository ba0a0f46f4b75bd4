#pragma once

#include <QWidget>
#include <array>

class QHBoxLayout;
class QLabel;

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

class CheckboxFilterList;
class CrateButton;
class CratePicker;
class FilterPillButton;
class KeyPickerView;
class LiveSetControls;
class ModePanel;
class SearchField;
class UnderlinedButton;

// The row between the decks and the track list: the live-set controls with the count, the
// search field, the four filter pills with their panels (tempo and energy with their modes) and
// the Reset of every filter, which leaves the modes. It lays them out on one row, or the pills
// on a second when the window is too narrow. It keeps no state: every control reads and writes
// the view model.
class FilterBarView : public QWidget {
    Q_OBJECT

public:
    // `model` and `localization` must outlive the bar.
    FilterBarView(state::RecommendationViewModel& model, i18n::LocalizationManager& localization,
                  QWidget* parent = nullptr);

    // Any selection, or any search text at all: blanks count, as they still filter.
    static bool anyFilterActive(const state::RecommendationViewModel& model);

    LiveSetControls& liveSetControls() const { return *m_liveSet; }
    QLabel& countLabel() const;
    CrateButton& crateButton() const;
    CratePicker& cratePicker() const;
    SearchField& searchField() const { return *m_search; }
    FilterPillButton& keyPill() const { return *m_keyPill; }
    FilterPillButton& tempoPill() const { return *m_tempoPill; }
    FilterPillButton& energyPill() const { return *m_energyPill; }
    FilterPillButton& genrePill() const { return *m_genrePill; }
    KeyPickerView& keyPicker() const { return *m_keyPicker; }
    ModePanel& tempoPanel() const { return *m_tempoPanel; }
    ModePanel& energyPanel() const { return *m_energyPanel; }
    CheckboxFilterList& genreList() const { return *m_genreList; }
    UnderlinedButton& resetButton() const { return *m_reset; }
    // Whether the pills sit on a second row, the window being too narrow for one.
    bool wrapsPills() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void retranslate();
    void showActivity();
    int firstRowWidth(bool compactChips) const;
    int oneRowWidth(bool compactChips) const;
    void arrange(int width);
    std::array<FilterPillButton*, 4> pills() const;

    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    LiveSetControls* m_liveSet;
    SearchField* m_search;
    FilterPillButton* m_keyPill;
    FilterPillButton* m_tempoPill;
    FilterPillButton* m_energyPill;
    FilterPillButton* m_genrePill;
    KeyPickerView* m_keyPicker;
    ModePanel* m_tempoPanel;
    ModePanel* m_energyPanel;
    CheckboxFilterList* m_genreList;
    UnderlinedButton* m_reset;
    QHBoxLayout* m_firstRow;
    QHBoxLayout* m_secondRow;
};

} // namespace cuevox::views
