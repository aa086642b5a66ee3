#include "platform/pixels.h"

#include <gtest/gtest.h>

#include <array>

namespace lumina {
namespace {

TEST(Widening, ExactValuesOfEachWidening) {
    struct Case {
        int field, expanded, shifted, scaled;
    };
    // 5-bit fields (red, blue): 0 and full scale are exact; the shifted reading never reaches
    // 255, the scaled one falls one short of the expansion at 16 and 30.
    const Case five[] = {{0, 0, 0, 0},        {1, 8, 8, 8},        {15, 123, 120, 123},
                         {16, 132, 128, 131}, {30, 247, 240, 246}, {31, 255, 248, 255}};
    for (const Case& c : five) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(Expand5(c.field), c.expanded);
        EXPECT_EQ(Shift5(c.field), c.shifted);
        EXPECT_EQ(Scale5(c.field), c.scaled);
    }
    const Case six[] = {{0, 0, 0, 0},        {1, 4, 4, 4},        {31, 125, 124, 125},
                        {32, 130, 128, 129}, {62, 251, 248, 250}, {63, 255, 252, 255}};
    for (const Case& c : six) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(Expand6(c.field), c.expanded);
        EXPECT_EQ(Shift6(c.field), c.shifted);
        EXPECT_EQ(Scale6(c.field), c.scaled);
    }
}

TEST(PixelTraits, ColoursRoundTripThroughEveryFormat) {
    struct Case {
        COLORREF colour;
        std::uint32_t raw32;
        std::uint16_t raw16;
        COLORREF back16; // what a 16-bit pixel reads back
    };
    const Case cases[] = {
        {Rgb(0, 0, 0), 0xFF000000u, 0x0000, Rgb(0, 0, 0)},
        {Rgb(255, 255, 255), 0xFFFFFFFFu, 0xFFFF, Rgb(255, 255, 255)},
        {Rgb(255, 0, 0), 0xFFFF0000u, 0xF800, Rgb(255, 0, 0)},
        {Rgb(0, 255, 0), 0xFF00FF00u, 0x07E0, Rgb(0, 255, 0)},
        {Rgb(0, 0, 255), 0xFF0000FFu, 0x001F, Rgb(0, 0, 255)},
        {Rgb(0x12, 0x34, 0x56), 0xFF123456u, 0x11AA, Rgb(0x10, 0x34, 0x52)},
        {Rgb(128, 144, 192), 0xFF8090C0u, 0x8498, Rgb(132, 146, 198)},
        {Rgb(7, 3, 250), 0xFF0703FAu, 0x001F, Rgb(0, 0, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        EXPECT_EQ(EncodeColour<Rgb32Pixel>(c.colour), c.raw32);
        EXPECT_EQ(DecodeColour<Rgb32Pixel>(c.raw32), c.colour);
        EXPECT_EQ(EncodeColour<Rgb16Pixel>(c.colour), c.raw16);
        EXPECT_EQ(DecodeColour<Rgb16Pixel>(c.raw16), c.back16);
        // What reads back is stored unchanged.
        EXPECT_EQ(EncodeColour<Rgb16Pixel>(c.back16), c.raw16);
        EXPECT_EQ(EncodePixel(PixelFormat::Rgb32, c.colour), c.raw32);
        EXPECT_EQ(EncodePixel(PixelFormat::Rgb16, c.colour), c.raw16);
        EXPECT_EQ(DecodePixel(PixelFormat::Rgb16, c.raw16), c.back16);
    }
}

TEST(PixelTraits, BitsLieInTheDocumentedByteOrder) {
    std::array<std::uint8_t, 4> bytes{};
    Rgb32Pixel::Store(bytes.data(), EncodeColour<Rgb32Pixel>(Rgb(0x12, 0x34, 0x56)));
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x56, 0x34, 0x12, 0xFF})); // blue first
    Rgb16Pixel::Store(bytes.data(), 0xF81F);
    EXPECT_EQ(bytes[0], 0x1F); // little-endian
    EXPECT_EQ(bytes[1], 0xF8);
    EXPECT_EQ(Rgb16Pixel::Load(bytes.data()), 0xF81F);
    EXPECT_EQ(Rgb16Pixel::Fields(0xF81F), (Channels{31, 0, 31}));
    EXPECT_EQ(Rgb16Pixel::Fields(0xFFFF), (Channels{31, 63, 31}));
}

