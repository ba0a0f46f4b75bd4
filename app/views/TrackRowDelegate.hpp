#pragma once

#include <QStyledItemDelegate>

namespace cuevox::artwork {
class ArtworkLoader;
}

namespace cuevox::views {

// Paints one track row from the roles of TrackListModel: artwork, title with its deck badge,
// artist, metadata line with the key move's badge, and score badge, on a fixed 62-pixel row.
// Nothing is measured per row. The key and its move badge have tooltips of their own.
class TrackRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 62;
    static constexpr int kArtworkSize = 40;

    // `loader` must outlive the delegate.
    explicit TrackRowDelegate(artwork::ArtworkLoader& loader, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    artwork::ArtworkLoader& m_loader;
};

} // namespace cuevox::views
