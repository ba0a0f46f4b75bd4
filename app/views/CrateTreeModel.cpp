#include "views/CrateTreeModel.hpp"

#include "views/Theme.hpp"

#include <QFont>

namespace cuevox::views {
namespace {

// A path longer than this is shown with its middle left out: a tooltip wider than the screen
// shows nothing more.
constexpr qsizetype kLongestToolTip = 400;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CrateTreeModel::CrateTreeModel(QObject* parent)
    : QAbstractItemModel(parent), m_library(std::make_shared<const tracklist::PreparedLibrary>()),
      m_items(1) {}

void CrateTreeModel::setLibrary(std::shared_ptr<const tracklist::PreparedLibrary> library) {
    beginResetModel();
    m_library = std::move(library);
    m_items.assign(1, Item{});
    m_children.clear();
    const std::vector<metadata::PlaylistNode>& nodes = m_library->playlistNodes();
    const auto parentOf = [&nodes](std::size_t node) {
        const std::optional<std::size_t> parent = nodes[node].parent;
        return parent && *parent < node ? parent : std::nullopt;
    };
    // Every level's depth (1 at the top) and the level it is shown at: itself, or for a deeper
    // one its ancestor at kShownDepth. One pass, as a level's parent comes before it.
    std::vector<int> depth(nodes.size());
    std::vector<std::size_t> shownAt(nodes.size());
    for (std::size_t node = 0; node < nodes.size(); ++node) {
        const std::optional<std::size_t> parent = parentOf(node);
        depth[node] = parent ? depth[*parent] + 1 : 1;
        shownAt[node] = depth[node] <= kShownDepth ? node : shownAt[*parent];
    }
    std::vector<int> itemOf(nodes.size(), kNone);
    std::vector<std::size_t> missing;
    // The item that a folder's crates go in, made now with those of its folders that are not
    // made yet: each level is walked once, whatever the depth.
    const auto folderItem = [&](std::size_t folder) {
        if (itemOf[folder] != kNone) {
            return itemOf[folder];
        }
        const std::size_t shown = shownAt[folder];
        missing.clear();
        std::optional<std::size_t> above = shown;
        for (; above && itemOf[*above] == kNone; above = parentOf(*above)) {
            missing.push_back(*above);
        }
        int item = above ? itemOf[*above] : 0;
        for (auto level = missing.rbegin(); level != missing.rend(); ++level) {
            item = itemOf[*level] = addItem(item, *level, kNone, 0, false);
        }
        if (folder != shown) {
            itemOf[folder] =
                addItem(itemOf[shown], folder, kNone, depth[folder] - kShownDepth - 1, true);
        }
        return itemOf[folder];
    };
    const std::vector<tracklist::PreparedLibrary::Crate>& crates = m_library->crates();
    for (std::size_t crate = 0; crate < crates.size(); ++crate) {
        const std::optional<std::size_t> folder = parentOf(crates[crate].node);
        addItem(folder ? folderItem(*folder) : 0, crates[crate].node, static_cast<int>(crate), 0,
                folder && depth[*folder] > kShownDepth);
    }
    linkChildren();
    endResetModel();
}

int CrateTreeModel::addItem(int parent, std::size_t node, int crate, int hiddenLevels, bool deep) {
    const int row = m_items[static_cast<std::size_t>(parent)].childCount++;
    m_items.push_back(Item{parent, row, 0, 0, node, crate, hiddenLevels, deep});
    return static_cast<int>(m_items.size() - 1);
}

void CrateTreeModel::linkChildren() {
    int next = 0;
    for (Item& item : m_items) {
        item.firstChild = next;
        next += item.childCount;
    }
    m_children.assign(static_cast<std::size_t>(next), kNone);
    for (std::size_t item = 1; item < m_items.size(); ++item) {
        const Item& child = m_items[item];
        const Item& parent = m_items[static_cast<std::size_t>(child.parent)];
        m_children[static_cast<std::size_t>(parent.firstChild + child.row)] =
            static_cast<int>(item);
    }
}

void CrateTreeModel::setPicked(const std::optional<std::string>& id) {
    if (id == m_picked) {
        return;
    }
    const std::optional<std::string> previous = std::exchange(m_picked, id);
    announceCratesNamed(previous);
    announceCratesNamed(m_picked);
}

void CrateTreeModel::announceCratesNamed(const std::optional<std::string>& id) {
    if (!id) {
        return;
    }
    const auto& crates = m_library->crates();
    for (std::size_t item = 1; item < m_items.size(); ++item) {
        const Item& shown = m_items[item];
        if (shown.crate != kNone && crates[static_cast<std::size_t>(shown.crate)].id == *id) {
            const QModelIndex changed = createIndex(shown.row, 0, static_cast<quintptr>(item));
            emit dataChanged(changed, changed, {Qt::ForegroundRole, Qt::FontRole});
        }
    }
}

const CrateTreeModel::Item& CrateTreeModel::itemAt(const QModelIndex& index) const {
    return m_items[index.isValid() ? static_cast<std::size_t>(index.internalId()) : 0];
}

QModelIndex CrateTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const Item& holder = itemAt(parent);
    if (column != 0 || row < 0 || row >= holder.childCount) {
        return {};
    }
    const int child = m_children[static_cast<std::size_t>(holder.firstChild + row)];
    return createIndex(row, 0, static_cast<quintptr>(child));
}

QModelIndex CrateTreeModel::parent(const QModelIndex& child) const {
    const int parent = itemAt(child).parent;
    if (!child.isValid() || parent <= 0) {
        return {};
    }
    return createIndex(m_items[static_cast<std::size_t>(parent)].row, 0,
                       static_cast<quintptr>(parent));
}

int CrateTreeModel::rowCount(const QModelIndex& parent) const {
    return parent.column() > 0 ? 0 : itemAt(parent).childCount;
}

int CrateTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

Qt::ItemFlags CrateTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // A folder only opens and closes.
    return itemAt(index).crate == kNone ? Qt::ItemIsEnabled
                                        : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QString CrateTreeModel::name(const Item& item) const {
    return fromUtf8(m_library->playlistNodes()[item.node].name);
}

QString CrateTreeModel::label(const Item& item) const {
    if (item.crate != kNone) {
        const auto count = static_cast<qulonglong>(
            m_library->crates()[static_cast<std::size_t>(item.crate)].trackCount);
        return QStringLiteral("%1 (%2)").arg(name(item)).arg(count);
    }
    if (item.hiddenLevels == 0) {
        return name(item);
    }
    // The folder's parent and itself, after "…" for the levels between them and the folder
    // it is shown under.
    const std::size_t parent = *m_library->playlistNodes()[item.node].parent;
    const QString above = fromUtf8(m_library->playlistNodes()[parent].name);
    return (item.hiddenLevels > 1 ? QStringLiteral("\u2026/") : QString()) + above +
           QLatin1Char('/') + name(item);
}

QString CrateTreeModel::path(const Item& item) const {
    QString joined;
    for (const std::string_view level :
         metadata::RekordboxLibrary::pathOf(m_library->playlistNodes(), item.node)) {
        if (!joined.isEmpty()) {
            joined += QLatin1Char('/');
        }
        joined += fromUtf8(level);
    }
    if (joined.size() > kLongestToolTip) {
        joined = joined.left(kLongestToolTip / 2) + QStringLiteral(" \u2026 ") +
                 joined.right(kLongestToolTip / 2);
    }
    return joined;
}

QVariant CrateTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const Item& item = itemAt(index);
    const bool isCrate = item.crate != kNone;
    const std::string* id =
        isCrate ? &m_library->crates()[static_cast<std::size_t>(item.crate)].id : nullptr;
    const bool picked = id && m_picked == *id;
    switch (role) {
    case Qt::DisplayRole: return label(item);
    case kNameRole: return name(item);
    case kCrateIDRole: return id ? QVariant(QString::fromStdString(*id)) : QVariant();
    case Qt::ToolTipRole: return item.deep ? QVariant(path(item)) : QVariant();
    case Qt::ForegroundRole:
        if (!isCrate) {
            return theme::kSecondaryText;
        }
        return picked ? QVariant(theme::kAccent) : QVariant();
    case Qt::FontRole:
        return picked ? QVariant(theme::font(theme::TextStyle::body, QFont::DemiBold)) : QVariant();
    default: return {};
    }
}

} // namespace cuevox::views
