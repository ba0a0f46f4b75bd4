#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QLabel;
class QListView;
class QPushButton;
class QStackedLayout;

namespace cuevox::artwork {
class ArtworkLoader;
}
namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

class TrackListModel;
class TrackRowDelegate;

// The list section: the state object's tracks one per row, or a centred note when none is
// listed: the collection loading, with its progress; no collection, with a button to load one;
// or no track matching the filters. It keeps the selected row on the same track across
// updates.
class TrackListView : public QWidget {
    Q_OBJECT

public:
    // All three must outlive the view.
    TrackListView(state::RecommendationViewModel& viewModel,
                  i18n::LocalizationManager& localization, artwork::ArtworkLoader& loader,
                  QWidget* parent = nullptr);

    // The track the user selected last; kept while it is filtered out.
    const std::optional<std::string>& selectedTrackID() const { return m_selectedTrackID; }

    QListView* listView() const { return m_list; }
    TrackListModel* model() const { return m_model; }
    QLabel* emptyText() const { return m_emptyText; }
    // Shown while no collection is open; its owner connects it.
    QPushButton* loadButton() const { return m_loadButton; }

private:
    void tracksChanged();
    void userSelectionChanged();
    void retranslate();

    state::RecommendationViewModel& m_viewModel;
    i18n::LocalizationManager& m_localization;
    TrackListModel* m_model;
    TrackRowDelegate* m_delegate;
    QStackedLayout* m_pages;
    QWidget* m_emptyPage;
    QLabel* m_emptyText;
    QPushButton* m_loadButton;
    QListView* m_list;
    std::optional<std::string> m_selectedTrackID;
    // Set while the program itself changes the selection.
    bool m_syncingSelection = false;
};

} // namespace cuevox::views
