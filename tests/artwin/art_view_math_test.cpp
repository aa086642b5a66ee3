#include "artwin/art_view_math.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(ArtViewMath, PictureFitsByItsSmallerScale) {
    struct Case {
        int w, h;
        Rect expected;
    };
    const Rect area{2, 20, 202, 120}; // 200 x 100
    for (const Case& c : {
             Case{50, 40, {77, 50, 127, 90}},    // smaller: unscaled, centred
             Case{400, 100, {2, 45, 202, 95}},   // wide: fills the width, centred down
             Case{100, 200, {77, 20, 127, 120}}, // tall: fills the height, centred across
             Case{200, 100, {2, 20, 202, 120}},  // same shape: fills both
             Case{200, 50, {2, 45, 202, 95}},    // as wide as the area is not smaller
         }) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        EXPECT_EQ(FitPictureRect(area, c.w, c.h), c.expected);
    }
}

TEST(ArtViewMath, MagnifiedViewStaysAtTheAreaCorner) {
    const Rect area{100, 10, 500, 310}; // 400 x 300
    const ArtView small = MagnifiedView(area, 150, 100, 2, 0, 0);
    EXPECT_EQ(small.destination, (Rect{100, 10, 400, 210}));
    EXPECT_EQ(small.source, (Rect{0, 0, 150, 100}));
    const ArtView big = MagnifiedView(area, 1000, 800, 4, 30, 7);
    EXPECT_EQ(big.destination, area);
    EXPECT_EQ(big.source, (Rect{30, 7, 130, 82}));
}

TEST(ArtViewMath, PansKeepToTheLimits) {
    const Rect area{0, 0, 400, 300};
    const PanLimits narrow = PanLimitsOf(area, 150, 1000, 2); // 300 wide at x2: no room across
    EXPECT_LT(narrow.maxX, 0);
    EXPECT_EQ(PanFromArtDrag({200, 200}, {100, 150}, {0, 0}, 2, narrow), (Point{0, 25}));
    const PanLimits wide = PanLimitsOf(area, 1000, 750, 4); // maxX 3600, maxY 2700
    EXPECT_EQ(PanFromArtDrag({200, 200}, {158, 200}, {10, 0}, 4, wide), (Point{20, 0}));
    EXPECT_EQ(PanFromArtDrag({0, 0}, {500, 500}, {10, 10}, 4, wide), (Point{0, 0}));
    const Rect picture{10, 20, 210, 170}; // 200 x 150 for 1000 x 750 art: scale 0.2
    EXPECT_EQ(PanFromFrameDrag({5000, 5000}, picture, {3, 3}, 0.2f, 0.2f, 4, wide),
              (Point{900, 675}));
    EXPECT_EQ(PanFromFrameDrag({30, 40}, picture, {0, 0}, 0.2f, 0.2f, 4, wide), (Point{100, 100}));
}

TEST(ArtViewMath, FrameCoversTheVisiblePartAndStaysInsideThePicture) {
    const Rect picture{10, 20, 210, 170};
    const Rect area{0, 0, 400, 300};
    EXPECT_EQ(PictureFrame(picture, area, 4, 100, 50, 0.2f, 0.2f), (Rect{30, 30, 50, 45}));
    // A frame larger than the picture is cut to it.
    EXPECT_EQ(PictureFrame(picture, area, 1, 0, 0, 1.0f, 1.0f), (Rect{10, 20, 209, 169}));
}

TEST(ArtViewMath, FrameColourIsTheInverse) {
    EXPECT_EQ(InverseColour(Rgb(0, 0, 0)), Rgb(255, 255, 255));
    EXPECT_EQ(InverseColour(Rgb(255, 255, 255)), Rgb(0, 0, 0));
    EXPECT_EQ(InverseColour(Rgb(10, 200, 30)), Rgb(245, 55, 225));
}

} // namespace
} // namespace lumina
