#include "views/CratePicker.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/Divider.hpp"
#include "views/Theme.hpp"
#include "views/UnderlinedButton.hpp"

#include <QHash>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace cuevox::views {
namespace {

// What the search matches: the name alone, not the count beside it.
constexpr int kNameRole = Qt::UserRole + 2;
constexpr int kResetPadding = 8;

QStandardItem* makeItem(const QString& name, const QString& text) {
    auto* item = new QStandardItem(text);
    item->setData(name, kNameRole);
    item->setEditable(false);
    return item;
}

} // namespace

CratePicker::CratePicker(state::RecommendationViewModel& model,
                         i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_model(model), m_localization(localization), m_search(new QLineEdit(this)),
      m_items(new QStandardItemModel(this)), m_filtered(new QSortFilterProxyModel(this)),
      m_tree(new QTreeView(this)), m_wholeCollection(new UnderlinedButton(this)) {
    m_search->setClearButtonEnabled(true);
    m_search->setFont(theme::font(theme::TextStyle::caption));
    QPalette searchPalette = m_search->palette();
    searchPalette.setColor(QPalette::Text, theme::kPrimaryText);
    searchPalette.setColor(QPalette::PlaceholderText, theme::kSecondaryText);
    m_search->setPalette(searchPalette);
    m_search->setStyleSheet(
        QStringLiteral("QLineEdit { background: %1; border: none; border-radius: 11px;"
                       " padding: 4px 8px; }")
            .arg(theme::kBarBackground.name()));

    m_filtered->setSourceModel(m_items);
    m_filtered->setFilterRole(kNameRole);
    m_filtered->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filtered->setRecursiveFilteringEnabled(true);
    m_filtered->setAutoAcceptChildRows(true);

    m_tree->setModel(m_filtered);
    m_tree->setHeaderHidden(true);
    m_tree->setFrameShape(QFrame::NoFrame);
    m_tree->setUniformRowHeights(true);
    m_tree->setIndentation(14);
    m_tree->setSelectionMode(QAbstractItemView::NoSelection);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setFont(theme::font(theme::TextStyle::body));
    QPalette clear = m_tree->palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    clear.setColor(QPalette::Text, theme::kPrimaryText);
    m_tree->setPalette(clear);
    m_tree->setFixedWidth(kWidth - 12);

    m_wholeCollection->setVerticalPadding(kResetPadding);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 10, 0, 0);
    layout->setSpacing(0);
    auto* searchRow = new QVBoxLayout;
    searchRow->setContentsMargins(10, 0, 10, 6);
    searchRow->addWidget(m_search);
    layout->addLayout(searchRow);
    auto* treeRow = new QVBoxLayout;
    treeRow->setContentsMargins(6, 0, 6, 4);
    treeRow->addWidget(m_tree);
    layout->addLayout(treeRow);
    layout->addWidget(makeDivider(Qt::Horizontal, this));
    layout->addWidget(m_wholeCollection, 0, Qt::AlignHCenter);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filtered->setFilterFixedString(text);
        m_tree->expandAll();
    });
    connect(m_tree, &QTreeView::clicked, this, &CratePicker::pick);
    connect(m_tree, &QTreeView::activated, this, &CratePicker::pick);
    connect(m_wholeCollection, &QAbstractButton::clicked, this, [this] {
        m_model.modes().set(&tracklist::ListModes::playlistID, std::nullopt);
        emit picked();
    });
    connect(&m_model, &state::RecommendationViewModel::crateIDsChanged, this,
            &CratePicker::refresh);
    // Of the modes, only the pick shows in the tree.
    connect(&m_model.modes(), &state::ListModesState::modesChanged, this, [this] {
        if (m_model.modes().modes().playlistID != m_shownPick) {
            refresh();
        }
    });
    connect(&m_localization, &i18n::LocalizationManager::languageChanged, this,
            &CratePicker::retranslate);
    retranslate();
    refresh();
}

void CratePicker::retranslate() {
    m_search->setPlaceholderText(m_localization.t("filter.search_crates"));
    m_wholeCollection->setText(m_localization.t("filter.whole_collection"));
}

void CratePicker::refresh() {
    const std::optional<std::string>& picked = m_model.modes().modes().playlistID;
    m_shownPick = picked;
    m_items->clear();
    // Ids are folder paths in file order, so a folder's playlists follow one another.
    QHash<QString, QStandardItem*> folders;
    QFont bold = m_tree->font();
    bold.setWeight(QFont::DemiBold);
    for (const std::string& id : m_model.crateIDs()) {
        const QStringList path = QString::fromStdString(id).split(QLatin1Char('/'));
        QStandardItem* parent = m_items->invisibleRootItem();
        for (qsizetype depth = 0; depth + 1 < path.size(); ++depth) {
            const QString folderPath = path.mid(0, depth + 1).join(QLatin1Char('/'));
            QStandardItem*& folder = folders[folderPath];
            if (!folder) {
                folder = makeItem(path[depth], path[depth]);
                folder->setFlags(Qt::ItemIsEnabled);
                folder->setForeground(theme::kSecondaryText);
                parent->appendRow(folder);
            }
            parent = folder;
        }
        const auto count = static_cast<long long>(m_model.crateTrackCount(id).value_or(0));
        QStandardItem* crate =
            makeItem(path.last(), QStringLiteral("%1 (%2)").arg(path.last()).arg(count));
        crate->setData(QString::fromStdString(id), kCrateIDRole);
        if (id == picked) {
            crate->setForeground(theme::kAccent);
            crate->setFont(bold);
        }
        parent->appendRow(crate);
    }
    m_tree->expandAll();
    const auto rows = static_cast<int>(folders.size() + m_model.crateIDs().size());
    const int rowHeight = std::max(1, m_tree->sizeHintForRow(0));
    m_tree->setFixedHeight(std::min(kMaximumTreeHeight, rows * rowHeight + 4));
    m_wholeCollection->setEnabled(picked.has_value());
}

void CratePicker::pick(const QModelIndex& index) {
    // A folder only opens and closes, as the tree does by itself.
    const QVariant id = index.data(kCrateIDRole);
    if (!id.isValid()) {
        return;
    }
    m_model.modes().set(&tracklist::ListModes::playlistID,
                        std::optional(id.toString().toStdString()));
    emit picked();
}

void CratePicker::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_search->setFocus();
}

} // namespace cuevox::views