TEST(PixelTraits, BlendsAColourWithACoverage) {
    struct Case {
        COLORREF under, over;
        int coverage;
        COLORREF blended32, blended16;
    };
    const Case cases[] = {
        {Rgb(255, 255, 255), Rgb(0, 0, 0), 0, Rgb(255, 255, 255), Rgb(255, 255, 255)},
        {Rgb(255, 255, 255), Rgb(0, 0, 0), 255, Rgb(0, 0, 0), Rgb(0, 0, 0)},
        // 255 x 127 / 255 = 127.5, rounded down by the +127; 5-6-5 keeps 15, 31, 15.
        {Rgb(255, 255, 255), Rgb(0, 0, 0), 128, Rgb(127, 127, 127), Rgb(123, 125, 123)},
        {Rgb(0, 0, 0), Rgb(255, 0, 0), 1, Rgb(1, 0, 0), Rgb(0, 0, 0)},
        {Rgb(10, 20, 30), Rgb(200, 100, 50), 64, Rgb(58, 40, 35), Rgb(57, 40, 24)},
        {Rgb(0, 0, 255), Rgb(255, 0, 0), 255, Rgb(255, 0, 0), Rgb(255, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.under << " " << c.over << " " << c.coverage);
        const auto raw32 = BlendPixel<Rgb32Pixel>(EncodeColour<Rgb32Pixel>(c.under),
                                                  ChannelsOf(c.over), c.coverage);
        EXPECT_EQ(DecodeColour<Rgb32Pixel>(raw32), c.blended32);
        EXPECT_EQ(Rgb32Pixel::Alpha(raw32), 255) << "surfaces keep 0xFF in the fourth byte";
        const auto raw16 = BlendPixel<Rgb16Pixel>(EncodeColour<Rgb16Pixel>(c.under),
                                                  ChannelsOf(c.over), c.coverage);
        EXPECT_EQ(DecodeColour<Rgb16Pixel>(raw16), c.blended16);
        // The row loops' blend in place gives the same pixels.
        std::array<std::uint8_t, 4> bytes{};
        Rgb32Pixel::Store(bytes.data(), EncodeColour<Rgb32Pixel>(c.under));
        BlendAt<Rgb32Pixel>(bytes.data(), ChannelsOf(c.over), c.coverage);
        EXPECT_EQ(Rgb32Pixel::Load(bytes.data()), raw32);
        EXPECT_EQ(FieldsAt<Rgb32Pixel>(bytes.data()), ChannelsOf(c.blended32));
        Rgb16Pixel::Store(bytes.data(), EncodeColour<Rgb16Pixel>(c.under));
        BlendAt<Rgb16Pixel>(bytes.data(), ChannelsOf(c.over), c.coverage);
        EXPECT_EQ(Rgb16Pixel::Load(bytes.data()), raw16);
    }
}

TEST(PixelTraits, TheWideningOfThePixelUnderTheBlendMattersOnlyAt16Bits) {
    // Red field 13 reads 107 expanded and 106 scaled; a quarter of black over it lands on
    // either side of a 5-bit step.
    const std::uint16_t under = 13 << 11;
    const Channels black{0, 0, 0};
    EXPECT_EQ(BlendPixel<Rgb16Pixel>(under, black, 64), 10 << 11);
    EXPECT_EQ((BlendPixel<Rgb16Pixel, Widening::Scaled>(under, black, 64)), 9 << 11);
    const std::uint32_t under32 = EncodeColour<Rgb32Pixel>(Rgb(107, 0, 0));
    EXPECT_EQ(BlendPixel<Rgb32Pixel>(under32, black, 64),
              (BlendPixel<Rgb32Pixel, Widening::Scaled>(under32, black, 64)));
}

TEST(PixelTraits, WhiteIsOnlyPureWhite) {
    EXPECT_TRUE(Rgb32Pixel::IsWhite(0xFFFFFFFFu));
    EXPECT_TRUE(Rgb32Pixel::IsWhite(0x00FFFFFFu)) << "the fourth byte is not colour";
    EXPECT_FALSE(Rgb32Pixel::IsWhite(0xFFFFFFFEu));
    EXPECT_FALSE(Rgb32Pixel::IsWhite(0xFFFEFFFFu));
    EXPECT_TRUE(Rgb16Pixel::IsWhite(0xFFFF));
    EXPECT_FALSE(Rgb16Pixel::IsWhite(0xFFDF)) << "green 62 of 63";
    EXPECT_FALSE(Rgb16Pixel::IsWhite(0xFFFE));
}

TEST(PixelTraits, ArgbPixelsKeepTheirAlphaWhenRecoloured) {
    const std::uint32_t half = 0x80102030u; // alpha 128, red 0x10, green 0x20, blue 0x30
    EXPECT_EQ(Rgb32Pixel::Alpha(half), 128);
    EXPECT_EQ(DecodeColour<Rgb32Pixel>(half), Rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(Rgb32Pixel::WithColour(half, Rgb(255, 247, 255)), 0x80FFF7FFu);
    EXPECT_EQ(Rgb32Pixel::WithColour(0x00000000u, Rgb(1, 2, 3)), 0x00010203u);
}

} // namespace
} // namespace lumina
