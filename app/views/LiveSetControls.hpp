#pragma once

#include <QObject>
#include <vector>

class QBoxLayout;
class QLabel;
class QWidget;

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

class CrateButton;
class CratePicker;
class ModeChip;

// The live-set modes beside the count: the crate the list comes from, which names the count,
// and the switches of the modes that leave tracks out. Its widgets are `parent`'s, in the row
// that addTo() puts them in.
class LiveSetControls : public QObject {
    Q_OBJECT

public:
    // `model` and `localization` must outlive the controls.
    LiveSetControls(state::RecommendationViewModel& model, i18n::LocalizationManager& localization,
                    QWidget* parent);

    void addTo(QBoxLayout& row) const;
    // The width with the switches' titles shown or not, and `gap` between each two.
    int preferredWidth(bool compactSwitches, int gap) const;
    void setCompact(bool compactSwitches);

    QLabel& countLabel() const { return *m_countText; }
    CrateButton& crateButton() const { return *m_crateButton; }
    CratePicker& cratePicker() const { return *m_cratePicker; }
    // One per switch, in the order shown.
    const std::vector<ModeChip*>& switches() const { return m_switches; }

signals:
    // The count or a title changed, and with it the width the controls want.
    void contentChanged();

private:
    void retranslate();
    void showCount();
    void showModes();
    void showCrates();

    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    CrateButton* m_crateButton;
    QLabel* m_countText;
    CratePicker* m_cratePicker;
    std::vector<ModeChip*> m_switches;
};

} // namespace cuevox::views
