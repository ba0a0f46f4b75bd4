#include "views/TrackListView.hpp"

#include "artwork/ArtworkLoader.hpp"
#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/Theme.hpp"
#include "views/TrackListModel.hpp"
#include "views/TrackRowDelegate.hpp"

#include <QLabel>
#include <QListView>
#include <QStackedLayout>

namespace cuevox::views {

TrackListView::TrackListView(state::RecommendationViewModel& viewModel,
                             i18n::LocalizationManager& localization,
                             artwork::ArtworkLoader& loader, QWidget* parent)
    : QWidget(parent), m_localization(localization), m_model(new TrackListModel(viewModel, this)),
      m_delegate(new TrackRowDelegate(loader, this)), m_pages(new QStackedLayout(this)),
      m_emptyText(new QLabel(this)), m_list(new QListView(this)) {
    m_emptyText->setAlignment(Qt::AlignCenter);
    m_emptyText->setWordWrap(true);
    m_emptyText->setFont(theme::font(theme::TextStyle::body));
    QPalette emptyPalette = m_emptyText->palette();
    emptyPalette.setColor(QPalette::WindowText, theme::kSecondaryText);
    m_emptyText->setPalette(emptyPalette);

    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setDragEnabled(true);
    m_list->setDragDropMode(QAbstractItemView::DragOnly);
    m_list->setDefaultDropAction(Qt::CopyAction);
    m_list->viewport()->setAutoFillBackground(false);
    m_list->setItemDelegate(m_delegate);
    m_list->setModel(m_model);

    m_pages->addWidget(m_emptyText);
    m_pages->addWidget(m_list);

    // After setModel: the view and its selection model must have seen the reset first.
    connect(m_model, &QAbstractItemModel::modelReset, this, &TrackListView::tracksChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TrackListView::userSelectionChanged);
    // Only a screenful of rows repaints, so one update per arriving image is cheap.
    connect(&loader, &artwork::ArtworkLoader::artworkChanged, m_list->viewport(),
            qOverload<>(&QWidget::update));
    connect(&localization, &i18n::LocalizationManager::languageChanged, this,
            &TrackListView::retranslate);

    retranslate();
    tracksChanged();
}

void TrackListView::retranslate() {
    m_emptyText->setText(m_localization.t("app.no_tracks_match"));
}

void TrackListView::tracksChanged() {
    m_pages->setCurrentWidget(m_model->rowCount() == 0 ? static_cast<QWidget*>(m_emptyText)
                                                       : m_list);
    QItemSelectionModel& selection = *m_list->selectionModel();
    m_syncingSelection = true;
    const std::optional<int> row =
        m_selectedTrackID ? m_model->rowOf(*m_selectedTrackID) : std::nullopt;
    if (row) {
        const QModelIndex index = m_model->index(*row);
        if (!selection.isSelected(index) || selection.selectedIndexes().size() != 1) {
            // Made current too, so the arrow keys go on from it, but never scrolled to.
            const bool autoScroll = m_list->hasAutoScroll();
            m_list->setAutoScroll(false);
            selection.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
            m_list->setAutoScroll(autoScroll);
        }
    } else if (selection.hasSelection()) {
        selection.clearSelection();
    }
    m_syncingSelection = false;
}

void TrackListView::userSelectionChanged() {
    if (m_syncingSelection) {
        return;
    }
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.size() == 1 && selected.front().isValid()) {
        m_selectedTrackID = m_model->trackAt(selected.front().row()).id;
    } else {
        m_selectedTrackID.reset();
    }
}

} // namespace cuevox::views
