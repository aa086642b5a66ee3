#include "image/raw_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumina {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    if (b.size() < at + 4)
        b.resize(at + 4);
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 32-bit bitmap file header with pixels (blue, green, red, alpha) at offset 54.
Bytes Bmp32(const std::vector<std::uint32_t>& bgra, std::uint32_t sizeImage, int bits = 32) {
    Bytes b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, 54);
    b[28] = static_cast<std::uint8_t>(bits);
    Put32(b, 34, sizeImage);
    for (std::uint32_t p : bgra)
        Put32(b, b.size(), p);
    return b;
}

// Pixels written as 0xAARRGGBB so that the file bytes are blue, green, red, alpha.
constexpr std::uint32_t Px(int a, int r, int g, int b) {
    return static_cast<std::uint32_t>(a << 24 | r << 16 | g << 8 | b);
}

TEST(BmpScan, FindsTheFirstPixelOfAlphaZeroOr237) {
    const struct {
        const char* name;
        Bytes bytes;
        bool found;
        COLORREF colour;
    } cases[] = {
        {"alpha 237 red after alpha 128", Bmp32({Px(128, 0, 0, 255), Px(237, 255, 0, 0)}, 8), true,
         Rgb(255, 0, 0)},
        {"alpha 0", Bmp32({Px(255, 1, 2, 3), Px(0, 10, 20, 30)}, 8), true, Rgb(10, 20, 30)},
        {"all opaque", Bmp32({Px(255, 1, 2, 3), Px(254, 1, 2, 3)}, 8), false, kNoColour},
        {"image size 0", Bmp32({Px(0, 1, 2, 3)}, 0), false, kNoColour},
        {"image size counts whole pixels", Bmp32({Px(255, 1, 2, 3), Px(0, 4, 5, 6)}, 7), false,
         kNoColour},
        {"24 bits", Bmp32({Px(0, 1, 2, 3)}, 4, 24), false, kNoColour},
        {"image size beyond the file", Bmp32({Px(255, 1, 2, 3)}, 0xFFFFFFF0u), false, kNoColour},
    };
    for (const auto& c : cases) {
        const BmpScan scan = ScanBmpBytes(c.bytes);
        EXPECT_FALSE(scan.notBmp) << c.name;
        EXPECT_EQ(scan.found, c.found) << c.name;
        EXPECT_EQ(scan.colour, c.colour) << c.name;
    }
}

TEST(BmpScan, ShortAndCraftedFilesAreNotFound) {
    Bytes pixelsPastEnd = Bmp32({Px(0, 1, 2, 3)}, 4);
    Put32(pixelsPastEnd, 10, 0xFFFFFFFEu); // pixels would start far beyond the end
    Bytes halfPixel = Bmp32({}, 4);
    halfPixel.push_back(0); // two bytes of a pixel at the end
    halfPixel.push_back(0);
    Bytes headerOnly = Bmp32({}, 4);
    headerOnly.resize(30);
    for (const Bytes& bytes : {pixelsPastEnd, halfPixel, headerOnly}) {
        const BmpScan scan = ScanBmpBytes(bytes);
        EXPECT_FALSE(scan.found);
        EXPECT_FALSE(scan.notBmp);
    }
    EXPECT_TRUE(ScanBmpBytes(Bytes{}).notBmp);
    EXPECT_TRUE(ScanBmpBytes(Bytes{'B'}).notBmp);
    EXPECT_TRUE(ScanBmpBytes(Bytes{0x89, 'P', 'N', 'G'}).notBmp);
    EXPECT_FALSE(ScanBmpBytes(Bytes{'B', 'M'}).notBmp);
}

