#include "artwork/EmbeddedArtwork.hpp"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <future>
#include <optional>
#include <sys/stat.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <thread>

namespace cuevox::artwork {
namespace {

QByteArray encoded(const QImage& image, const char* format,
                   QImageIOHandler::Transformations transformation = {}) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(transformation);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

// Left half red, right half blue, so orientation and cropping can be seen.
QImage halves(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, width / 2, height, QColor(255, 0, 0));
    return image;
}

// Ten silent MPEG-1 layer III frames (128 kbit/s, 44.1 kHz) with no tag.
QByteArray mpegFrames() {
    return (QByteArray("\xFF\xFB\x90\x00", 4) + QByteArray(413, '\0')).repeated(10);
}

// A FLAC stream of only its STREAMINFO block (last block, 34 bytes): block sizes 4096, no frame
// sizes, 44.1 kHz, stereo, 16 bits, no samples, no MD5.
QByteArray flacHeader() {
    return QByteArray::fromHex("664c6143"
                               "80000022"
                               "10001000"
                               "000000000000"
                               "0ac442f000000000") +
           QByteArray(16, '\0');
}

// On a thread of its own, so a read that blocks or never ends fails the test instead of hanging
// it (the thread is left behind).
std::optional<QByteArray> extractWithin(const QString& path, std::chrono::seconds limit) {
    std::packaged_task<QByteArray()> task([path] { return extractArtworkData(path); });
    std::future<QByteArray> result = task.get_future();
    std::thread(std::move(task)).detach();
    if (result.wait_for(limit) != std::future_status::ready) {
        return std::nullopt;
    }
    return result.get();
}

class EmbeddedArtworkTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = directory.filePath(name);
        std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary)
            << bytes.toStdString();
        return path;
    }

    QString mp3WithPictures(const QString& name, const std::vector<QByteArray>& pictures) {
        const QString path = write(name, mpegFrames());
        TagLib::MPEG::File file(QFile::encodeName(path).constData());
        TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
        tag->setTitle("Tagged");
        for (const QByteArray& picture : pictures) {
            auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
            frame->setMimeType("image/png");
            frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
            frame->setPicture(
                TagLib::ByteVector(picture.constData(), static_cast<unsigned>(picture.size())));
            tag->addFrame(frame);
        }
        EXPECT_TRUE(file.save());
        return path;
    }

    QString flacWithPicture(const QString& name, const QByteArray& picture) {
        const QString path = write(name, flacHeader());
        TagLib::FLAC::File file(QFile::encodeName(path).constData());
        auto* block = new TagLib::FLAC::Picture;
        block->setType(TagLib::FLAC::Picture::FrontCover);
        block->setMimeType("image/jpeg");
        block->setData(
            TagLib::ByteVector(picture.constData(), static_cast<unsigned>(picture.size())));
        file.addPicture(block);
        EXPECT_TRUE(file.save());
        return path;
    }

    QTemporaryDir directory;
};

TEST_F(EmbeddedArtworkTest, FirstEmbeddedPictureOfEachFormatOrNothing) {
    const QByteArray first = encoded(halves(40, 20), "png");
    const QByteArray second = encoded(halves(10, 10), "png");
    const QByteArray jpeg = encoded(halves(30, 30), "jpeg");
    const QString fifo = directory.filePath("fifo.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = directory.filePath("zero.mp3");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    // TagLib scans a large MP3 for its tag (79 s for a gigabyte of zeros); none is that large.
    const QString huge = mp3WithPictures("huge.mp3", {first});
    ASSERT_TRUE(QFile::resize(huge, qint64{1} << 30)); // sparse: the picture is at its start
    // clang-format off
    const struct { const char* name; QString path; QByteArray expected; } cases[] = {
        {"MP3 with two pictures", mp3WithPictures("two.mp3", {first, second}), first},
        {"FLAC picture block", flacWithPicture("cover.flac", jpeg), jpeg},
        {"MP3 tagged without picture", mp3WithPictures("none.mp3", {}), {}},
        {"MP3 without any tag", write("bare.mp3", mpegFrames()), {}},
        {"text named like audio", write("notes.mp3", "not audio at all"), {}},
        {"unknown extension", write("cover.xyz", first), {}},
        {"missing file", directory.filePath("missing.mp3"), {}},
        {"empty path", QString(), {}},
        {"FIFO without a writer", fifo, {}},
        {"endless device named like audio", zero, {}},
        {"1 GiB with a picture", huge, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(extractWithin(c.path, std::chrono::seconds(10)), c.expected) << c.name;
    }
    // A loader that closes asks its reads to stop, and a read that is asked reads no more.
    std::stop_source stop;
    stop.request_stop();
    EXPECT_EQ(extractArtworkData(cases[0].path, stop.get_token()), QByteArray());
}

TEST_F(EmbeddedArtworkTest, ThumbnailsKeepProportionsAndOrientationNeverGrowAndNeedAPicture) {
    // The top left corner is red unless the picture is turned.
    // clang-format off
    const struct { const char* name; QByteArray bytes; QSize size; QRgb corner; } cases[] = {
        {"wide", encoded(halves(400, 200), "png"), {160, 80}, qRgb(255, 0, 0)},
        {"tall", encoded(halves(300, 600), "png"), {80, 160}, qRgb(255, 0, 0)},
        {"small stays small", encoded(halves(100, 50), "png"), {100, 50}, qRgb(255, 0, 0)},
        // Stored 400 × 200 with "turn a quarter clockwise": shown 100 × 200 → 80 × 160, the red
        // half on top.
        {"turned by its orientation tag", encoded(halves(400, 200), "jpeg", QImageIOHandler::TransformationRotate90), {80, 160}, qRgb(255, 0, 0)},
        {"mirrored", encoded(halves(400, 200), "jpeg", QImageIOHandler::TransformationMirror), {160, 80}, qRgb(0, 0, 255)},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage thumbnail = downsampledImage(c.bytes, 160);
        ASSERT_FALSE(thumbnail.isNull());
        EXPECT_EQ(thumbnail.size(), c.size);
        EXPECT_NEAR(thumbnail.pixelColor(2, 2).red(), qRed(c.corner), 40);
        EXPECT_NEAR(thumbnail.pixelColor(2, 2).blue(), qBlue(c.corner), 40);
    }
    const QByteArray png = encoded(halves(40, 40), "png");
    for (const QByteArray& bytes : {QByteArray("garbage"), png.left(30)}) {
        EXPECT_TRUE(downsampledImage(bytes, 160).isNull()) << bytes.size();
    }
    EXPECT_TRUE(downsampledImage(png, 0).isNull());
}

} // namespace
} // namespace cuevox::artwork
