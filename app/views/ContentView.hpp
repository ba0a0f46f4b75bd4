#pragma once

#include <QWidget>
#include <functional>

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

class BannerView;
class FilterBarView;
class HeaderView;
class NowPlayingSection;
class TrackListView;

// The main window's content, top to bottom: header, the permission, collection and set log
// banners while they apply, the decks, the filter bar while a collection has tracks, and the list.
// It only shows the state object's fields and calls its operations.
class ContentView : public QWidget {
    Q_OBJECT

public:
    // What the permission banner's buttons do; the platform decides.
    struct PermissionActions {
        std::function<void()> requestAccess;
        std::function<void()> openSystemSettings;
    };

    static constexpr QSize kMinimumSize{460, 420};
    static constexpr QSize kIdealSize{860, 560};

    ContentView(state::RecommendationViewModel& viewModel, i18n::LocalizationManager& localization,
                artwork::ArtworkLoader& artwork, PermissionActions permissionActions,
                QWidget* parent = nullptr);

    QSize sizeHint() const override { return kIdealSize; }

    HeaderView* header() const { return m_header; }
    BannerView* permissionBanner() const { return m_permissionBanner; }
    BannerView* errorBanner() const { return m_errorBanner; }
    BannerView* setLogBanner() const { return m_setLogBanner; }
    NowPlayingSection* nowPlaying() const { return m_nowPlaying; }
    FilterBarView* filterBar() const { return m_filterBar; }
    TrackListView* trackList() const { return m_trackList; }

    // Shows the folder of the sets Cuevox remembers in the system's file browser, made first
    // when it is not there yet.
    void openSetsFolder();

private:
    // Asks for a collection file and loads it; nothing when the user cancels.
    void pickLibrary();
    void showTrackCount();
    void showLoadProgress();
    void showPermission();
    void showLoadError();

    state::RecommendationViewModel& m_viewModel;
    i18n::LocalizationManager& m_localization;
    HeaderView* m_header;
    BannerView* m_permissionBanner;
    QWidget* m_permissionGroup;
    BannerView* m_errorBanner;
    QWidget* m_errorGroup;
    BannerView* m_setLogBanner;
    QWidget* m_setLogGroup;
    NowPlayingSection* m_nowPlaying;
    FilterBarView* m_filterBar;
    QWidget* m_filterGroup;
    TrackListView* m_trackList;
};

} // namespace cuevox::views
