#include "image/source_picture.h"

#include "image/encoder.h"
#include "image/file_bytes.h"
#include "platform/image_codec.h"
#include "platform/working_folder.h"
#include "services/messages.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

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

// The size of the JPEG the encoder makes of an opaque fixture's own pixels: what an opaque
// picture that is not read directly as JPEG reports as its byte size.
std::size_t JpegSizeOf(const std::string& name) {
    DecodedImage decoded = DecodeImage(ReadWholeFile(Fixture(name)).bytes, "", kMaxPicturePixels);
    EXPECT_EQ(decoded.status, DecodeStatus::Ok) << name;
    const auto jpeg =
        EncodeThroughEncoder(decoded.image, decoded.image.Width(), decoded.image.Height(), "jpeg");
    return jpeg ? jpeg->size() : 0;
}

// Every file under a folder, links included.
std::vector<std::string> FilesUnder(const std::string& folder) {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
        found.push_back(entry.path().string());
    return found;
}

// JPEG-decoded colours are close to, not equal to, the originals.
void ExpectNear(COLORREF actual, COLORREF expected, int tolerance, const char* what) {
    EXPECT_NEAR(RedOf(actual), RedOf(expected), tolerance) << what;
    EXPECT_NEAR(GreenOf(actual), GreenOf(expected), tolerance) << what;
    EXPECT_NEAR(BlueOf(actual), BlueOf(expected), tolerance) << what;
}

TEST(LoadSourcePicture, JpegIsReadDirectlyAtItsPixelSize) {
    test::TestServices services;
    const SourcePicture picture = Load(services, "photo.JPG");
    // The file says 300 dpi; the picture is still its 16 x 12 pixels.
    EXPECT_EQ(picture.width, 16);
    EXPECT_EQ(picture.height, 12);
    EXPECT_EQ(picture.keyColour, kNoColour);
    EXPECT_EQ(picture.byteSize, std::filesystem::file_size(Fixture("photo.JPG")));
    ASSERT_TRUE(picture.sourceSurface);
    EXPECT_EQ(picture.sourceSurface->Width(), 16);
}

// The round trip is made in memory: nothing is written to the runtime or cache folders, where
// the working folder would be.
TEST(LoadSourcePicture, OpaquePicturesGoThroughAJpegRoundTrip) {
    const std::vector<std::string> before = FilesUnder(std::getenv("XDG_CACHE_HOME"));
    const std::vector<std::string> beforeRuntime = FilesUnder(std::getenv("XDG_RUNTIME_DIR"));
    for (const char* name : {"bmp24.bmp", "opaque.png", "bmp32_no_size.bmp"}) {
        test::TestServices services;
        const SourcePicture picture = Load(services, name);
        EXPECT_EQ(picture.keyColour, kNoColour) << name;
        EXPECT_EQ(picture.width, 8) << name;
        EXPECT_EQ(picture.height, 6) << name;
        ASSERT_GT(picture.byteSize, 0u) << name;
        // The bitmap file without a size is flattened by its alpha before it is encoded.
        if (std::string(name) != "bmp32_no_size.bmp") {
            EXPECT_EQ(picture.byteSize, JpegSizeOf(name)) << name;
        }
    }
    EXPECT_EQ(FilesUnder(std::getenv("XDG_CACHE_HOME")), before);
    EXPECT_EQ(FilesUnder(std::getenv("XDG_RUNTIME_DIR")), beforeRuntime);
}

TEST(LoadSourcePicture, Bmp24ColoursSurviveTheRoundTrip) {
    test::TestServices services;
    const SourcePicture picture = Load(services, "bmp24.bmp");
    ASSERT_TRUE(picture.sourceSurface);
    // File rows are bottom-up: the top row of the picture is the file's last, y = 5.
    ExpectNear(picture.sourceSurface->PixelAt({2, 0}), Rgb(200, 100, 60), 12, "top row");
    ExpectNear(picture.sourceSurface->PixelAt({6, 5}), Rgb(0, 100, 180), 12, "bottom row");
}

