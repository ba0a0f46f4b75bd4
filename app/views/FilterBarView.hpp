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
class CheckboxFilterRow;
class CrateButton;
class CratePicker;
class FilterPillButton;
class KeyPickerView;
class ModeChip;
class SearchField;
class SegmentedChoice;
class UnderlinedButton;

// The row between the decks and the track list: how many tracks are listed, from which crate,
// the switches of two live-set modes, the search field, the four filter pills with their
// panels (tempo and energy with their modes) and the Reset of every filter, which leaves the
// modes. It keeps no state: every control reads and writes the view model.
class FilterBarView : public QWidget {
    Q_OBJECT

public:
    // `model` and `localization` must outlive the bar.
    FilterBarView(state::RecommendationViewModel& model, i18n::LocalizationManager& localization,
                  QWidget* parent = nullptr);

    // Any selection, or any search text at all: blanks count, as they still filter.
    static bool anyFilterActive(const state::RecommendationViewModel& model);

    QLabel& countLabel() const { return *m_countText; }
    CrateButton& crateButton() const { return *m_crateButton; }
    CratePicker& cratePicker() const { return *m_cratePicker; }
    ModeChip& hidePlayedChip() const { return *m_hidePlayed; }
    ModeChip& varyArtistsChip() const { return *m_varyArtists; }
    SearchField& searchField() const { return *m_search; }
    FilterPillButton& keyPill() const { return *m_keyPill; }
    FilterPillButton& tempoPill() const { return *m_tempoPill; }
    FilterPillButton& energyPill() const { return *m_energyPill; }
    FilterPillButton& genrePill() const { return *m_genrePill; }
    KeyPickerView& keyPicker() const { return *m_keyPicker; }
    CheckboxFilterList& tempoList() const { return *m_tempoList; }
    CheckboxFilterList& energyList() const { return *m_energyList; }
    CheckboxFilterList& genreList() const { return *m_genreList; }
    // Segments by percent.
    SegmentedChoice& pitchRangeChoice() const { return *m_pitchRange; }
    CheckboxFilterRow& halfDoubleSwitch() const { return *m_halfDouble; }
    // Segments by tracklist::EnergyDirection.
    SegmentedChoice& energyDirectionChoice() const { return *m_energyDirection; }
    UnderlinedButton& resetButton() const { return *m_reset; }
    // Whether the pills sit on a second row, the window being too narrow for one.
    bool wrapsPills() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void retranslate();
    void showCount();
    void showActivity();
    void showModes();
    void showCrates();
    int firstRowWidth(bool compactChips) const;
    int oneRowWidth(bool compactChips) const;
    void arrange(int width);
    std::array<FilterPillButton*, 4> pills() const;

    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    CrateButton* m_crateButton;
    QLabel* m_countText;
    CratePicker* m_cratePicker;
    ModeChip* m_hidePlayed;
    ModeChip* m_varyArtists;
    SearchField* m_search;
    FilterPillButton* m_keyPill;
    FilterPillButton* m_tempoPill;
    FilterPillButton* m_energyPill;
    FilterPillButton* m_genrePill;
    KeyPickerView* m_keyPicker;
    CheckboxFilterList* m_tempoList;
    CheckboxFilterList* m_energyList;
    CheckboxFilterList* m_genreList;
    UnderlinedButton* m_reset;
    QLabel* m_pitchRangeTitle;
    SegmentedChoice* m_pitchRange;
    CheckboxFilterRow* m_halfDouble;
    QLabel* m_energyDirectionTitle;
    SegmentedChoice* m_energyDirection;
    QHBoxLayout* m_firstRow;
    QHBoxLayout* m_secondRow;
};

} // namespace cuevox::views
