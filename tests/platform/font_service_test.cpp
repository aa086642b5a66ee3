#include "services/common.h"

#include "platform/surface.h"
#include "services/services.h"
#include "tests/platform/font_fixture.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    struct Case {
        int a, b, c, expected;
    };
    for (const Case& t :
         {Case{300, 96, 72, 400}, Case{8, 96, 72, 11}, Case{2, 96, 72, 3}, Case{1, 3, 2, 2},
          Case{-1, 3, 2, -2}, Case{1, -3, 2, -2}, Case{-1, -3, -2, -2}, Case{5, 1, 3, 2},
          Case{4, 1, 3, 1}, Case{1, 1, 0, -1}, Case{2000000000, 2, 1, -1},
          Case{2000000000, 3, 4, 1500000000}}) {
        EXPECT_EQ(MulDiv(t.a, t.b, t.c), t.expected) << t.a << " " << t.b << " " << t.c;
    }
}

TEST(MakeLogicalFont, FillsTheRecordAsTheProgramAsks) {
    const LogicalFont l = MakeLogicalFont(FontSpec{"", 300, true, true, 45}, 96);
    EXPECT_EQ(l.faceName, kDefaultFaceName);
    EXPECT_EQ(l.height, -400);
    EXPECT_EQ(l.weight, 700);
    EXPECT_TRUE(l.italic);
    EXPECT_EQ(l.escapement, 450);
    EXPECT_EQ(MakeLogicalFont(FontSpec{"X", 8}, 96).height, -11);
    // Sizes below 2 points are taken as 2.
    for (int size : {-5, 0, 1, 2})
        EXPECT_EQ(MakeLogicalFont(FontSpec{"X", size}, 96), MakeLogicalFont(FontSpec{"X", 2}, 96));
    EXPECT_EQ(MakeLogicalFont(FontSpec{"X", 300}, 600).height, -2500);
    EXPECT_EQ(MakeLogicalFont(FontSpec{"X", 300}, 96).weight, 400);
}

TEST(CreateAndSelectFont, SelectsTheNewFontAndReturnsThePrevious) {
    test::TestServices services(test::MakeFixtureFontSystem());
    auto surface = Surface::Create(10, 10, PixelFormat::Rgb32, 96, 72);
    ASSERT_TRUE(surface.has_value());
    std::shared_ptr<const Font> object;
    const auto before = CreateAndSelectFont(services, object, *surface, {"Lumina Test", 75});
    EXPECT_EQ(before, nullptr);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(surface->SelectedFont(), object.get());
    // The surface's vertical resolution sizes the font: 75 points at 72 dpi is 75 pixels.
    EXPECT_EQ(object->Logical().height, -75);
    const Font* first = object.get();
    const auto previous = CreateAndSelectFont(services, object, *surface, {"Lumina Test", 20});
    EXPECT_EQ(previous.get(), first);
    EXPECT_NE(object.get(), first);
    surface->SelectFont(previous);
    EXPECT_EQ(surface->SelectedFont(), first);
}

TEST(CreateAndSelectFont, FailureLeavesNoFontSelected) {
    test::TestServices services; // a font system without fonts
    auto surface = Surface::Create(10, 10, PixelFormat::Rgb16);
    ASSERT_TRUE(surface.has_value());
    std::shared_ptr<const Font> object;
    CreateAndSelectFont(services, object, *surface, {"Lumina Test", 75});
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(surface->SelectedFont(), nullptr);
}

TEST(ScopedFont, GivesThePreviousFontBack) {
    test::TestServices services(test::MakeFixtureFontSystem());
    auto surface = Surface::Create(10, 10, PixelFormat::Rgb32);
    ASSERT_TRUE(surface.has_value());
    ScopedFont outer(services, *surface, {"Lumina Test", 75});
    ASSERT_TRUE(outer);
    {
        ScopedFont inner(services, *surface, {"Lumina Test CFF", 9});
        ASSERT_TRUE(inner);
        EXPECT_EQ(surface->SelectedFont(), inner.get());
    }
    EXPECT_EQ(surface->SelectedFont(), outer.get());
}

} // namespace
} // namespace lumina