// A 32-bit bitmap file is flattened by its alpha, as the same picture saved as PNG is: opaque
// pixels of the key colour keep it. The key is still the scan's.
TEST(LoadSourcePicture, KeyedBitmapFileIsFlattenedByItsAlpha) {
    test::TestServices services;
    const SourcePicture picture = Load(services, "bmp32_red_key.bmp");
    EXPECT_EQ(picture.keyColour, Rgb(255, 0, 0)); // 0x0000FF
    EXPECT_EQ(picture.keyColour, 0x0000FFu);
    EXPECT_EQ(picture.byteSize, 14u + 40u + 8u * 6u * 4u);
    ASSERT_TRUE(picture.sourceSurface);
    const Surface& s = *picture.sourceSurface;
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(s.PixelAt({3, y}), kRed) << "opaque red keeps its colour, row " << y;
        EXPECT_EQ(s.PixelAt({4, y}), Rgb(254, 0, 0)) << "nearly red stays, row " << y;
    }
    // The file's first row is the picture's last: alpha 237 red and alpha 128 blue are blended
    // with white by their alpha.
    EXPECT_EQ(s.PixelAt({1, 5}), Rgb(255, 18, 18));
    EXPECT_EQ(s.PixelAt({0, 5}), Rgb(127, 127, 255));
    EXPECT_EQ(s.PixelAt({6, 0}), Rgb(120, 200, 200));
}

// A 32-bit BI_RGB bitmap file of an ARGB picture, rows bottom-up, alpha in the fourth byte.
std::vector<std::uint8_t> Bitmap32File(const ArgbImage& image) {
    const auto le = [](std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    const auto w = static_cast<std::uint32_t>(image.Width());
    const auto h = static_cast<std::uint32_t>(image.Height());
    std::vector<std::uint8_t> out{'B', 'M'};
    le(out, 54 + 4 * w * h, 4);
    le(out, 0, 4);
    le(out, 54, 4);
    for (const std::uint32_t v : {40u, w, h})
        le(out, v, 4);
    le(out, 1, 2);
    le(out, 32, 2);
    for (const std::uint32_t v : {0u, 4 * w * h, 2835u, 2835u, 0u, 0u})
        le(out, v, 4);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x)
            le(out, image.Row(y)[x], 4);
    }
    return out;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// The same picture saved as a 32-bit bitmap file and as an RGBA PNG file gives the same source:
// transparent pixels white, half-transparent ones blended, opaque pixels of the key colour kept.
TEST(LoadSourcePicture, BitmapAndPngOfOnePictureAgree) {
    auto image = ArgbImage::Create(8, 6);
    ASSERT_TRUE(image);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            std::uint32_t argb = 0xFF000000u; // opaque black
            if (x < 2)
                argb = 0x000000FFu; // transparent, stored blue
            else if (x == 3)
                argb = 0xFF0000FFu; // opaque blue: the key's colour
            else if (x == 5)
                argb = 0x8000C000u; // half-transparent green
            image->Row(y)[x] = argb;
        }
    }
    test::TestServices services;
    const std::string bmpPath = services.Dir().File("same.bmp");
    const std::string pngPath = services.Dir().File("same.png");
    WriteBytes(bmpPath, Bitmap32File(*image));
    const auto png = EncodeWithQtWriter(*image, "png");
    ASSERT_TRUE(png);
    WriteBytes(pngPath, *png);
    SourcePicture fromBmp;
    fromBmp.path = bmpPath;
    fromBmp.type = "bmp";
    SourcePicture fromPng;
    fromPng.path = pngPath;
    fromPng.type = "png";
    Problems problems;
    ASSERT_TRUE(LoadSourcePicture(services.Get(), fromBmp, problems));
    ASSERT_TRUE(LoadSourcePicture(services.Get(), fromPng, problems));
    EXPECT_TRUE(problems.empty());
    // The keys follow each format's rules (a PNG without a background chunk is keyed white);
    // the pixels do not depend on them.
    EXPECT_EQ(fromBmp.keyColour, Rgb(0, 0, 255));
    EXPECT_EQ(fromPng.keyColour, kWhite);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(fromBmp.sourceSurface->PixelAt({x, y}),
                      fromPng.sourceSurface->PixelAt({x, y}))
                << x << ", " << y;
        }
    }
    EXPECT_EQ(fromBmp.sourceSurface->PixelAt({0, 0}), kWhite);
    EXPECT_EQ(fromBmp.sourceSurface->PixelAt({3, 0}), Rgb(0, 0, 255));
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

