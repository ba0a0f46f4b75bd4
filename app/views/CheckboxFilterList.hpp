#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>
#include <vector>

class QScrollArea;
class QVBoxLayout;

namespace cuevox::i18n {
class LocalizationManager;
}

namespace cuevox::views {

class CheckboxFilterRow;
class UnderlinedButton;

// One option as a checkbox list shows it.
struct CheckboxFilterOption {
    QString label;
    int count = 0;
    bool selected = false;

    bool operator==(const CheckboxFilterOption&) const = default;
};

// A filter's choices as a scrolling list of checkbox rows above its own Reset. It keeps no
// selection: `Source` reads the options and writes the selection each time, and the owner
// calls refresh() whenever the options or the selection change (see checkboxFilterSource).
class CheckboxFilterList : public QWidget {
    Q_OBJECT

public:
    struct Source {
        std::function<std::vector<CheckboxFilterOption>()> options;
        // Toggles the option at `row` of the latest options() in the selection.
        std::function<void(std::size_t row)> toggle;
        // Empties this filter's selection only.
        std::function<void()> clear;
    };

    static constexpr int kMinimumWidth = 220;
    static constexpr int kMaximumScrollHeight = 260;

    // `localization` must outlive the list.
    CheckboxFilterList(Source source, i18n::LocalizationManager& localization,
                       QWidget* parent = nullptr);

    // Reads the options again; the rows follow them while the list is open.
    void refresh();

    QScrollArea& scrollArea() const { return *m_scrollArea; }
    std::vector<CheckboxFilterRow*> rows() const { return m_rows; }
    UnderlinedButton& resetButton() const { return *m_reset; }

private:
    void retranslate();
    void updateSizes();

    Source m_source;
    i18n::LocalizationManager& m_localization;
    QScrollArea* m_scrollArea;
    QWidget* m_rowsWidget;
    QVBoxLayout* m_rowsLayout;
    std::vector<CheckboxFilterRow*> m_rows;
    UnderlinedButton* m_reset;
};

} // namespace cuevox::views
