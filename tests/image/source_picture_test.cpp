#include "image/source_picture.h"

#include "image/file_bytes.h"
#include "platform/working_folder.h"
#include "services/messages.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace lumina {
namespace {

constexpr COLORREF kWhite = Rgb(255, 255, 255);
constexpr COLORREF kRed = Rgb(255, 0, 0);
constexpr COLORREF kBlack = Rgb(0, 0, 0);

std::string Fixture(const std::string& name) {
    return test::TestDataPath("images/" + name);
}

// The texts of the problems a window would show, in order.
std::vector<std::string> Shown(const Problems& problems) {
    std::vector<std::string> texts;
    for (const Problem& problem : problems) {
        if (problem.id != kMsgNone)
            texts.push_back(test::ProblemText(problem));
    }
    return texts;
}

// Loads a fixture; a good one loads without a word, a broken one fails with what problems gets.
SourcePicture Load(const test::TestServices& services, const std::string& name,
                   bool expectOk = true, Problems* problems = nullptr) {
    SourcePicture picture;
    picture.path = Fixture(name);
    picture.type = PictureTypeFromPath(name);
    Problems found;
    EXPECT_EQ(LoadSourcePicture(services.Get(), picture, found), expectOk) << name;
    if (expectOk) {
        EXPECT_TRUE(Shown(found).empty()) << name;
    }
    if (problems)
        *problems = std::move(found);
    return picture;
}

std::string TemporaryJpeg() {
    const auto folder = PrivateWorkingFolder();
    return folder ? *folder + "/" + kTemporaryJpegName : "";
}

std::uintmax_t TemporaryJpegSize() {
    std::error_code error;
    const auto size = std::filesystem::file_size(TemporaryJpeg(), error);
    return error ? 0 : size;
}

void RemoveTemporaryJpeg() {
    std::error_code ignored;
    std::filesystem::remove(TemporaryJpeg(), ignored);
}

// JPEG-decoded colours are close to, not equal to, the originals.
void ExpectNear(COLORREF actual, COLORREF expected, int tolerance, const char* what) {
    EXPECT_NEAR(RedOf(actual), RedOf(expected), tolerance) << what;
    EXPECT_NEAR(GreenOf(actual), GreenOf(expected), tolerance) << what;
    EXPECT_NEAR(BlueOf(actual), BlueOf(expected), tolerance) << what;
}

TEST(LoadSourcePicture, JpegIsReadDirectlyAtItsPixelSize) {
    test::TestServices services;
    RemoveTemporaryJpeg();
    const SourcePicture picture = Load(services, "photo.JPG");
    // The file says 300 dpi; the picture is still its 16 x 12 pixels.
    EXPECT_EQ(picture.width, 16);
    EXPECT_EQ(picture.height, 12);
    EXPECT_EQ(picture.keyColour, kNoColour);
    EXPECT_EQ(picture.byteSize, std::filesystem::file_size(Fixture("photo.JPG")));
    ASSERT_TRUE(picture.sourceSurface);
    EXPECT_EQ(picture.sourceSurface->Width(), 16);
    EXPECT_FALSE(std::filesystem::exists(TemporaryJpeg())) << "read directly, no round trip";
}

TEST(LoadSourcePicture, OpaquePicturesGoThroughTheTemporaryJpeg) {
    for (const char* name : {"bmp24.bmp", "opaque.png", "bmp32_no_size.bmp"}) {
        test::TestServices services;
        RemoveTemporaryJpeg();
        const SourcePicture picture = Load(services, name);
        EXPECT_EQ(picture.keyColour, kNoColour) << name;
        EXPECT_EQ(picture.width, 8) << name;
        EXPECT_EQ(picture.height, 6) << name;
        ASSERT_GT(TemporaryJpegSize(), 0u) << name;
        EXPECT_EQ(picture.byteSize, TemporaryJpegSize()) << name;
    }
}

TEST(LoadSourcePicture, Bmp24ColoursSurviveTheRoundTrip) {
    test::TestServices services;
    const SourcePicture picture = Load(services, "bmp24.bmp");
    ASSERT_TRUE(picture.sourceSurface);
    // File rows are bottom-up: the top row of the picture is the file's last, y = 5.
    ExpectNear(picture.sourceSurface->PixelAt({2, 0}), Rgb(200, 100, 60), 12, "top row");
    ExpectNear(picture.sourceSurface->PixelAt({6, 5}), Rgb(0, 100, 180), 12, "bottom row");
}

TEST(LoadSourcePicture, KeyedBitmapFileLosesEveryPixelOfTheKeyColour) {
    test::TestServices services;
    const SourcePicture picture = Load(services, "bmp32_red_key.bmp");
    EXPECT_EQ(picture.keyColour, Rgb(255, 0, 0)); // 0x0000FF
    EXPECT_EQ(picture.keyColour, 0x0000FFu);
    EXPECT_EQ(picture.byteSize, 14u + 40u + 8u * 6u * 4u);
    ASSERT_TRUE(picture.sourceSurface);
    const Surface& s = *picture.sourceSurface;
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(s.PixelAt({3, y}), kWhite) << "opaque red column, row " << y;
        EXPECT_EQ(s.PixelAt({4, y}), Rgb(254, 0, 0)) << "nearly red stays, row " << y;
    }
    EXPECT_EQ(s.PixelAt({1, 5}), kWhite);         // the alpha-237 red pixel (file's first row)
    EXPECT_EQ(s.PixelAt({0, 5}), Rgb(0, 0, 255)); // alpha 128 blue: its colour, not a key
    EXPECT_EQ(s.PixelAt({6, 0}), Rgb(120, 200, 200));
}

