#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>
#include <functional>
#include <list>
#include <stop_token>

namespace cuevox::artwork {

// The program's bounded cache of artwork thumbnails by audio file path, filled by background
// jobs. Every artwork square shares one instance; it lives on the main thread, and only the
// main thread touches the cache.
class ArtworkLoader : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxCacheSize = 250;
    static constexpr int kMaxDimension = 160;

    // Reads a file's picture bytes on a worker thread; tests count calls through it.
    using Extractor = std::function<QByteArray(const QString& path)>;

    // Reads with extractArtworkData, which a running read leaves at its next block once the
    // loader is destroyed.
    explicit ArtworkLoader(QObject* parent = nullptr);
    explicit ArtworkLoader(Extractor extractor, QObject* parent = nullptr);
    // Drops jobs not yet started, asks running reads to stop and waits for them; their
    // results are discarded.
    ~ArtworkLoader() override;

    // Starts reading the artwork of `path` unless it is empty, cached or being read.
    void loadIfNeeded(const QString& path);

    // True once the file was looked at, whether or not it had artwork.
    bool contains(const QString& path) const { return m_cache.contains(path); }
    // The thumbnail; a null image while unknown or when the file has none.
    QImage image(const QString& path) const;
    bool isLoading(const QString& path) const { return m_inFlight.contains(path); }
    int cacheSize() const { return static_cast<int>(m_cache.size()); }

    // Waits until no job runs and delivers their results; for tests and benchmarks.
    void waitForIdle();

signals:
    // The cache entry of `path` was stored or evicted.
    void artworkChanged(const QString& path);

private:
    struct Entry {
        QImage image;
        std::list<QString>::iterator position;
    };

    void store(const QString& path, QImage image);

    Extractor m_extractor;
    QHash<QString, Entry> m_cache;
    // Oldest stored first; looking at an image does not move it.
    std::list<QString> m_storeOrder;
    QSet<QString> m_inFlight;
    std::stop_source m_stop;
    QThreadPool m_pool;
};

} // namespace cuevox::artwork
