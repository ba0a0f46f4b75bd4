#include "artwork/ArtworkLoader.hpp"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

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
// Counts every read, from whichever thread it comes.
class CountingFiles {
public:
    ArtworkLoader::Extractor extractor(std::chrono::milliseconds delay = {}) {
        return [this, delay](const QString& path) {
            std::this_thread::sleep_for(delay);
            {
                std::lock_guard lock(m_mutex);
                ++m_reads[path];
            }
            return path.startsWith(QStringLiteral("art")) ? m_picture : QByteArray();
        };
    }
    int reads(const QString& path) {
        std::lock_guard lock(m_mutex);
        return m_reads.value(path);
    }
    int totalReads() {
        std::lock_guard lock(m_mutex);
        int total = 0;
        for (int count : m_reads) {
            total += count;
        }
        return total;
    }

private:
    const QByteArray m_picture = png(320, 240);
    std::mutex m_mutex;
    QHash<QString, int> m_reads;
};

TEST(ArtworkLoaderTest, ReadsEachPathOnceAndRemembersFilesWithoutArtwork) {
    CountingFiles files;
    ArtworkLoader loader(files.extractor(std::chrono::milliseconds(20)));
    QSignalSpy changed(&loader, &ArtworkLoader::artworkChanged);

    // Asked for by several squares at once, before and after the result is in.
    for (int i = 0; i < 3; ++i) {
        loader.loadIfNeeded(QStringLiteral("art/1.mp3"));
        loader.loadIfNeeded(QStringLiteral("none/2.mp3"));
    }
    EXPECT_TRUE(loader.isLoading(QStringLiteral("art/1.mp3")));
    EXPECT_FALSE(loader.contains(QStringLiteral("art/1.mp3")));
    loader.waitForIdle();
    for (int i = 0; i < 3; ++i) {
        loader.loadIfNeeded(QStringLiteral("art/1.mp3"));
        loader.loadIfNeeded(QStringLiteral("none/2.mp3"));
    }
    loader.waitForIdle();

    EXPECT_EQ(files.reads(QStringLiteral("art/1.mp3")), 1);
    EXPECT_EQ(files.reads(QStringLiteral("none/2.mp3")), 1);
    EXPECT_EQ(changed.count(), 2);
    EXPECT_FALSE(loader.isLoading(QStringLiteral("art/1.mp3")));

    EXPECT_TRUE(loader.contains(QStringLiteral("art/1.mp3")));
    EXPECT_EQ(loader.image(QStringLiteral("art/1.mp3")).size(), QSize(160, 120));
    EXPECT_TRUE(loader.contains(QStringLiteral("none/2.mp3")));
    EXPECT_TRUE(loader.image(QStringLiteral("none/2.mp3")).isNull());
    EXPECT_TRUE(loader.image(QStringLiteral("never/asked.mp3")).isNull());
}

TEST(ArtworkLoaderTest, AnEmptyPathIsNeverLoaded) {
    CountingFiles files;
    ArtworkLoader loader(files.extractor());
    loader.loadIfNeeded(QString());
    loader.loadIfNeeded(QStringLiteral(""));
    EXPECT_FALSE(loader.isLoading(QString()));
    loader.waitForIdle();
    QCoreApplication::processEvents();
    EXPECT_EQ(files.totalReads(), 0);
    EXPECT_EQ(loader.cacheSize(), 0);
}

TEST(ArtworkLoaderTest, EvictsInStoringOrderBeyond250AndReadsAnEvictedPathAgain) {
    CountingFiles files;
    ArtworkLoader loader(files.extractor());
    const auto path = [](int i) {
        return QStringLiteral("art/%1.mp3").arg(i);
    };
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
    EXPECT_EQ(files.reads(path(1)), 1);
}

TEST(ArtworkLoaderTest, DestroyingWithJobsInFlightWaitsAndDeliversNothing) {
    CountingFiles files;
    int delivered = 0;
    {
        ArtworkLoader loader(files.extractor(std::chrono::milliseconds(30)));
        QObject::connect(&loader, &ArtworkLoader::artworkChanged, [&delivered] { ++delivered; });
        for (int i = 0; i < 6; ++i) {
            loader.loadIfNeeded(QStringLiteral("art/%1.mp3").arg(i));
        }
        // Let the first jobs start and some results be posted before the loader goes.
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    // Results posted to the destroyed loader must not run now.
    QCoreApplication::processEvents();
    QTest::qWait(50);
    EXPECT_EQ(delivered, 0);
    EXPECT_LE(files.totalReads(), 6);
    EXPECT_GE(files.totalReads(), 1);
}

} // namespace
} // namespace cuevox::artwork
