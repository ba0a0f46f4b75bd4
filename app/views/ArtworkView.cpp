#include "views/ArtworkView.hpp"

#include "artwork/ArtworkLoader.hpp"
#include "views/ArtworkPainter.hpp"

#include <QPainter>

namespace cuevox::views {

ArtworkView::ArtworkView(artwork::ArtworkLoader& loader, int size, QWidget* parent)
    : QWidget(parent), m_loader(loader) {
    setFixedSize(size, size);
    connect(&m_loader, &artwork::ArtworkLoader::artworkChanged, this, [this](const QString& path) {
        if (path == m_path) {
            update();
        }
    });
}

void ArtworkView::setFilepath(const QString& path) {
    if (path == m_path) {
        return;
    }
    m_path = path;
    if (isVisible()) {
        m_loader.loadIfNeeded(m_path);
    }
    update();
}

void ArtworkView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_loader.loadIfNeeded(m_path);
}

void ArtworkView::paintEvent(QPaintEvent*) {
    // Also brings back an image the cache evicted while it was on screen.
    m_loader.loadIfNeeded(m_path);
    QPainter painter(this);
    ArtworkPainter::paint(painter, QRectF(rect()), m_loader.image(m_path));
}

} // namespace cuevox::views