// PNG-like bytes: the signature followed by the given text (chunk names and raw bytes). The
// scan looks for names in the bytes, so a well-formed chunk structure is not needed.
Bytes Png(const Bytes& rest) {
    Bytes b{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A chunk's length field, name and body (no CRC: the scan never reads it).
Bytes Chunk(std::uint32_t length, const std::string& name, const Bytes& body) {
    Bytes b{static_cast<std::uint8_t>(length >> 24), static_cast<std::uint8_t>(length >> 16),
            static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length)};
    b.insert(b.end(), name.begin(), name.end());
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes Ihdr(std::uint8_t colourType) {
    return Chunk(13, "IHDR",
                 {0, 0, 0, 8, 0, 0, 0, 6, 8, colourType, 0, 0, 0, 0xAA, 0xBB, 0xCC, 0xDD});
}

Bytes Palette() {
    Bytes rgb;
    for (int i = 0; i < 4; ++i) {
        rgb.push_back(static_cast<std::uint8_t>(10 * i));
        rgb.push_back(static_cast<std::uint8_t>(10 * i + 1));
        rgb.push_back(static_cast<std::uint8_t>(10 * i + 2));
    }
    return Chunk(12, "PLTE", rgb);
}

TEST(PngScan, ColourFromBackgroundOrTransparencyChunks) {
    const struct {
        const char* name;
        Bytes bytes;
        bool header;
        COLORREF colour;
    } cases[] = {
        {"RGBA with bKGD: the low bytes",
         Png(Concat({Ihdr(6), Chunk(6, "bKGD", {0x12, 0xFF, 0x34, 0x00, 0x56, 0x00})})), true,
         Rgb(0xFF, 0x00, 0x00)},
        {"RGBA without bKGD", Png(Ihdr(6)), true, Rgb(255, 255, 255)},
        {"grey+alpha with bKGD", Png(Concat({Ihdr(4), Chunk(2, "bKGD", {0x01, 0x80})})), true,
         Rgb(0x80, 0x80, 0x80)},
        {"grey+alpha without bKGD", Png(Ihdr(4)), true, Rgb(255, 255, 255)},
        {"palette: first entry not opaque",
         Png(Concat({Ihdr(3), Palette(), Chunk(3, "tRNS", {255, 255, 10})})), true,
         Rgb(20, 21, 22)},
        {"palette: tRNS before PLTE", Png(Concat({Ihdr(3), Chunk(2, "tRNS", {255, 0}), Palette()})),
         true, Rgb(10, 11, 12)},
        {"palette: all opaque", Png(Concat({Ihdr(3), Palette(), Chunk(2, "tRNS", {255, 255})})),
         true, kNoColour},
        {"palette: 256 entries count as 0",
         Png(Concat({Ihdr(3), Palette(), Chunk(256, "tRNS", Bytes(256, 0))})), true, kNoColour},
        {"palette without tRNS", Png(Concat({Ihdr(3), Palette()})), true, kNoColour},
        {"palette, tRNS without PLTE", Png(Concat({Ihdr(3), Chunk(1, "tRNS", {0})})), true,
         kNoColour},
        {"RGB with tRNS", Png(Concat({Ihdr(2), Chunk(6, "tRNS", {0, 1, 0, 2, 0, 3})})), true,
         kNoColour},
        {"grey", Png(Ihdr(0)), true, kNoColour},
        {"no IHDR", Png(Chunk(0, "IEND", {})), false, kNoColour},
        {"no signature", Concat({Bytes{0x89, 'P', 'N', 'X', 0x0D, 0x0A, 0x1A, 0x0A}, Ihdr(6)}),
         false, kNoColour},
        {"a name inside other data counts",
         Png(Concat({Chunk(20, "tEXt",
                           {'I', 'H', 'D', 'R', 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0}),
                     Ihdr(6)})),
         true, Rgb(255, 255, 255)},
    };
    for (const auto& c : cases) {
        const PngScan scan = ScanPngBytes(c.bytes);
        EXPECT_EQ(scan.headerFound, c.header) << c.name;
        EXPECT_EQ(scan.colour, c.colour) << c.name;
    }
}

TEST(PngScan, ShortAndCraftedFilesNeverReadPastTheEnd) {
    // Each file ends right where the scan would read next; the sanitizer build checks that it
    // does not.
    Bytes ihdrCut = Png(Ihdr(6));
    ihdrCut.resize(8 + 4 + 4 + 5); // the colour type byte (+13 from the name) is missing
    Bytes bkgdCut = Png(Concat({Ihdr(6), Chunk(6, "bKGD", {0, 1, 0, 2})}));
    Bytes greyBkgdCut = Png(Concat({Ihdr(4), Chunk(2, "bKGD", {0})}));
    Bytes trnsCut = Png(Concat({Ihdr(3), Palette(), Chunk(200, "tRNS", {255, 255})}));
    Bytes plteCut = Png(Concat(
        {Ihdr(3), Chunk(3, "tRNS", {255, 255, 0}), Chunk(12, "PLTE", {1, 2, 3, 4, 5, 6, 7})}));
    const struct {
        const char* name;
        Bytes bytes;
        bool header;
        COLORREF colour;
    } cases[] = {
        {"signature only", Png({}), false, kNoColour},
        {"IHDR name at the very end", Png({'I', 'H', 'D', 'R'}), false, kNoColour},
        {"IHDR without its colour type", ihdrCut, false, kNoColour},
        {"bKGD cut short", bkgdCut, true, Rgb(255, 255, 255)},
        {"grey bKGD cut short", greyBkgdCut, true, Rgb(255, 255, 255)},
        {"tRNS entries beyond the end", trnsCut, true, kNoColour},
        {"PLTE entry beyond the end", plteCut, true, kNoColour},
        {"seven bytes", Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A}, false, kNoColour},
    };
    for (const auto& c : cases) {
        const Bytes exact(c.bytes); // its own allocation, so that any overread is caught
        const PngScan scan = ScanPngBytes(exact);
        EXPECT_EQ(scan.headerFound, c.header) << c.name;
        EXPECT_EQ(scan.colour, c.colour) << c.name;
    }
}

} // namespace
} // namespace lumina
