#include "views/TrackRowDelegate.hpp"

#include "artwork/ArtworkLoader.hpp"
#include "views/ArtworkPainter.hpp"
#include "views/Icons.hpp"
#include "views/Pill.hpp"
#include "views/ScoreBadge.hpp"
#include "views/Theme.hpp"
#include "views/TrackListModel.hpp"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace cuevox::views {
namespace {

constexpr int kPaddingVertical = 6;
constexpr int kPaddingHorizontal = 12;
constexpr int kSpacing = 12;
constexpr int kLineSpacing = 3;
constexpr int kMetadataSpacing = 10;
constexpr int kIconTextGap = 3;
constexpr int kPitchGap = 5;
constexpr int kMoveBadgePadding = 4;
constexpr qreal kMoveBadgeRadius = 4;

// Fonts and their metrics, made once: painting a row must not build them again.
struct Fonts {
    QFont body = theme::font(theme::TextStyle::body);
    QFont caption = theme::font(theme::TextStyle::caption);
    QFont caption2 = theme::font(theme::TextStyle::caption2);
    QFont badge = theme::font(theme::TextStyle::caption, QFont::DemiBold);
    QFontMetrics bodyMetrics{body};
    QFontMetrics captionMetrics{caption};
    QFontMetrics caption2Metrics{caption2};
    QFontMetrics badgeMetrics{badge};
};

const Fonts& fonts() {
    static const Fonts instance;
    return instance;
}

// The score badge's box, its right edge at `right`, centred on `centreY`.
QRectF scoreBadgeBox(const ScoreBadge& badge, int right, int centreY) {
    const Fonts& f = fonts();
    const theme::PillMetrics& metrics = theme::kScoreBadge;
    const int width = f.badgeMetrics.horizontalAdvance(badge.text) + 2 * metrics.horizontalPadding;
    const int height = f.badgeMetrics.height() + 2 * metrics.verticalPadding;
    return {static_cast<qreal>(right - width), centreY - height / 2.0, static_cast<qreal>(width),
            static_cast<qreal>(height)};
}

void paintScoreBadge(QPainter& painter, const ScoreBadge& badge, const QRectF& box) {
    theme::paintCapsule(painter, box, theme::withOpacity(badge.color, 0.15),
                        theme::withOpacity(badge.color, 0.5), theme::kScoreBadgeRadius);
    painter.setFont(fonts().badge);
    painter.setPen(badge.color);
    painter.drawText(box, Qt::AlignCenter, badge.text);
}

// The parts of a row beside its artwork: the score badge at the right, the three lines of text
// from `left` to `right`, the metadata line from `metadataTop`.
struct RowLayout {
    std::optional<ScoreBadge> badge;
    QRectF badgeBox;
    int left;
    int right;
    int metadataTop;
};

RowLayout layOutRow(const QRect& row, const QModelIndex& index) {
    const Fonts& f = fonts();
    RowLayout layout;
    layout.left = row.left() + kPaddingHorizontal + TrackRowDelegate::kArtworkSize + kSpacing;
    layout.right = row.right() - kPaddingHorizontal;
    const QVariant score = index.data(TrackListModel::ScoreRole);
    layout.badge =
        ScoreBadge::forScore(score.isValid() ? std::optional(score.toDouble()) : std::nullopt);
    if (layout.badge) {
        // The last pixel line is the divider.
        layout.badgeBox =
            scoreBadgeBox(*layout.badge, layout.right, (row.top() + row.bottom()) / 2);
        layout.right = static_cast<int>(layout.badgeBox.left()) - kSpacing;
    }
    layout.metadataTop = row.top() + kPaddingVertical + f.bodyMetrics.height() + kLineSpacing +
                         f.captionMetrics.height() + kLineSpacing;
    return layout;
}

// Where the key of a row's metadata line stands, and its move badge when it has one.
struct KeyPlaces {
    QRect key;
    QRect move;
};

// Draws the key move's badge with its left edge at `left` on a line from `top`; returns its box.
QRect paintMoveBadge(QPainter* painter, const QModelIndex& index, int left, int top, int right) {
    const QString text = index.data(TrackListModel::KeyMoveTextRole).toString();
    const Fonts& f = fonts();
    const int width = f.caption2Metrics.horizontalAdvance(text) + 2 * kMoveBadgePadding;
    if (text.isEmpty() || left + width > right) {
        return {};
    }
    const QRect box(left, top, width, f.caption2Metrics.height());
    if (painter) {
        const auto colour = index.data(TrackListModel::KeyMoveColorRole).value<QColor>();
        theme::paintCapsule(*painter, box, theme::withOpacity(colour, 0.15),
                            theme::withOpacity(colour, 0.5), kMoveBadgeRadius);
        painter->setPen(colour);
        painter->drawText(box, Qt::AlignCenter, text);
        painter->setPen(theme::kSecondaryText);
    }
    return box;
}

// Lays out the metadata line from `topLeft` to `right`, and paints it when given a painter.
KeyPlaces layOutMetadata(QPainter* painter, const QModelIndex& index, QPoint topLeft, int right,
                         qreal pixelRatio) {
    static constexpr std::array<std::pair<int, Icon>, 6> kItems{{
        {TrackListModel::TempoTextRole, Icon::tempo},
        {TrackListModel::KeyTextRole, Icon::key},
        {TrackListModel::GenreRole, Icon::genre},
        {TrackListModel::EnergyTextRole, Icon::energy},
        {TrackListModel::YearTextRole, Icon::year},
        {TrackListModel::LabelRole, Icon::label},
    }};
    const Fonts& f = fonts();
    const int lineHeight = f.caption2Metrics.height();
    const int iconSize = lineHeight - 2;
    if (painter) {
        painter->setFont(f.caption2);
        painter->setPen(theme::kSecondaryText);
    }
    KeyPlaces places;
    int x = topLeft.x();
    for (const auto& [role, icon] : kItems) {
        const QVariant value = index.data(role);
        if (!value.isValid()) {
            continue;
        }
        const int room = right - x - iconSize - kIconTextGap;
        if (room <= 0) {
            break;
        }
        if (painter) {
            painter->drawPixmap(QPoint(x, topLeft.y() + (lineHeight - iconSize) / 2),
                                iconPixmap(icon, theme::kSecondaryText, iconSize, pixelRatio));
        }
        x += iconSize + kIconTextGap;
        const int baseline = topLeft.y() + f.caption2Metrics.ascent();
        const QString text = f.caption2Metrics.elidedText(value.toString(), Qt::ElideRight, room);
        if (painter) {
            painter->drawText(QPoint(x, baseline), text);
        }
        const int textLeft = x;
        x += f.caption2Metrics.horizontalAdvance(text);
        if (role == TrackListModel::KeyTextRole) {
            places.key = QRect(textLeft, topLeft.y(), x - textLeft, lineHeight);
            places.move = paintMoveBadge(painter, index, x + kPitchGap, topLeft.y(), right);
            x = places.move.isNull() ? x : places.move.right() + 1;
        }
        // Beside the tempo it changes, in the colour of an active mode.
        const QString pitch = role == TrackListModel::TempoTextRole
                                  ? index.data(TrackListModel::PitchTextRole).toString()
                                  : QString();
        if (!pitch.isEmpty() && right - x > kPitchGap) {
            const QString shown =
                f.caption2Metrics.elidedText(pitch, Qt::ElideRight, right - x - kPitchGap);
            if (painter) {
                painter->setPen(theme::kAccent);
                painter->drawText(QPoint(x + kPitchGap, baseline), shown);
                painter->setPen(theme::kSecondaryText);
            }
            x += kPitchGap + f.caption2Metrics.horizontalAdvance(shown);
        }
        x += kMetadataSpacing;
    }
    return places;
}

} // namespace

