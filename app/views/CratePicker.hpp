#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTreeView;

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

class UnderlinedButton;

// The crate's panel: the collection's playlists in their folders, a search that narrows them
// to the matching names (a matching folder keeps all it holds), and the way back to the whole
// collection. A click on a playlist picks it; the picked one is in the accent colour. It
// follows the model's crates and pick by itself.
class CratePicker : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 260;
    static constexpr int kMaximumTreeHeight = 260;
    // The role of a playlist's id; folders have none.
    static constexpr int kCrateIDRole = Qt::UserRole + 1;

    // `model` and `localization` must outlive the picker.
    CratePicker(state::RecommendationViewModel& model, i18n::LocalizationManager& localization,
                QWidget* parent = nullptr);

    QLineEdit& searchField() const { return *m_search; }
    QTreeView& tree() const { return *m_tree; }
    UnderlinedButton& wholeCollectionButton() const { return *m_wholeCollection; }

signals:
    // A crate, or the whole collection, was picked.
    void picked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    // Builds the tree again from the model's playlists and its pick.
    void refresh();
    void pick(const QModelIndex& index);

    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    QLineEdit* m_search;
    QStandardItemModel* m_items;
    QSortFilterProxyModel* m_filtered;
    QTreeView* m_tree;
    UnderlinedButton* m_wholeCollection;
    // The pick the tree marks.
    std::optional<std::string> m_shownPick;
};

} // namespace cuevox::views
