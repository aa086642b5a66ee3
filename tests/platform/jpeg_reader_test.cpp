#include "platform/jpeg_reader.h"

#include "platform/jpeg_writer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <algorithm>
#include <cstring>
#include <vector>

namespace lumina {
namespace {

// Colour edges and gradients: what subsampling and the DCT make the most of.
QImage Pattern(int w, int h, QImage::Format format) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool edge = (x / 7 + y / 5) % 2 == 0;
            image.setPixel(x, y, qRgb(edge ? 250 : 3 * x % 256, (x * y) % 256, edge ? 10 : y));
        }
    }
    return image.convertToFormat(format);
}

std::vector<std::uint8_t> QtJpeg(const QImage& image, int quality, bool progressive) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image));
    return {data.begin(), data.end()};
}

bool SamePixels(const ArgbImage& a, const ArgbImage& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y) {
        if (std::memcmp(a.Row(y), b.Row(y), static_cast<size_t>(a.Width()) * 4) != 0)
            return false;
    }
    return true;
}

// The direct decoder gives Qt's reader's pixels, for the kinds of JPEG the program meets.
TEST(DecodeJpegDirect, GivesThePixelsOfQtsReader) {
    const QImage colour = Pattern(61, 43, QImage::Format_RGB32);
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"4:2:0 at 75", QtJpeg(colour, 75, false)},
        {"progressive", QtJpeg(colour, 90, true)},
        {"grey", QtJpeg(Pattern(61, 43, QImage::Format_Grayscale8), 80, false)},
        {"4:4:4 at 100, the round trip's", *EncodeJpeg444(ArgbImage(colour), 100)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedImage qt = DecodeImage(c.bytes, "jpeg", 1 << 20);
        const DecodedImage direct = DecodeJpegDirect(c.bytes, 1 << 20);
        ASSERT_EQ(qt.status, DecodeStatus::Ok);
        ASSERT_EQ(direct.status, DecodeStatus::Ok);
        EXPECT_FALSE(direct.hadAlpha);
        EXPECT_TRUE(SamePixels(direct.image, qt.image));
    }
}

TEST(DecodeJpegDirect, DecodesIntoMemoryOfTheSameSize) {
    const QImage colour = Pattern(40, 30, QImage::Format_RGB32);
    const auto bytes = QtJpeg(colour, 90, false);
    auto reuse = ArgbImage::Create(40, 30);
    ASSERT_TRUE(reuse);
    const std::uint32_t* memory = reuse->Row(0);
    const DecodedImage decoded = DecodeJpegDirect(bytes, 1 << 20, std::move(*reuse));
    ASSERT_EQ(decoded.status, DecodeStatus::Ok);
    EXPECT_EQ(decoded.image.Row(0), memory);
    EXPECT_TRUE(SamePixels(decoded.image, DecodeImage(bytes, "jpeg", 1 << 20).image));
}

// What it does not read the way Qt does is left to Qt's reader.
TEST(DecodeJpegDirect, LeavesWhatItCannotReadQuietly) {
    const auto bytes = QtJpeg(Pattern(64, 48, QImage::Format_RGB32), 90, false);
    const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + bytes.size() / 2);
    EXPECT_EQ(DecodeJpegDirect(cut, 1 << 20).status, DecodeStatus::Unreadable) << "cut off";
    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    EXPECT_EQ(DecodeJpegDirect(png, 1 << 20).status, DecodeStatus::Unreadable) << "not a JPEG";
    EXPECT_EQ(DecodeJpegDirect(bytes, 64 * 48 - 1).status, DecodeStatus::TooLarge);
}

// Feeds a JPEG to the stream decoder in pieces of the given sizes, each time from a fresh copy
// of the bytes so far (an encoder's growing buffer moves); the picture it decoded into, or a
// null one when it did not finish.
ArgbImage StreamDecoded(const std::vector<std::uint8_t>& bytes, int width, int height,
                        const std::vector<std::size_t>& pieces) {
    auto image = ArgbImage::Create(width, height);
    EXPECT_TRUE(image);
    std::vector<std::uint32_t*> rows;
    for (int y = 0; y < height; ++y)
        rows.push_back(image->Row(y));
    JpegStreamDecoder decoder(rows, width);
    std::size_t size = 0;
    for (std::size_t i = 0; size < bytes.size(); ++i) {
        size = std::min(bytes.size(), size + pieces[i % pieces.size()]);
        const std::vector<std::uint8_t> sofar(bytes.begin(), bytes.begin() + size);
        decoder.Feed(sofar.data(), sofar.size(), size == bytes.size());
    }
    return decoder.Done() ? std::move(*image) : ArgbImage();
}

// However the bytes arrive, the stream decoder gives the whole file's pixels; a file cut off,
// or of another size than the rows, it does not finish.
TEST(JpegStreamDecoder, GivesTheDirectDecodersPixelsHoweverTheBytesArrive) {
    const QImage pattern = Pattern(53, 37, QImage::Format_RGB32);
    const auto jpeg = EncodeJpeg444(ArgbImage(pattern), 90);
    ASSERT_TRUE(jpeg);
    const DecodedImage whole = DecodeJpegDirect(*jpeg, 1 << 20);
    ASSERT_EQ(whole.status, DecodeStatus::Ok);
    const std::vector<std::vector<std::size_t>> feeds = {
        {jpeg->size()}, {1}, {7, 1, 300}, {4096}, {2, 2000, 3}};
    for (const auto& pieces : feeds) {
        SCOPED_TRACE(pieces.size() == 1 ? pieces[0] : pieces[1]);
        EXPECT_TRUE(SamePixels(StreamDecoded(*jpeg, 53, 37, pieces), whole.image));
    }
    // Every scan of a progressive file is read before its first row comes out.
    const auto progressive = QtJpeg(pattern, 90, true);
    EXPECT_TRUE(SamePixels(StreamDecoded(progressive, 53, 37, {5, 333}),
                           DecodeJpegDirect(progressive, 1 << 20).image));
    const std::vector<std::uint8_t> cut(jpeg->begin(), jpeg->begin() + jpeg->size() / 2);
    EXPECT_TRUE(StreamDecoded(cut, 53, 37, {100}).IsNull()) << "cut off";
    EXPECT_TRUE(StreamDecoded(*jpeg, 52, 37, {100}).IsNull()) << "other size";
}

} // namespace
} // namespace lumina
