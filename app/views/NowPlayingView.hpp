#pragma once

#include "decks/DeckDisplayInfo.hpp"
#include "decks/DeckIdentifier.hpp"
#include "metadata/Track.hpp"

#include <QWidget>
#include <optional>

class QLabel;

namespace cuevox::artwork {
class ArtworkLoader;
}
namespace cuevox::i18n {
class LocalizationManager;
}

namespace cuevox::views {

class ArtworkView;
class ElidedLabel;

// What one deck holds: its name and status, the track's artwork, title, artist and key facts,
// or a warning when the collection has no such track.
class NowPlayingView : public QWidget {
    Q_OBJECT

public:
    struct Inputs {
        std::optional<decks::DeckIdentifier> deck;
        std::optional<metadata::Track> track;
        std::optional<decks::UnresolvedTrackInfo> unresolvedTrackInfo;
        bool isPlaying = false;

        bool operator==(const Inputs&) const = default;

        static Inputs from(const decks::DeckDisplayInfo& display) {
            return {display.deck, display.track, display.unresolvedTrackInfo, display.isPlaying};
        }
    };

    // The localization manager and the loader must outlive the view.
    NowPlayingView(i18n::LocalizationManager& localization, artwork::ArtworkLoader& loader,
                   int artworkSize = 64, QWidget* parent = nullptr);

    void setInputs(Inputs inputs);
    const Inputs& inputs() const { return m_inputs; }

private:
    void refresh();

    i18n::LocalizationManager& m_localization;
    Inputs m_inputs;
    ArtworkView* m_artwork;
    QWidget* m_deckLine;
    QLabel* m_deckName;
    QLabel* m_status;
    ElidedLabel* m_title;
    ElidedLabel* m_artist;
    QWidget* m_metadata;
    QWidget* m_metadataRow;
    QLabel* m_tempo;
    QLabel* m_key;
    QLabel* m_genre;
    QLabel* m_energy;
    QLabel* m_year;
    QWidget* m_warning;
    QLabel* m_warningText;
    ElidedLabel* m_noTrack;
};

} // namespace cuevox::views
