#include "image/completeness.h"

#include "image/file_bytes.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Fixture(const char* name) {
    const FileBytes file = ReadWholeFile(test::TestDataPath(std::string("images/") + name));
    EXPECT_EQ(file.status, ReadStatus::Ok) << name;
    return file.bytes;
}

Bytes Cut(Bytes b, std::size_t drop) {
    b.resize(b.size() - drop);
    return b;
}

Bytes Append(Bytes b, const Bytes& tail) {
    b.insert(b.end(), tail.begin(), tail.end());
    return b;
}

Bytes WithField(Bytes b, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return b;
}

// A bitmap file with the old 12-byte header: 2 x 2 24-bit pixels in rows of 8 bytes.
Bytes CoreBitmap() {
    Bytes b{'B', 'M', 42, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, 12, 0, 0, 0, 2, 0, 2, 0, 1, 0, 24, 0};
    b.resize(26 + 2 * 8, 0x40);
    return b;
}

// A bitmap file of 5 x 2 24-bit pixels: rows of 15 bytes with one byte of padding each.
Bytes PaddedBitmap() {
    Bytes b{'B', 'M', 86, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  40,
            0,   0,   0,  5, 0, 0, 0, 2, 0, 0, 0,  1, 0, 24, 0};
    b.resize(54, 0);
    b.resize(54 + 2 * 16, 0x80);
    return b;
}

TEST(Completeness, CutOffJpegAndBitmapFilesAreTruncated) {
    const Bytes jpeg = Fixture("photo.JPG");
    const Bytes bmp = Fixture("bmp24.bmp");
    const Bytes png = Fixture("opaque.png");
    const Bytes padded = PaddedBitmap();
    // A phone's "motion photo" trailer: a video that holds its own scan and end markers.
    const Bytes trailer{0x00, 0x00, 0x00, 0x18, 'f',  't',  'y',
                        'p',  0xFF, 0xDA, 0x01, 0xFF, 0xD9, 0x42};
    const struct {
        const char* name;
        Bytes bytes;
        bool truncated;
    } cases[] = {
        {"whole JPEG", jpeg, false},
        {"JPEG without its end marker", Cut(jpeg, 2), false},
        {"JPEG cut in its scan", Cut(jpeg, 40), true},
        {"JPEG with data after its end", Append(jpeg, {0xFF, 0xD8, 0x00, 0x11, 0x22}), false},
        {"JPEG with a video after its end", Append(jpeg, trailer), false},
        {"JPEG cut with a video after the cut", Append(Cut(jpeg, 40), trailer), true},
        {"JPEG header only", Bytes(jpeg.begin(), jpeg.begin() + 20), false}, // reader refuses
        {"whole bitmap", bmp, false},
        {"bitmap one byte short", Cut(bmp, 1), true},
        {"bitmap without its last padding byte", Cut(padded, 1), false},
        {"bitmap short of a pixel byte", Cut(padded, 2), true},
        {"top-down bitmap", WithField(bmp, 22, static_cast<std::uint32_t>(-6)), false},
        {"top-down bitmap cut", Cut(WithField(bmp, 22, static_cast<std::uint32_t>(-6)), 10), true},
        {"run-length bitmap is not judged", Cut(WithField(bmp, 30, 1), 10), false},
        // The reader would take the missing header fields as zeros and make a huge picture.
        {"bitmap header cut", Bytes(bmp.begin(), bmp.begin() + 30), true},
        {"bitmap header longer than the file", WithField(bmp, 14, 0x6428005A), true},
        {"bitmap of its file header only", Bytes(bmp.begin(), bmp.begin() + 14), true},
        {"bitmap header of no known size", WithField(bmp, 14, 0), true},
        {"bitmap header of 41 bytes", WithField(bmp, 14, 41), true},
        {"bitmap of no planes", WithField(bmp, 26, 0x00180000), true},
        {"bitmap of 0 bits a pixel", WithField(bmp, 26, 0x00000001), true},
        {"bitmap of 7 bits a pixel", WithField(bmp, 26, 0x00070001), true},
        {"bitmap with the old header", CoreBitmap(), false},
        {"bitmap with the old header, cut", Cut(CoreBitmap(), 4), true},
        {"PNG is not judged here", Cut(png, 20), false},
        {"empty", Bytes{}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LooksTruncated(c.bytes), c.truncated) << c.name;
}

TEST(Completeness, OnlyTheLastRowsPaddingIsMadeUp) {
    const Bytes padded = PaddedBitmap();
    EXPECT_EQ(MissingBitmapPadding(padded), 0u);
    EXPECT_EQ(MissingBitmapPadding(Cut(padded, 1)), 1u);
    EXPECT_EQ(MissingBitmapPadding(Cut(padded, 2)), 0u) << "a pixel byte is missing";
    EXPECT_EQ(MissingBitmapPadding(Fixture("photo.JPG")), 0u);
}

} // namespace
} // namespace lumina
