#pragma once

#include <QAbstractListModel>
// After Qt's headers: moc cannot parse <compare>, which this one brings, unless Qt included it.
#include "tracklist/TrackListSnapshot.hpp"

#include <optional>
#include <string_view>

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

// The state object's listed tracks as rows, with their score, pitch and key move, and their
// played mark and deck by id. A new list resets the model; new marks change the data of every row.
class TrackListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        TrackIDRole = Qt::UserRole + 1,
        ArtistRole,
        FilePathRole,
        HasBeenPlayedRole,
        // The deck's display name ("DECK 3"); no value when the track is on no deck.
        LoadedDeckRole,
        // A double; no value without a score.
        ScoreRole,
        // The metadata line, each a text or no value when the field is absent.
        TempoTextRole,
        // How to pitch the track to the playing tempo ("+1.6 %"); only in the tempo mode.
        PitchTextRole,
        KeyTextRole,
        GenreRole,
        EnergyTextRole,
        YearTextRole,
        LabelRole,
        // The artist line's colour; Qt::ForegroundRole is the title's.
        ArtistColorRole,
        // In the style mode, why the track may come next, in words; no value without one.
        StyleReasonRole,
        // The move from the playing key to the row's ("+1", "Relative") while the rows show
        // key moves and a track plays; no value otherwise.
        KeyMoveTextRole,
        // The move's colour: the score colour of what the list scores it.
        KeyMoveColorRole,
        // The move in words.
        KeyMoveTipRole,
        // With key lock off: what the key as heard means, and how far between two keys it is.
        KeyTipRole,
    };

    // `viewModel` and `localization` must outlive the model.
    TrackListModel(const state::RecommendationViewModel& viewModel,
                   const i18n::LocalizationManager& localization, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

    // The first row of the track with this id.
    std::optional<int> rowOf(std::string_view trackID) const;
    const metadata::Track& trackAt(int row) const {
        return m_tracks[static_cast<std::size_t>(row)];
    }

private:
    void takeTracks();
    void marksChanged(const QList<int>& roles);

    QVariant keyMoveData(std::size_t row, int role) const;
    QVariant keyTip(std::size_t row) const;

    const state::RecommendationViewModel& m_viewModel;
    const i18n::LocalizationManager& m_localization;
    // Our own copy of the list's shape, so that the row count changes only inside a reset.
    tracklist::TrackListSnapshot m_tracks;
};

} // namespace cuevox::views