TrackRowDelegate::TrackRowDelegate(artwork::ArtworkLoader& loader, QObject* parent)
    : QStyledItemDelegate(parent), m_loader(loader) {}

QSize TrackRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), kRowHeight};
}

bool TrackRowDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                 const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    // Over the key as heard, what it means; over the move badge, the move in words.
    const RowLayout layout = layOutRow(option.rect, index);
    const KeyPlaces places =
        layOutMetadata(nullptr, index, QPoint(layout.left, layout.metadataTop), layout.right, 1.0);
    const auto [tip, place] =
        places.move.contains(event->pos())
            ? std::pair(index.data(TrackListModel::KeyMoveTipRole).toString(), places.move)
            : std::pair(index.data(TrackListModel::KeyTipRole).toString(), places.key);
    if (tip.isEmpty() || !place.contains(event->pos())) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), tip, view->viewport(), place);
    return true;
}

void TrackRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const Fonts& f = fonts();
    const QRect row = option.rect;
    const qreal pixelRatio =
        painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
    painter->save();
    if (option.state & QStyle::State_Selected) {
        painter->fillRect(row, option.palette.color(QPalette::Highlight));
    }

    // The row shows its artwork when it first paints; the loader remembers the rest.
    const QString path = index.data(TrackListModel::FilePathRole).toString();
    m_loader.loadIfNeeded(path);
    const QRect artwork(row.left() + kPaddingHorizontal, row.top() + kPaddingVertical, kArtworkSize,
                        kArtworkSize);
    ArtworkPainter::paint(*painter, artwork, m_loader.image(path));

    const RowLayout layout = layOutRow(row, index);
    if (layout.badge) {
        paintScoreBadge(*painter, *layout.badge, layout.badgeBox);
    }
    const int textLeft = layout.left;
    const int textRight = layout.right;
    int y = row.top() + kPaddingVertical;

    // Title, then the deck's name in the same line when the track is loaded.
    const QString deck = index.data(TrackListModel::LoadedDeckRole).toString();
    const QString deckText = deck.isEmpty() ? QString() : QLatin1Char(' ') + deck;
    const int deckWidth = deck.isEmpty() ? 0 : f.caption2Metrics.horizontalAdvance(deckText);
    const QString title =
        f.bodyMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                 std::max(0, textRight - textLeft - deckWidth));
    const int baseline = y + f.bodyMetrics.ascent();
    painter->setFont(f.body);
    painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
    painter->drawText(QPoint(textLeft, baseline), title);
    if (!deck.isEmpty()) {
        painter->setFont(f.caption2);
        painter->setPen(theme::kGreen);
        painter->drawText(QPoint(textLeft + f.bodyMetrics.horizontalAdvance(title), baseline),
                          deckText);
    }
    y += f.bodyMetrics.height() + kLineSpacing;

    // In the style mode, why the track may come next, at the end of the artist line; it takes
    // at most half the line.
    int artistRight = textRight;
    if (const QString reason = index.data(TrackListModel::StyleReasonRole).toString();
        !reason.isEmpty()) {
        const QString shown = f.caption2Metrics.elidedText(reason, Qt::ElideRight,
                                                           std::max(0, textRight - textLeft) / 2);
        const int width = f.caption2Metrics.horizontalAdvance(shown);
        painter->setFont(f.caption2);
        painter->setPen(theme::kAccent);
        painter->drawText(QPoint(textRight - width, y + f.captionMetrics.ascent()), shown);
        artistRight = textRight - width - kSpacing;
    }
    painter->setFont(f.caption);
    painter->setPen(index.data(TrackListModel::ArtistColorRole).value<QColor>());
    painter->drawText(QPoint(textLeft, y + f.captionMetrics.ascent()),
                      f.captionMetrics.elidedText(index.data(TrackListModel::ArtistRole).toString(),
                                                  Qt::ElideRight,
                                                  std::max(0, artistRight - textLeft)));

    layOutMetadata(painter, index, QPoint(textLeft, layout.metadataTop), textRight, pixelRatio);

    painter->setPen(theme::kDivider);
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    painter->restore();
}

} // namespace cuevox::views
