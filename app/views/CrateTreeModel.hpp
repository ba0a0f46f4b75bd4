#pragma once

#include "tracklist/PreparedLibrary.hpp"

#include <QAbstractItemModel>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cuevox::views {

// The crate picker's tree: every playlist of a collection in its folders, as the file nests
// them. Folders below kShownDepth are shown flat, each under its last shown ancestor with its
// last names as the label and its whole path as the tooltip, so no branch grows deeper than
// the picker is wide. Built once per collection in time and memory linear in the playlists
// and the folders their paths name; texts are made only when the view asks for them.
class CrateTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    // Folder levels shown one inside the other.
    static constexpr int kShownDepth = 5;
    // A crate's id (folders have none) and the name the search looks at.
    static constexpr int kCrateIDRole = Qt::UserRole + 1;
    static constexpr int kNameRole = Qt::UserRole + 2;

    explicit CrateTreeModel(QObject* parent = nullptr);

    // The crates of `library`, which the model keeps while it shows them.
    void setLibrary(std::shared_ptr<const tracklist::PreparedLibrary> library);
    // The crate shown in the accent colour.
    void setPicked(const std::optional<std::string>& id);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    static constexpr int kNone = -1;

    struct Item {
        int parent = kNone;
        int row = 0;
        // This item's children are m_children[firstChild, firstChild + childCount).
        int firstChild = 0;
        int childCount = 0;
        // The level it shows; for a crate, its own.
        std::size_t node = 0;
        // Its place in the collection's crates; kNone for a folder.
        int crate = kNone;
        // Levels between the folder it is shown under and its own, beyond the one that holds
        // it: more than 0 only for a folder shown flat.
        int hiddenLevels = 0;
        // Its place is not the tree's, so its tooltip shows its path.
        bool deep = false;
    };

    int addItem(int parent, std::size_t node, int crate, int hiddenLevels, bool deep);
    void linkChildren();
    const Item& itemAt(const QModelIndex& index) const;
    QString name(const Item& item) const;
    QString label(const Item& item) const;
    QString path(const Item& item) const;
    void announceCratesNamed(const std::optional<std::string>& id);

    std::shared_ptr<const tracklist::PreparedLibrary> m_library;
    // Item 0 is the invisible root.
    std::vector<Item> m_items;
    std::vector<int> m_children;
    std::optional<std::string> m_picked;
};

} // namespace cuevox::views
