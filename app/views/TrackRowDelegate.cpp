#include "views/TrackRowDelegate.hpp"

#include "artwork/ArtworkLoader.hpp"
#include "views/ArtworkPainter.hpp"
#include "views/Icons.hpp"
#include "views/Pill.hpp"
#include "views/ScoreBadge.hpp"
#include "views/Theme.hpp"
#include "views/TrackListModel.hpp"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
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

// Draws the badge with its right edge at `right`, centred on `centreY`; returns its left edge.
int paintScoreBadge(QPainter& painter, const ScoreBadge& badge, int right, int centreY) {
    const Fonts& f = fonts();
    const theme::PillMetrics& metrics = theme::kScoreBadge;
    const int width = f.badgeMetrics.horizontalAdvance(badge.text) + 2 * metrics.horizontalPadding;
    const int height = f.badgeMetrics.height() + 2 * metrics.verticalPadding;
    const QRectF box(right - width, centreY - height / 2.0, width, height);
    theme::paintCapsule(painter, box, theme::withOpacity(badge.color, 0.15),
                        theme::withOpacity(badge.color, 0.5), theme::kScoreBadgeRadius);
    painter.setFont(f.badge);
    painter.setPen(badge.color);
    painter.drawText(box, Qt::AlignCenter, badge.text);
    return static_cast<int>(box.left());
}

void paintMetadata(QPainter& painter, const QModelIndex& index, QPoint topLeft, int right,
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
    painter.setFont(f.caption2);
    painter.setPen(theme::kSecondaryText);
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
        painter.drawPixmap(QPoint(x, topLeft.y() + (lineHeight - iconSize) / 2),
                           iconPixmap(icon, theme::kSecondaryText, iconSize, pixelRatio));
        x += iconSize + kIconTextGap;
        const int baseline = topLeft.y() + f.caption2Metrics.ascent();
        const QString text = f.caption2Metrics.elidedText(value.toString(), Qt::ElideRight, room);
        painter.drawText(QPoint(x, baseline), text);
        x += f.caption2Metrics.horizontalAdvance(text);
        // Beside the tempo it changes, in the colour of an active mode.
        const QString pitch = role == TrackListModel::TempoTextRole
                                  ? index.data(TrackListModel::PitchTextRole).toString()
                                  : QString();
        if (!pitch.isEmpty() && right - x > kPitchGap) {
            const QString shown =
                f.caption2Metrics.elidedText(pitch, Qt::ElideRight, right - x - kPitchGap);
            painter.setPen(theme::kAccent);
            painter.drawText(QPoint(x + kPitchGap, baseline), shown);
            painter.setPen(theme::kSecondaryText);
            x += kPitchGap + f.caption2Metrics.horizontalAdvance(shown);
        }
        x += kMetadataSpacing;
    }
}

} // namespace

TrackRowDelegate::TrackRowDelegate(artwork::ArtworkLoader& loader, QObject* parent)
    : QStyledItemDelegate(parent), m_loader(loader) {}

QSize TrackRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), kRowHeight};
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

    const int contentBottom = row.bottom(); // the last pixel line is the divider
    int textRight = row.right() - kPaddingHorizontal;
    const QVariant score = index.data(TrackListModel::ScoreRole);
    if (const auto badge = ScoreBadge::forScore(score.isValid() ? std::optional(score.toDouble())
                                                                : std::nullopt)) {
        const int left =
            paintScoreBadge(*painter, *badge, textRight, (row.top() + contentBottom) / 2);
        textRight = left - kSpacing;
    }

    const int textLeft = artwork.right() + 1 + kSpacing;
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
    y += f.captionMetrics.height() + kLineSpacing;

    paintMetadata(*painter, index, QPoint(textLeft, y), textRight, pixelRatio);

    painter->setPen(theme::kDivider);
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    painter->restore();
}

} // namespace cuevox::views
