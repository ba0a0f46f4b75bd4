#include "artwork/ArtworkLoader.hpp"

#include "artwork/EmbeddedArtwork.hpp"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

namespace cuevox::artwork {

ArtworkLoader::ArtworkLoader(QObject* parent)
    : ArtworkLoader(
          [this](const QString& path) { return extractArtworkData(path, m_stop.get_token()); },
          parent) {}

ArtworkLoader::ArtworkLoader(Extractor extractor, QObject* parent)
    : QObject(parent), m_extractor(std::move(extractor)) {
    // Reading is disk-bound; two jobs keep a scroll through the list moving without crowding
    // the machine, at a priority above background work because the user is looking.
    m_pool.setMaxThreadCount(2);
    m_pool.setThreadPriority(QThread::HighPriority);
}

ArtworkLoader::~ArtworkLoader() {
    m_stop.request_stop();
    m_pool.clear();
    m_pool.waitForDone();
    // Results already posted are addressed to this object and die with it (~QObject removes
    // its posted events), so no callback reaches a destroyed loader.
}

QImage ArtworkLoader::image(const QString& path) const {
    const auto found = m_cache.constFind(path);
    return found == m_cache.constEnd() ? QImage() : found->image;
}

void ArtworkLoader::loadIfNeeded(const QString& path) {
    if (path.isEmpty() || m_cache.contains(path) || m_inFlight.contains(path)) {
        return;
    }
    m_inFlight.insert(path);
    m_pool.start([this, path, extractor = m_extractor] {
        const QByteArray bytes = extractor(path);
        QImage image = bytes.isEmpty() ? QImage() : downsampledImage(bytes, kMaxDimension);
        QMetaObject::invokeMethod(
            this,
            [this, path, image = std::move(image)]() mutable {
                store(path, std::move(image));
                m_inFlight.remove(path);
            },
            Qt::QueuedConnection);
    });
}

void ArtworkLoader::store(const QString& path, QImage image) {
    if (auto found = m_cache.find(path); found != m_cache.end()) {
        m_storeOrder.erase(found->position);
        m_cache.erase(found);
    }
    m_storeOrder.push_back(path);
    m_cache.insert(path, Entry{std::move(image), std::prev(m_storeOrder.end())});
    emit artworkChanged(path);

    while (m_cache.size() > kMaxCacheSize && !m_storeOrder.empty()) {
        const QString oldest = m_storeOrder.front();
        m_storeOrder.pop_front();
        m_cache.remove(oldest);
        emit artworkChanged(oldest);
    }
}

void ArtworkLoader::waitForIdle() {
    while (!m_inFlight.isEmpty()) {
        m_pool.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

} // namespace cuevox::artwork
