#include "artwork/ArtworkLoader.hpp"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QSignalSpy>
#include <atomic>
#include <mutex>

namespace cuevox::artwork {
namespace {

QByteArray png(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

// Pretends to read files: paths starting with "art" have a 320 × 240 picture, others none.
// Counts every read, from whichever thread it comes; while the test holds `gate`, reads wait.
class FakeFiles {
public:
    ArtworkLoader::Extractor extractor() {
        return [this](const QString& path) {
            {
                std::lock_guard lock(m_mutex);
                ++m_reads[path];
            }
            ++m_total;
            m_total.notify_all();
            const std::lock_guard wait(gate);
            return path.startsWith(QStringLiteral("art")) ? m_picture : QByteArray();
        };
    }
    int reads(const QString& path) {
        std::lock_guard lock(m_mutex);
        return m_reads.value(path);
    }
    int totalReads() const { return m_total; }
    void waitForReads(int count) const {
        for (int now = m_total; now < count; now = m_total) {
            m_total.wait(now);
        }
    }

    std::mutex gate;

private:
    const QByteArray m_picture = png(320, 240);
    std::mutex m_mutex;
    QHash<QString, int> m_reads;
    std::atomic<int> m_total = 0;
};

TEST(ArtworkLoaderTest, ReadsEachPathOnceAndRemembersFilesWithoutArtwork) {
    FakeFiles files;
    ArtworkLoader loader(files.extractor());
    QSignalSpy changed(&loader, &ArtworkLoader::artworkChanged);
    // Asked for by several squares at once, before and after the result is in.
    files.gate.lock();
    for (int i = 0; i < 3; ++i) {
        loader.loadIfNeeded(QStringLiteral("art/1.mp3"));
        loader.loadIfNeeded(QStringLiteral("none/2.mp3"));
        loader.loadIfNeeded(QString());
    }
    EXPECT_TRUE(loader.isLoading(QStringLiteral("art/1.mp3")));
    EXPECT_FALSE(loader.contains(QStringLiteral("art/1.mp3")));
    EXPECT_FALSE(loader.isLoading(QString()));
    files.gate.unlock();
    loader.waitForIdle();
    loader.loadIfNeeded(QStringLiteral("art/1.mp3"));
    loader.loadIfNeeded(QStringLiteral("none/2.mp3"));
    loader.waitForIdle();
    EXPECT_EQ(files.reads(QStringLiteral("art/1.mp3")), 1);
    EXPECT_EQ(files.reads(QStringLiteral("none/2.mp3")), 1);
    EXPECT_EQ(files.totalReads(), 2) << "an empty path is never read";
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(loader.cacheSize(), 2);
    EXPECT_EQ(loader.image(QStringLiteral("art/1.mp3")).size(), QSize(160, 120));
    EXPECT_TRUE(loader.image(QStringLiteral("none/2.mp3")).isNull());
    EXPECT_TRUE(loader.image(QStringLiteral("never/asked.mp3")).isNull());
}

TEST(ArtworkLoaderTest, EvictsInStoringOrderBeyond250AndOnDestructionWaitsAndDeliversNothing) {
    FakeFiles files;
    ArtworkLoader loader(files.extractor());
    const auto path = [](int i) { return QStringLiteral("art/%1.mp3").arg(i); };
    for (int i = 0; i < ArtworkLoader::kMaxCacheSize; ++i) {
        loader.loadIfNeeded(path(i));
        loader.waitForIdle(); // one at a time, so the storing order is known
    }
    EXPECT_EQ(loader.cacheSize(), 250);
    // Looking at the oldest does not make it younger.
    EXPECT_FALSE(loader.image(path(0)).isNull());
    QSignalSpy changed(&loader, &ArtworkLoader::artworkChanged);
    loader.loadIfNeeded(path(250));
    loader.waitForIdle();
    EXPECT_EQ(loader.cacheSize(), 250);
    EXPECT_FALSE(loader.contains(path(0)));
    EXPECT_TRUE(loader.contains(path(1)));
    EXPECT_TRUE(loader.contains(path(250)));
    // The new image and the evicted one both announce themselves, so squares redraw.
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(1).at(0).toString(), path(0));
    loader.loadIfNeeded(path(0));
    loader.waitForIdle();
    EXPECT_EQ(files.reads(path(0)), 2);
    EXPECT_FALSE(loader.contains(path(1)));
    // A loader destroyed with jobs in flight waits for them and delivers nothing.
    FakeFiles inFlight;
    int delivered = 0;
    {
        ArtworkLoader doomed(inFlight.extractor());
        QObject::connect(&doomed, &ArtworkLoader::artworkChanged, [&delivered] { ++delivered; });
        inFlight.gate.lock();
        for (int i = 0; i < 6; ++i) {
            doomed.loadIfNeeded(QStringLiteral("art/%1.mp3").arg(i));
        }
        // Both workers are inside a read when they are let go; the loader goes at once.
        inFlight.waitForReads(2);
        inFlight.gate.unlock();
    }
    // Results posted to the destroyed loader must not run now.
    QCoreApplication::processEvents();
    EXPECT_EQ(delivered, 0);
    EXPECT_LE(inFlight.totalReads(), 6);
}

} // namespace
} // namespace cuevox::artwork
