#include "views/CratePicker.hpp"

#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/CrateTreeModel.hpp"
#include "views/Divider.hpp"
#include "views/Theme.hpp"
#include "views/UnderlinedButton.hpp"

#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <deque>

namespace cuevox::views {
namespace {

constexpr int kResetPadding = 8;

} // namespace

CratePicker::CratePicker(state::RecommendationViewModel& model,
                         i18n::LocalizationManager& localization, QWidget* parent)
    : QWidget(parent), m_model(model), m_localization(localization), m_search(new QLineEdit(this)),
      m_items(new CrateTreeModel(this)), m_filtered(new QSortFilterProxyModel(this)),
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
    // The name alone, not the count beside it.
    m_filtered->setFilterRole(CrateTreeModel::kNameRole);
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
        openFolders();
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
        m_items->setPicked(m_model.modes().modes().playlistID);
        m_wholeCollection->setEnabled(m_model.modes().modes().playlistID.has_value());
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
    m_items->setLibrary(m_model.preparedLibrary());
    m_items->setPicked(m_model.modes().modes().playlistID);
    const int rows = openFolders();
    const int rowHeight = std::max(1, m_tree->sizeHintForRow(0));
    m_tree->setFixedHeight(std::min(kMaximumTreeHeight, rows * rowHeight + 4));
    m_wholeCollection->setEnabled(m_model.modes().modes().playlistID.has_value());
}

int CratePicker::openFolders() {
    // The filter makes its mapping of a folder's rows when asked for them, so only the folders
    // about to open are asked: a collection of 100,000 folders costs no more than one of ten.
    const QAbstractItemModel& shownRows = *m_tree->model();
    int shown = shownRows.rowCount();
    for (std::deque<QModelIndex> open{QModelIndex()}; !open.empty(); open.pop_front()) {
        for (int row = 0; row < shownRows.rowCount(open.front()); ++row) {
            const QModelIndex child = shownRows.index(row, 0, open.front());
            if (!m_items->hasChildren(m_filtered->mapToSource(child))) {
                continue;
            }
            const int rows = shownRows.rowCount(child);
            if (shown + rows > kOpenedRows) {
                return shown;
            }
            shown += rows;
            m_tree->expand(child);
            open.push_back(child);
        }
    }
    return shown;
}

void CratePicker::pick(const QModelIndex& index) {
    // A folder only opens and closes, as the tree does by itself.
    const QVariant id = index.data(CrateTreeModel::kCrateIDRole);
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
