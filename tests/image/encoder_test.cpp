#include "image/encoder.h"

#include "image/file_bytes.h"
#include "platform/image_codec.h"
#include "platform/surface.h"
#include "services/messages.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace lumina {
namespace {

bool HaveIdentify() {
    return std::system("command -v identify >/dev/null 2>&1") == 0;
}

// What ImageMagick's identify reports for a file, with the given format.
std::string Identify(const std::string& format, const std::string& path) {
    const std::string command = "identify -format '" + format + "' '" + path + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        return "";
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe.get()))
        out += buffer;
    return out;
}

// A 60 x 40 picture: red left half, blue right half, a black bar along the top.
Surface TestPicture() {
    auto surface = Surface::Create(60, 40, PixelFormat::Rgb32);
    EXPECT_TRUE(surface);
    surface->FillRect({0, 0, 30, 40}, Rgb(255, 0, 0));
    surface->FillRect({30, 0, 60, 40}, Rgb(0, 0, 255));
    surface->FillRect({0, 0, 60, 4}, Rgb(0, 0, 0));
    return std::move(*surface);
}

TEST(Encoder, LookupByMimeTypeOfTheLowerCasedWord) {
    const struct {
        const char* word;
        std::optional<EncoderKind> kind;
    } cases[] = {
        {"jpeg", EncoderKind::Jpeg}, {"JPEG", EncoderKind::Jpeg}, {"gif", EncoderKind::Gif},
        {"bmp", EncoderKind::Bmp},   {"Png", EncoderKind::Png},   {"tiff", EncoderKind::Tiff},
        {"jpg", std::nullopt},       {"tif", std::nullopt},       {"", std::nullopt},
        {"png ", std::nullopt},      {"x-png", std::nullopt},     {"svg+xml", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindEncoder(c.word), c.kind) << c.word;
}

TEST(Encoder, EachFormatIsReadBackAtTheRequestedSize) {
    if (!HaveIdentify())
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    const Surface picture = TestPicture();
    const struct {
        const char* word;
        const char* magick;
    } cases[] = {{"jpeg", "JPEG"}, {"JPEG", "JPEG"}, {"gif", "GIF"},
                 {"bmp", "BMP3"},  {"png", "PNG"},   {"tiff", "TIFF"}};
    for (const auto& c : cases) {
        test::TestServices services;
        const std::string path = services.Dir().File(std::string("art.") + c.word);
        ASSERT_TRUE(SaveBitmapThroughEncoder(picture, path, 90, 50, c.word).ok()) << c.word;
        EXPECT_EQ(Identify("%w %h %m", path), std::string("90 50 ") + c.magick) << c.word;
        // The colours survive: red on the left, blue on the right, below the bar.
        const FileBytes file = ReadWholeFile(path);
        DecodedImage decoded = DecodeImage(file.bytes, "", 1'000'000);
        ASSERT_EQ(decoded.status, DecodeStatus::Ok) << c.word;
        const std::uint32_t left = decoded.image.Row(30)[10];
        const std::uint32_t right = decoded.image.Row(30)[80];
        EXPECT_GT((left >> 16) & 0xFF, 200u) << c.word;
        EXPECT_LT(left & 0xFF, 60u) << c.word;
        EXPECT_GT(right & 0xFF, 200u) << c.word;
        EXPECT_LT((right >> 16) & 0xFF, 60u) << c.word;
    }
}

TEST(Encoder, JpegIsQuality100WithoutChromaSubsampling) {
    if (!HaveIdentify())
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    test::TestServices services;
    const std::string path = services.Dir().File("art.jpeg");
    ASSERT_TRUE(SaveBitmapThroughEncoder(TestPicture(), path, 60, 40, "jpeg").ok());
    EXPECT_EQ(Identify("%Q %[jpeg:sampling-factor]", path), "100 1x1,1x1,1x1");
}

TEST(Encoder, GifHasAtMost256Colours) {
    if (!HaveIdentify())
        GTEST_SKIP() << "ImageMagick's identify is not installed";
    // A smooth gradient of many more colours than a palette holds.
    auto surface = Surface::Create(256, 64, PixelFormat::Rgb32);
    ASSERT_TRUE(surface);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 256; ++x)
            surface->SetPixel({x, y}, Rgb(x, y * 4, 255 - x));
    }
    test::TestServices services;
    const std::string path = services.Dir().File("gradient.gif");
    ASSERT_TRUE(SaveBitmapThroughEncoder(*surface, path, 256, 64, "gif").ok());
    const int colours = std::atoi(Identify("%k", path).c_str());
    EXPECT_GT(colours, 16);
    EXPECT_LE(colours, 256);
}

