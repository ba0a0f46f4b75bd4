#include "views/TrackListView.hpp"

#include "artwork/ArtworkLoader.hpp"
#include "i18n/LocalizationManager.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/Theme.hpp"
#include "views/TrackListModel.hpp"
#include "views/TrackRowDelegate.hpp"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace cuevox::views {

TrackListView::TrackListView(state::RecommendationViewModel& viewModel,
                             i18n::LocalizationManager& localization,
                             artwork::ArtworkLoader& loader, QWidget* parent)
    : QWidget(parent), m_viewModel(viewModel), m_localization(localization),
      m_model(new TrackListModel(viewModel, localization, this)),
      m_delegate(new TrackRowDelegate(loader, this)), m_pages(new QStackedLayout(this)),
      m_emptyPage(new QWidget(this)), m_emptyText(new QLabel(m_emptyPage)),
      m_loadButton(new QPushButton(m_emptyPage)), m_list(new QListView(this)) {
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

    auto* emptyLayout = new QVBoxLayout(m_emptyPage);
    emptyLayout->addStretch();
    emptyLayout->addWidget(m_emptyText);
    emptyLayout->addWidget(m_loadButton, 0, Qt::AlignHCenter);
    emptyLayout->addStretch();
    m_pages->addWidget(m_emptyPage);
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
    using Model = state::RecommendationViewModel;
    for (const auto changed : {&Model::libraryLoadProgressChanged, &Model::libraryLoadFinished}) {
        connect(&viewModel, changed, this, &TrackListView::retranslate);
    }

    retranslate();
    tracksChanged();
}

void TrackListView::retranslate() {
    const std::optional<state::LoadProgress>& loading = m_viewModel.libraryLoadProgress();
    const bool open = m_viewModel.libraryOpen();
    if (loading) {
        // Both at once, so that a "%2" in the file's name stays as it is.
        m_emptyText->setText(m_localization.t("library.loading_file")
                                 .arg(QString::fromStdString(loading->file.filename().string()),
                                      QString::number(loading->percent())));
    } else if (!open) {
        m_emptyText->setText(m_localization.t("library.none_loaded"));
    } else if (m_viewModel.libraryTrackCount() == 0) {
        m_emptyText->setText(m_localization.t("library.no_tracks"));
    } else {
        m_emptyText->setText(m_localization.t("app.no_tracks_match"));
    }
    m_loadButton->setText(m_localization.t("app.load_library"));
    m_loadButton->setVisible(!loading && !open);
}

void TrackListView::tracksChanged() {
    m_pages->setCurrentWidget(m_model->rowCount() == 0 ? m_emptyPage : m_list);
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
