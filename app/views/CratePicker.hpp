#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QLineEdit;
class QSortFilterProxyModel;
class QTreeView;

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

class CrateTreeModel;
class UnderlinedButton;

// The crate's panel: the collection's playlists in their folders (see CrateTreeModel), a
// search that narrows them to the matching names (a matching folder keeps all it holds), and
// the way back to the whole collection. A click on a playlist picks it; the picked one is in
// the accent colour. It follows the model's crates and pick by itself, and opens folders only
// while the rows they show fit kOpenedRows, never the whole tree.
class CratePicker : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 260;
    static constexpr int kMaximumTreeHeight = 260;
    // How many rows the folders opened by the picker itself may show in all.
    static constexpr int kOpenedRows = 200;

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
    // Builds the tree again from the model's playlists.
    void refresh();
    // Opens folders breadth first while the rows shown stay within kOpenedRows; how many
    // rows are shown then.
    int openFolders();
    void pick(const QModelIndex& index);

    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    QLineEdit* m_search;
    CrateTreeModel* m_items;
    QSortFilterProxyModel* m_filtered;
    QTreeView* m_tree;
    UnderlinedButton* m_wholeCollection;
};

} // namespace cuevox::views
