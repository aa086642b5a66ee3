#include "platform/png_reader.h"

#include "platform/jpeg_reader.h"
#include "platform/jpeg_writer.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace lumina {
namespace {

constexpr std::int64_t kMaxPixels = 200'000'000;

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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

// Every PNG fixture, the conformance suite's and the loader's own.
std::vector<std::filesystem::path> PngFixtures() {
    std::vector<std::filesystem::path> files;
    for (const char* folder : {"pngsuite", "images"}) {
        const std::filesystem::path dir = test::TestDataPath(folder);
        if (!std::filesystem::exists(dir))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            if (entry.path().extension() == ".png")
                files.push_back(entry.path());
    }
    return files;
}

// Whatever the direct decoder delivers is what Qt's reader delivers: the same pixels, the
// same alpha flag, and for an opaque picture the round trip the encoder and the JPEG decoder
// make of them afterwards.
// What it leaves alone goes to Qt's reader, so it must not refuse a file Qt's reader takes.
TEST(DecodePngDirect, GivesThePixelsOfQtsReaderOverTheFixtures) {
    const auto files = PngFixtures();
    if (files.size() < 100)
        GTEST_SKIP() << "no PngSuite under " << test::TestDataPath("pngsuite");
    std::set<std::string> direct;
    for (const auto& path : files) {
        const std::string name = path.filename().string();
        SCOPED_TRACE(name);
        const auto bytes = FileBytes(path);
        const PngDecoded ours = DecodePngDirect(bytes, kMaxPixels, 100);
        const DecodedImage qt = DecodeImage(bytes, "", kMaxPixels);
        if (ours.decoded.status == DecodeStatus::Unreadable) {
            EXPECT_FALSE(ours.opaqueJpeg);
            continue;
        }
        ASSERT_EQ(ours.decoded.status, qt.status);
        direct.insert(name);
        if (qt.status != DecodeStatus::Ok)
            continue;
        EXPECT_EQ(ours.decoded.hadAlpha, qt.hadAlpha);
        if (qt.hadAlpha) {
            EXPECT_TRUE(SamePixels(ours.decoded.image, qt.image));
            EXPECT_FALSE(ours.opaqueJpeg);
            EXPECT_FALSE(ours.roundTripped);
        } else {
            // The round trip made beside the decoding: the encoder's bytes, the decoder's pixels.
            ASSERT_TRUE(ours.opaqueJpeg);
            const auto jpeg = EncodeJpeg444(qt.image, 100);
            ASSERT_TRUE(jpeg);
            EXPECT_EQ(*ours.opaqueJpeg, *jpeg);
            EXPECT_TRUE(ours.roundTripped);
            EXPECT_TRUE(SamePixels(ours.decoded.image, DecodeJpegDirect(*jpeg, kMaxPixels).image));
            // A picture below the size asked for is decoded alone.
            const PngDecoded alone = DecodePngDirect(bytes, kMaxPixels, 100, 1'000'000'000);
            EXPECT_FALSE(alone.opaqueJpeg);
            EXPECT_TRUE(SamePixels(alone.decoded.image, qt.image));
        }
    }
    // The common kinds are decoded here, not left to Qt's reader: grey of every depth, RGB,
    // palettes of every depth, grey and colour with alpha, tRNS colours, odd sizes, every
    // filter, every compression level.
    for (const char* name :
         {"basn0g01.png",        "basn0g02.png",      "basn0g04.png",   "basn0g08.png",
          "basn2c08.png",        "basn3p01.png",      "basn3p02.png",   "basn3p04.png",
          "basn3p08.png",        "basn4a08.png",      "basn6a08.png",   "tbbn0g04.png",
          "tbbn3p08.png",        "tbrn2c08.png",      "tp1n3p08.png",   "s35n3p04.png",
          "s39n3p04.png",        "f04n2c08.png",      "z09n2c08.png",   "opaque.png",
          "palette_trns256.png", "graya_no_bkgd.png", "huge_header.png"})
        EXPECT_TRUE(direct.count(name)) << name << " was left to Qt's reader";
    // Interlaced and 16-bit pictures are.
    for (const char* name : {"basi0g08.png", "basi6a08.png", "basn2c16.png", "basn6a16.png"})
        EXPECT_FALSE(direct.count(name)) << name;
}

std::vector<std::uint8_t> QtPng(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    EXPECT_TRUE(writer.write(image));
    return {data.begin(), data.end()};
}

// A damaged or cut-off file is never delivered, whatever the point of damage: the encoder
// running beside the decoder is abandoned with it.
TEST(DecodePngDirect, DeliversNothingOfADamagedFile) {
    QImage image(96, 80, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (x * y) % 256, (y * 3) % 256));
    const auto whole = QtPng(image);
    ASSERT_EQ(DecodePngDirect(whole, kMaxPixels, 100).decoded.status, DecodeStatus::Ok);
    const std::size_t n = whole.size();
    const struct {
        const char* name;
        std::size_t keep;    // bytes kept from the start
        std::size_t flipped; // a byte turned over, or n for none
    } cases[] = {
        {"cut in the header", 20, n},
        {"cut in the pixel data", n / 2, n},
        {"cut before the end chunk", n - 12, n},
        {"cut in the end chunk", n - 3, n},
        {"pixel data damaged", n, n / 2},
        {"end chunk's checksum damaged", n, n - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> bytes(whole.begin(), whole.begin() + c.keep);
        if (c.flipped < bytes.size())
            bytes[c.flipped] ^= 0xFF;
        const PngDecoded decoded = DecodePngDirect(bytes, kMaxPixels, 100);
        EXPECT_NE(decoded.decoded.status, DecodeStatus::Ok);
        EXPECT_FALSE(decoded.opaqueJpeg);
    }
}

TEST(DecodePngDirect, RefusesAPictureBeyondTheLimitBeforeItsPixels) {
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(Qt::red);
    const PngDecoded decoded = DecodePngDirect(QtPng(image), 50 * 40 - 1, 100);
    EXPECT_EQ(decoded.decoded.status, DecodeStatus::TooLarge);
    EXPECT_TRUE(decoded.decoded.image.IsNull());
}

} // namespace
} // namespace lumina