TEST(LoadSourcePicture, PngBackgroundReplacesTheTransparentColour) {
    test::TestServices services;
    const SourcePicture picture = Load(services, "rgba_bkgd_red.png");
    EXPECT_EQ(picture.keyColour, kRed);
    EXPECT_EQ(picture.byteSize, 14u + 40u + 8u * 6u * 4u);
    ASSERT_TRUE(picture.sourceSurface);
    const Surface& s = *picture.sourceSurface;
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(s.PixelAt({0, y}), kWhite) << "transparent, row " << y;
        EXPECT_EQ(s.PixelAt({3, y}), kRed) << "opaque red keeps its colour, row " << y;
        EXPECT_EQ(s.PixelAt({6, y}), kBlack) << "opaque black, row " << y;
    }
}

TEST(LoadSourcePicture, GreyAlphaWithoutBackgroundIsKeyedWhite) {
    test::TestServices services;
    const SourcePicture picture = Load(services, "graya_no_bkgd.png");
    EXPECT_EQ(picture.keyColour, kWhite);
    ASSERT_TRUE(picture.sourceSurface);
    const Surface& s = *picture.sourceSurface;
    EXPECT_EQ(s.PixelAt({3, 3}), kWhite) << "transparent pixels, stored black, become white";
    EXPECT_EQ(s.PixelAt({0, 3}), kBlack) << "the black outline stays";
    EXPECT_EQ(s.PixelAt({3, 0}), kBlack);
    EXPECT_EQ(s.PixelAt({7, 3}), Rgb(250, 250, 250));
}

TEST(LoadSourcePicture, SixteenBitDisplayKeepsNearWhiteApartFromTheWhiteKey) {
    test::TestServices services;
    services.Get().displayFormat = PixelFormat::Rgb16;
    const SourcePicture picture = Load(services, "graya_no_bkgd.png");
    EXPECT_EQ(picture.keyColour, kWhite);
    ASSERT_TRUE(picture.sourceSurface);
    EXPECT_EQ(picture.sourceSurface->Format(), PixelFormat::Rgb16);
    // (250, 250, 250) became (255, 247, 255), which 5-6-5 keeps apart from white.
    EXPECT_EQ(picture.sourceSurface->PixelAt({7, 3}), Rgb(255, 247, 255));
    EXPECT_EQ(picture.sourceSurface->PixelAt({3, 3}), kWhite);
}

TEST(LoadSourcePicture, PaletteTransparencyOf256EntriesGivesNoPngColour) {
    test::TestServices services;
    const SourcePicture picture = Load(services, "palette_trns256.png");
    // The scan reads the count as 0, so the key is the transparent pixels' own colour:
    // palette entry 0.
    EXPECT_EQ(picture.keyColour, Rgb(0, 255, 128));
    ASSERT_TRUE(picture.sourceSurface);
    EXPECT_EQ(picture.sourceSurface->PixelAt({0, 0}), kWhite);
}

TEST(LoadSourcePicture, TransparentGifAndTiffKeepTheirOpaquePixels) {
    {
        test::TestServices services;
        const SourcePicture picture = Load(services, "transparent.gif");
        EXPECT_NE(picture.keyColour, kNoColour);
        ASSERT_TRUE(picture.sourceSurface);
        EXPECT_EQ(picture.sourceSurface->PixelAt({0, 0}), kWhite);
        EXPECT_EQ(picture.sourceSurface->PixelAt({1, 1}), kBlack);
        EXPECT_EQ(picture.sourceSurface->PixelAt({3, 3}), kRed);
    }
    {
        // Premultiplied alpha: the transparent area reads as black, like the outline.
        test::TestServices services;
        const SourcePicture picture = Load(services, "scan.TIF");
        EXPECT_EQ(picture.keyColour, kBlack);
        ASSERT_TRUE(picture.sourceSurface);
        const Surface& s = *picture.sourceSurface;
        EXPECT_EQ(s.PixelAt({0, 0}), kBlack);
        EXPECT_EQ(s.PixelAt({7, 5}), kBlack);
        EXPECT_EQ(s.PixelAt({1, 1}), kWhite);
        EXPECT_EQ(s.PixelAt({3, 2}), Rgb(0, 128, 0));
    }
}