TEST(Encoder, WordsWithoutAnEncoderAre30001AndWriteNothing) {
    for (const char* word : {"jpg", "tif", "txt"}) {
        test::TestServices services;
        const std::string path = services.Dir().File(std::string("art.") + word);
        const Status saved = SaveBitmapThroughEncoder(TestPicture(), path, 60, 40, word);
        ASSERT_FALSE(saved) << word;
        EXPECT_FALSE(std::filesystem::exists(path)) << word;
        EXPECT_EQ(test::ProblemText(saved.problem()), MessageText(kMsgNoMemory));
        EXPECT_EQ(saved.problem().icon, MsgIcon::Error);
    }
}

TEST(Encoder, UnwritableTargetsAre30001) {
    test::TestServices services;
    const std::string folder = services.Dir().File("folder.png");
    std::filesystem::create_directory(folder);
    for (const std::string& path : {folder, services.Dir().File("missing/art.png")}) {
        const Status saved = SaveBitmapThroughEncoder(TestPicture(), path, 60, 40, "png");
        ASSERT_FALSE(saved) << path;
        EXPECT_EQ(test::ProblemText(saved.problem()), MessageText(kMsgNoMemory));
    }
}

TEST(Encoder, AFullDiskIs30001WithTheReasonAndKeepsTheOldFile) {
    for (const char* word : {"jpeg", "gif", "bmp", "png", "tiff"}) {
        test::TestServices services;
        const std::string path = services.Dir().File(std::string("art.") + word);
        std::ofstream(path) << "keep";
        Status saved;
        {
            const test::FileSizeLimit full(64);
            saved = SaveBitmapThroughEncoder(TestPicture(), path, 60, 40, word);
        }
        ASSERT_FALSE(saved) << word;
        EXPECT_EQ(saved.problem().id, kMsgNoMemory) << word;
        EXPECT_NE(saved.problem().detail.find(path + ": File too large"), std::string::npos)
            << saved.problem().detail;
        EXPECT_EQ(ReadWholeFile(path).bytes.size(), 4u) << word;
    }
}

TEST(Encoder, ReadOnlyFileIs30001AndKeepsItsContent) {
    test::TestServices services;
    const std::string path = services.Dir().File("readonly.bmp");
    std::ofstream(path) << "keep";
    chmod(path.c_str(), 0444);
    if (access(path.c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write read-only files";
    const Status saved = SaveBitmapThroughEncoder(TestPicture(), path, 60, 40, "bmp");
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.problem().id, kMsgNoMemory);
    EXPECT_EQ(ReadWholeFile(path).bytes.size(), 4u);
}

TEST(Encoder, StretchesEachDirectionIndependently) {
    // 960 x 768 with a 10-pixel green bar along the right edge and a red one along the bottom.
    auto surface = Surface::Create(960, 768, PixelFormat::Rgb32);
    ASSERT_TRUE(surface);
    surface->FillRect({0, 0, 960, 768}, Rgb(255, 255, 255));
    surface->FillRect({950, 0, 960, 768}, Rgb(0, 255, 0));
    surface->FillRect({0, 758, 950, 768}, Rgb(255, 0, 0));
    test::TestServices services;
    const std::string path = services.Dir().File("stretched.png");
    ASSERT_TRUE(SaveBitmapThroughEncoder(*surface, path, 1000, 800, "png").ok());
    DecodedImage decoded = DecodeImage(ReadWholeFile(path).bytes, "png", 10'000'000);
    ASSERT_EQ(decoded.status, DecodeStatus::Ok);
    const ArgbImage& image = decoded.image;
    ASSERT_EQ(image.Width(), 1000);
    ASSERT_EQ(image.Height(), 800);
    // Scaled by 1000/960 across, the green bar covers about 990..999; by 800/768 down, the red
    // bar about 790..799.
    EXPECT_EQ(image.Row(400)[995] & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.Row(400)[985] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.Row(795)[500] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.Row(785)[500] & 0xFFFFFF, 0xFFFFFFu);
}

} // namespace
} // namespace lumina
