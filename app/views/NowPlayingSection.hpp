#pragma once

#include <QWidget>

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

// The decks as a four-deck mixer lays them out: decks 1 and 2 above, 3 and 4 below, each
// present deck sharing its row's width; a single panel for the source when no deck is active.
class NowPlayingSection : public QWidget {
    Q_OBJECT

public:
    NowPlayingSection(state::RecommendationViewModel& viewModel,
                      i18n::LocalizationManager& localization, artwork::ArtworkLoader& artwork,
                      QWidget* parent = nullptr);

    // The panels shown now, in reading order (for tests).
    QList<QWidget*> panels() const { return m_panels; }

private:
    void rebuild();

    state::RecommendationViewModel& m_viewModel;
    i18n::LocalizationManager& m_localization;
    artwork::ArtworkLoader& m_artwork;
    QWidget* m_content = nullptr;
    QList<QWidget*> m_panels;
};

} // namespace cuevox::views