TEST(LoadSourcePicture, BrokenFilesFailCleanly) {
    for (const char* name :
         {"truncated_photo.JPG", "corrupt_photo.JPG", "truncated_opaque.png", "corrupt_opaque.png",
          "truncated_bmp24.bmp", "corrupt_bmp24.bmp", "truncated_transparent.gif",
          "corrupt_transparent.gif", "truncated_scan.TIF", "corrupt_scan.TIF", "missing.png"}) {
        test::TestServices services;
        const SourcePicture picture = Load(services, name, false);
        EXPECT_FALSE(picture.sourceSurface) << name;
        EXPECT_EQ(picture.width, 0) << name;
        EXPECT_EQ(picture.keyColour, kNoColour) << name;
    }
}

TEST(LoadSourcePicture, BitmapScanFailuresAreShownAndLoadingGoesOn) {
    {
        // A PNG named .bmp: "not a bitmap file" from the scan, then loaded by its content.
        test::TestServices services;
        const std::string path = services.Dir().File("really_png.bmp");
        std::filesystem::copy_file(Fixture("opaque.png"), path);
        SourcePicture picture;
        picture.path = path;
        picture.type = "bmp";
        Problems problems;
        EXPECT_TRUE(LoadSourcePicture(services.Get(), picture, problems));
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(test::ProblemText(problems[0]),
                  std::string("形式判別エラー\n") + MessageText(kMsgBitmapInfo));
        EXPECT_EQ(problems[0].icon, MsgIcon::Error);
    }
    {
        test::TestServices services;
        SourcePicture picture;
        picture.path = services.Dir().File("none.bmp");
        picture.type = "bmp";
        Problems problems;
        EXPECT_FALSE(LoadSourcePicture(services.Get(), picture, problems));
        EXPECT_EQ(Shown(problems),
                  std::vector<std::string>{std::string("ファイルオープンエラー\n") +
                                           MessageText(kMsgBitmapInfo)});
    }
}

TEST(LoadSourcePicture, JpegNamedFileThatIsNotJpegLoadsByContent) {
    test::TestServices services;
    const std::string path = services.Dir().File("really_png.jpg");
    std::filesystem::copy_file(Fixture("opaque.png"), path);
    RemoveTemporaryJpeg();
    SourcePicture picture;
    picture.path = path;
    picture.type = "jpeg";
    Problems problems;
    EXPECT_TRUE(LoadSourcePicture(services.Get(), picture, problems));
    EXPECT_EQ(picture.width, 8);
    EXPECT_EQ(picture.byteSize, TemporaryJpegSize()) << "opaque: through the temporary JPEG";
}

// A PNG whose header asks for 400 megapixels over a few bytes: refused before any pixels
// are allocated.
TEST(LoadSourcePicture, HugePicturesAreRefusedWithTheirOwnMessage) {
    test::TestServices services;
    Problems problems;
    const SourcePicture picture = Load(services, "huge_header.png", false, &problems);
    EXPECT_FALSE(picture.sourceSurface);
    EXPECT_EQ(Shown(problems), std::vector<std::string>{MessageText(kMsgPictureTooLarge)});
    EXPECT_EQ(problems.back().icon, MsgIcon::Error);
}

TEST(LoadSourcePicture, WorkingFolderThatCannotBeHadShows30002) {
    test::TestServices services;
    // The cache location is a file, so no folder can be made under it.
    const std::string blocker = services.Dir().File("not-a-folder");
    std::ofstream(blocker) << "x";
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const std::string savedRuntime = runtime ? runtime : "";
    const std::string savedCache = cache ? cache : "";
    unsetenv("XDG_RUNTIME_DIR");
    setenv("XDG_CACHE_HOME", blocker.c_str(), 1);
    SourcePicture picture;
    picture.path = Fixture("opaque.png");
    picture.type = "png";
    Problems problems;
    const bool loaded = LoadSourcePicture(services.Get(), picture, problems);
    if (runtime)
        setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
    if (cache)
        setenv("XDG_CACHE_HOME", savedCache.c_str(), 1);
    else
        unsetenv("XDG_CACHE_HOME");
    EXPECT_FALSE(loaded);
    EXPECT_EQ(Shown(problems), std::vector<std::string>{MessageText(kMsgNoWorkFolder)});
    EXPECT_EQ(problems.back().icon, MsgIcon::Error);
}

} // namespace
} // namespace lumina
