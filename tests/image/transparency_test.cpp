#include "image/transparency.h"

#include "platform/image_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumina {
namespace {

constexpr std::uint32_t Argb(int a, int r, int g, int b) {
    return static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 |
           static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b);
}

// A one-row picture of the given pixels.
ArgbImage Row(const std::vector<std::uint32_t>& pixels) {
    auto image = ArgbImage::Create(static_cast<int>(pixels.size()), 1);
    EXPECT_TRUE(image);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        image->Row(0)[i] = pixels[i];
    return std::move(*image);
}

std::vector<std::uint32_t> Pixels(const ArgbImage& image) {
    return std::vector<std::uint32_t>(image.Row(0), image.Row(0) + image.Width());
}

TEST(KeyColour, FirstPixelOfAlphaZeroInMemoryOrder) {
    auto image = ArgbImage::Create(2, 2);
    ASSERT_TRUE(image);
    image->Row(0)[0] = Argb(255, 1, 1, 1);
    image->Row(0)[1] = Argb(1, 2, 2, 2);
    image->Row(1)[0] = Argb(0, 10, 20, 30);
    image->Row(1)[1] = Argb(0, 40, 50, 60);
    EXPECT_EQ(FindKeyColour(*image), Rgb(10, 20, 30));
    EXPECT_EQ(FindKeyColour(Row({Argb(255, 0, 0, 0), Argb(1, 0, 0, 0)})), kNoColour);
}

TEST(KeyColour, RepaintKeepsAlphaZero) {
    ArgbImage image = Row({Argb(0, 1, 2, 3), Argb(255, 1, 2, 3)});
    RepaintTransparent(image, Rgb(255, 0, 0));
    EXPECT_EQ(Pixels(image), (std::vector{Argb(0, 255, 0, 0), Argb(255, 1, 2, 3)}));
}

TEST(LowColour, AdjustmentByKey) {
    const struct {
        const char* name;
        COLORREF key;
        std::vector<std::uint32_t> before;
        std::vector<std::uint32_t> after;
        COLORREF keyAfter;
    } cases[] = {
        {"white key: near-white moves off white, whatever the alpha",
         Rgb(255, 255, 255),
         {Argb(255, 250, 250, 250), Argb(0, 240, 240, 240), Argb(255, 255, 255, 255),
          Argb(255, 239, 250, 250), Argb(0, 255, 255, 255)},
         {Argb(255, 255, 247, 255), Argb(0, 255, 247, 255), Argb(255, 255, 255, 255),
          Argb(255, 239, 250, 250), Argb(0, 255, 255, 255)},
         Rgb(255, 255, 255)},
        {"black key: near-black moves off black",
         Rgb(0, 0, 0),
         {Argb(255, 15, 15, 15), Argb(7, 1, 0, 0), Argb(255, 0, 0, 0), Argb(255, 16, 0, 0)},
         {Argb(255, 0, 8, 0), Argb(7, 0, 8, 0), Argb(255, 0, 0, 0), Argb(255, 16, 0, 0)},
         Rgb(0, 0, 0)},
        {"other key: transparent becomes white, white moves off it",
         Rgb(255, 0, 0),
         {Argb(0, 255, 0, 0), Argb(255, 255, 255, 255), Argb(255, 255, 0, 0),
          Argb(255, 250, 250, 250)},
         {Argb(0, 255, 255, 255), Argb(255, 255, 247, 255), Argb(255, 255, 0, 0),
          Argb(255, 250, 250, 250)},
         Rgb(255, 255, 255)},
    };
    for (const auto& c : cases) {
        ArgbImage image = Row(c.before);
        EXPECT_EQ(AdjustForLowColour(image, c.key), c.keyAfter) << c.name;
        EXPECT_EQ(Pixels(image), c.after) << c.name;
    }
}

TEST(Flatten, TransparentWhiteOpaqueKeptPartlyBlended) {
    ArgbImage image = Row({Argb(0, 0, 0, 0), Argb(255, 0, 0, 0), Argb(128, 0, 0, 0),
                           Argb(255, 255, 0, 0), Argb(51, 255, 0, 0)});
    FlattenOntoWhite(image);
    EXPECT_EQ(Pixels(image),
              (std::vector{Argb(255, 255, 255, 255), Argb(255, 0, 0, 0), Argb(255, 127, 127, 127),
                           Argb(255, 255, 0, 0), Argb(255, 255, 204, 204)}));
}

} // namespace
} // namespace lumina
