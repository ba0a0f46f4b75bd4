#include "views/TrackListModel.hpp"

#include "i18n/LocalizationManager.hpp"
#include "recommendation/HarmonicCompatibilityService.hpp"
#include "state/RecommendationViewModel.hpp"
#include "views/RowTexts.hpp"
#include "views/ScoreBadge.hpp"
#include "views/Theme.hpp"

#include <QMimeData>
#include <QUrl>
#include <array>
#include <cmath>

namespace cuevox::views {
namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant optionalText(const std::optional<std::string>& text) {
    return text ? QVariant(fromUtf8(*text)) : QVariant();
}

QVariant optionalNumber(const std::optional<int>& number) {
    return number ? QVariant(QString::number(*number)) : QVariant();
}

bool hasFile(const metadata::Track& track) {
    return track.filepath && !track.filepath->empty();
}

using recommendation::KeyMove;
constexpr std::size_t kMoveCount = static_cast<std::size_t>(KeyMove::clash) + 1;

// The harmonic score the list gives each move. The score depends on the move alone, and every
// move is one from 1A: asking the list's own scoring keeps the colours true to the ranking.
double harmonicScoreOf(KeyMove move) {
    static const std::array<double, kMoveCount> scores = [] {
        std::array<double, kMoveCount> byMove{};
        const metadata::CamelotKey from = metadata::CamelotKey::allPositions().front();
        for (const metadata::CamelotKey& to : metadata::CamelotKey::allPositions()) {
            byMove[static_cast<std::size_t>(recommendation::keyMove(from, to))] =
                recommendation::HarmonicCompatibilityService::evaluate(from, to).score;
        }
        return byMove;
    }();
    return scores[static_cast<std::size_t>(move)];
}

} // namespace

TrackListModel::TrackListModel(const state::RecommendationViewModel& viewModel,
                               const i18n::LocalizationManager& localization, QObject* parent)
    : QAbstractListModel(parent), m_viewModel(viewModel), m_localization(localization),
      m_tracks(viewModel.list().tracks) {
    using VM = state::RecommendationViewModel;
    connect(&viewModel, &VM::listChanged, this, &TrackListModel::takeTracks);
    connect(&viewModel, &VM::decksChanged, this, [this] {
        marksChanged({HasBeenPlayedRole, Qt::ForegroundRole, ArtistColorRole, LoadedDeckRole});
    });
    connect(&localization, &i18n::LocalizationManager::languageChanged, this, [this] {
        marksChanged({StyleReasonRole, KeyMoveTextRole, KeyMoveTipRole, KeyTipRole});
    });
}

void TrackListModel::takeTracks() {
    // Every update reloads all rows, even with the same ids: their tracks may have changed.
    beginResetModel();
    m_tracks = m_viewModel.list().tracks;
    endResetModel();
}

void TrackListModel::marksChanged(const QList<int>& roles) {
    if (!m_tracks.empty()) {
        emit dataChanged(index(0), index(rowCount() - 1), roles);
    }
}

int TrackListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_tracks.size());
}