// Each refusal says why, since the window closes on it.
TEST(LoadSourcePicture, BrokenFilesFailCleanly) {
    const std::string unreadable = MessageText(kMsgPictureUnreadable);
    const std::string cannotOpen = Fixture("missing.png") + "\n" + MessageText(kMsgOpenFailed);
    const struct {
        const char* name;
        std::string shown;
    } cases[] = {
        {"truncated_photo.JPG", unreadable},
        {"corrupt_photo.JPG", unreadable},
        {"truncated_opaque.png", unreadable},
        {"corrupt_opaque.png", unreadable},
        {"truncated_bmp24.bmp", unreadable},
        {"corrupt_bmp24.bmp", unreadable},
        {"truncated_transparent.gif", unreadable},
        {"corrupt_transparent.gif", unreadable},
        {"truncated_scan.TIF", unreadable},
        {"corrupt_scan.TIF", unreadable},
        {"missing.png", cannotOpen},
    };
    for (const auto& c : cases) {
        test::TestServices services;
        Problems problems;
        const SourcePicture picture = Load(services, c.name, false, &problems);
        EXPECT_FALSE(picture.sourceSurface) << c.name;
        EXPECT_EQ(picture.width, 0) << c.name;
        EXPECT_EQ(picture.keyColour, kNoColour) << c.name;
        ASSERT_FALSE(problems.empty()) << c.name;
        EXPECT_EQ(Shown(problems), std::vector<std::string>{c.shown}) << c.name;
        EXPECT_EQ(problems.back().icon, MsgIcon::Error) << c.name;
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
    SourcePicture picture;
    picture.path = path;
    picture.type = "jpeg";
    Problems problems;
    EXPECT_TRUE(LoadSourcePicture(services.Get(), picture, problems));
    EXPECT_EQ(picture.width, 8);
    EXPECT_EQ(picture.byteSize, JpegSizeOf("opaque.png")) << "opaque: through the JPEG round trip";
}

// Other formats Qt reads by content draw a few bytes of text at whatever size they name: a
// picture file of the program is none of them.
TEST(LoadSourcePicture, TextPictureFormatsAreNotPictures) {
    const char* const texts[] = {
        "<?xml version=\"1.0\"?><svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9000\" "
        "height=\"9000\"><rect width=\"9000\" height=\"9000\"/></svg>",
        "/* XPM */\nstatic char *x[] = {\"2 1 1 1\", \"a c #000000\", \"aa\"};\n",
        "P1\n3 1\n1 0 1\n",
    };
    for (const char* text : texts) {
        for (const char* type : {"png", "gif"}) {
            test::TestServices services;
            const std::string path = services.Dir().File(std::string("text.") + type);
            std::ofstream(path, std::ios::binary) << text;
            SourcePicture picture;
            picture.path = path;
            picture.type = type;
            Problems problems;
            EXPECT_FALSE(LoadSourcePicture(services.Get(), picture, problems)) << text;
            EXPECT_EQ(Shown(problems), std::vector<std::string>{MessageText(kMsgPictureUnreadable)})
                << text;
        }
    }
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

// No working folder is needed any more: where none can be had, and where a link, a pipe or a
// folder is planted under the old temporary file's name, pictures load and nothing planted is
// touched.
TEST(LoadSourcePicture, NothingInTheWorkingFolderIsUsed) {
    test::TestServices services;
    const auto folder = PrivateWorkingFolder();
    ASSERT_TRUE(folder);
    const std::string victim = services.Dir().File("victim.txt");
    std::ofstream(victim) << "keep";
    const std::string planted = *folder + "/temp.jpeg";
    std::filesystem::remove_all(planted);
    for (const char* kind : {"link", "pipe", "folder"}) {
        const std::string what = kind;
        if (what == "link")
            ASSERT_EQ(symlink(victim.c_str(), planted.c_str()), 0);
        else if (what == "pipe")
            ASSERT_EQ(mkfifo(planted.c_str(), 0600), 0);
        else
            ASSERT_TRUE(std::filesystem::create_directory(planted));
        const SourcePicture picture = Load(services, "opaque.png");
        EXPECT_TRUE(picture.sourceSurface) << kind;
        std::filesystem::remove_all(planted);
    }
    std::ifstream in(victim);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "keep");

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
    EXPECT_TRUE(loaded);
    EXPECT_TRUE(Shown(problems).empty());
}

} // namespace
} // namespace lumina
