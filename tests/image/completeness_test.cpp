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

TEST(Completeness, CutOffJpegAndBitmapFilesAreTruncated) {
    const Bytes jpeg = Fixture("photo.JPG");
    const Bytes bmp = Fixture("bmp24.bmp");
    const Bytes png = Fixture("opaque.png");
    const struct {
        const char* name;
        Bytes bytes;
        bool truncated;
    } cases[] = {
        {"whole JPEG", jpeg, false},
        {"JPEG without its end marker", Cut(jpeg, 2), true},
        {"JPEG cut in its scan", Cut(jpeg, 40), true},
        {"JPEG with data after its end", Append(jpeg, {0xFF, 0xD8, 0x00, 0x11, 0x22}), false},
        {"JPEG header only", Bytes(jpeg.begin(), jpeg.begin() + 20), false}, // reader refuses
        {"whole bitmap", bmp, false},
        {"bitmap one byte short", Cut(bmp, 1), true},
        {"top-down bitmap", WithField(bmp, 22, static_cast<std::uint32_t>(-6)), false},
        {"top-down bitmap cut", Cut(WithField(bmp, 22, static_cast<std::uint32_t>(-6)), 10), true},
        {"run-length bitmap is not judged", Cut(WithField(bmp, 30, 1), 10), false},
        {"bitmap header cut", Bytes(bmp.begin(), bmp.begin() + 30), false},
        {"PNG is not judged here", Cut(png, 20), false},
        {"empty", Bytes{}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LooksTruncated(c.bytes), c.truncated) << c.name;
}

} // namespace
} // namespace lumina