QVariant TrackListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const metadata::Track& track = m_tracks[row];
    const auto played = [&] { return m_viewModel.decks().playedTrackIDs.contains(track.id); };
    switch (role) {
    case Qt::DisplayRole: return fromUtf8(track.title);
    case Qt::ForegroundRole: return played() ? theme::kGreen : theme::kPrimaryText;
    case TrackIDRole: return fromUtf8(track.id);
    case ArtistRole: return fromUtf8(track.artist);
    case ArtistColorRole:
        return played() ? theme::withOpacity(theme::kGreen, 0.8) : theme::kSecondaryText;
    case FilePathRole: return optionalText(track.filepath);
    case HasBeenPlayedRole: return played();
    case LoadedDeckRole: {
        const auto& decks = m_viewModel.decks().loadedTrackDecks;
        const auto found = decks.find(track.id);
        return found == decks.end()
                   ? QVariant()
                   : QVariant(QString::fromLatin1(decks::displayName(found->second).data()));
    }
    case ScoreRole: {
        const std::optional<double>& score = m_tracks.row(row).score;
        return score ? QVariant(*score) : QVariant();
    }
    case TempoTextRole:
        // Always a full stop, whatever the locale.
        return track.bpm ? QVariant(QString::asprintf("%.2f", *track.bpm)) : QVariant();
    case PitchTextRole: {
        const auto& pitch = m_tracks.row(row).pitch;
        return pitch ? QVariant(fromUtf8(pitch->toString())) : QVariant();
    }
    case KeyTextRole: {
        if (!track.camelotKey) {
            return {};
        }
        // With key lock off, beside the key as heard: "8A → 3A", "8A → ≈3A" between two keys.
        QString text = fromUtf8(track.camelotKey->toString());
        if (const auto& heard = m_tracks.row(row).heardKey) {
            text += QStringLiteral(" \u2192 ");
            if (heard->isBetweenKeys()) {
                text += QChar(0x2248);
            }
            text += fromUtf8(heard->key.toString());
        }
        return text;
    }
    case KeyMoveTextRole:
    case KeyMoveColorRole:
    case KeyMoveTipRole: return keyMoveData(row, role);
    case KeyTipRole: return keyTip(row);
    case GenreRole: return optionalText(track.genre);
    case EnergyTextRole: return optionalNumber(track.energy);
    case YearTextRole: return optionalNumber(track.year);
    case LabelRole: return optionalText(track.label);
    case StyleReasonRole: {
        const auto& style = m_tracks.row(row).style;
        return style && style->reason ? QVariant(styleReasonText(*style->reason, m_localization))
                                      : QVariant();
    }
    default: return {};
    }
}

QVariant TrackListModel::keyMoveData(std::size_t row, int role) const {
    const std::optional<KeyMove>& move = m_tracks.row(row).move;
    if (!move || !m_viewModel.modes().modes().showsKeyMoves()) {
        return {};
    }
    switch (role) {
    case KeyMoveTextRole: return keyMoveText(*move, m_localization);
    case KeyMoveColorRole: return ScoreBadge::forScore(harmonicScoreOf(*move))->color;
    default: return keyMoveTip(*move, m_localization);
    }
}

QVariant TrackListModel::keyTip(std::size_t row) const {
    const std::optional<tracklist::HeardKey>& heard = m_tracks.row(row).heardKey;
    if (!heard) {
        return {};
    }
    QString tip = m_localization.t("key.heard_tip");
    if (heard->isBetweenKeys()) {
        // Signed, so that the DJ reads whether it sounds sharp or flat.
        const long cents = std::lround(heard->cents);
        const QString signedCents = (cents < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
                                    QString::number(std::labs(cents));
        tip += QLatin1Char('\n') +
               m_localization.t("key.between_tip").replace(QStringLiteral("%d"), signedCents);
    }
    return tip;
}

Qt::ItemFlags TrackListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return QAbstractListModel::flags(index);
    }
    Qt::ItemFlags flags = QAbstractListModel::flags(index) | Qt::ItemNeverHasChildren;
    if (hasFile(trackAt(index.row()))) {
        flags |= Qt::ItemIsDragEnabled;
    }
    return flags;
}

QStringList TrackListModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

QMimeData* TrackListModel::mimeData(const QModelIndexList& indexes) const {
    QList<QUrl> urls;
    for (const QModelIndex& index : indexes) {
        if (index.isValid() && index.model() == this && hasFile(trackAt(index.row()))) {
            urls << QUrl::fromLocalFile(fromUtf8(*trackAt(index.row()).filepath));
        }
    }
    if (urls.isEmpty()) {
        return nullptr;
    }
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

Qt::DropActions TrackListModel::supportedDragActions() const {
    return Qt::CopyAction;
}

std::optional<int> TrackListModel::rowOf(std::string_view trackID) const {
    for (std::size_t row = 0; row < m_tracks.size(); ++row) {
        if (m_tracks[row].id == trackID) {
            return static_cast<int>(row);
        }
    }
    return std::nullopt;
}

} // namespace cuevox::views
