// The font's own points, glyph lookup by key and the walk through the characters a face maps.
#include "tests/platform/font_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lumina {
namespace {

// An em of 100 pixels: the fixtures' 1000-unit coordinates divided by 10.
LogicalFont Fixture(const char* family, int escapement = 0) {
    return LogicalFont{family, -100, 400, false, escapement};
}

// A contour as "x,y kind" items, kind o (on), c (conic) or q (cubic).
std::string Describe(const std::vector<SourcePoint>& contour) {
    std::ostringstream out;
    for (const SourcePoint& p : contour) {
        const char kind = p.kind == SourcePointKind::On      ? 'o'
                          : p.kind == SourcePointKind::Conic ? 'c'
                                                             : 'q';
        out << p.x << "," << p.y << kind << " ";
    }
    return out.str();
}

using FontSource = test::FixtureFontTest;

TEST_F(FontSource, PointsAreTheStoredOnesInTheFontsOrderUnturned) {
    const struct {
        const char* family;
        char character;
        std::vector<std::string> contours;
    } cases[] = {
        // The TrueType B: on, on, off, off, on; its first point first.
        {"Lumina Test", 'B', {"10,0o 10,60o 40,80c 70,60c 70,0o "}},
        // D starts with an off-curve point, as the font stores it.
        {"Lumina Test", 'D', {"10,60c 40,60o 40,0o 10,0o "}},
        {"Lumina Test", 'C', {"0,0o 0,70o 80,70o 80,0o ", "20,20o 60,20o 60,50o 20,50o "}},
        // The CFF B: a cubic run between its on-curve points.
        {"Lumina Test CFF", 'B', {"10,0o 10,60o 30,80q 50,80q 70,60o 70,0o "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.family) + " " + c.character);
        // Turned fonts give the same points: the escapement turns only what is drawn.
        for (const int escapement : {0, 450}) {
            const auto points =
                Make(Fixture(c.family, escapement))
                    ->SourcePointsOf(GlyphKey::Char(static_cast<char32_t>(c.character)));
            ASSERT_TRUE(points);
            ASSERT_EQ(points->contours.size(), c.contours.size());
            for (std::size_t i = 0; i < c.contours.size(); ++i)
                EXPECT_EQ(Describe(points->contours[i]), c.contours[i]) << escapement;
        }
    }
}

TEST_F(FontSource, KeysFindGlyphsByCharacterOrByIndex) {
    const auto font = Make(Fixture("Lumina Test"));
    EXPECT_EQ(font->IndexOf(GlyphKey::Char('A')), 2u); // .notdef, space, A, ...
    EXPECT_EQ(font->IndexOf(GlyphKey::Char(U'漢')), 0u) << "unmapped: the missing glyph";
    EXPECT_EQ(font->IndexOf(GlyphKey::Index(5)), 5u);
    // A sequence the face has no variant for gives the missing glyph too.
    EXPECT_EQ(font->IndexOf(GlyphKey::Char('A', 0xE0100)), 0u);
    // The same glyph by character and by index, in every format.
    for (const GlyphFormat format : {GlyphFormat::Native, GlyphFormat::Mono, GlyphFormat::Gray17}) {
        const auto byChar = font->GlyphOf(GlyphKey::Char('C'), format);
        const auto byIndex = font->GlyphOf(GlyphKey::Index(4), format);
        ASSERT_TRUE(byChar && byIndex);
        EXPECT_EQ(byChar->bytes, byIndex->bytes);
    }
    EXPECT_EQ(font->RenderGlyph(GlyphKey::Char('A')).size(), 1u);
}

TEST_F(FontSource, SteppingWalksTheMappedCharactersInOrder) {
    const auto font = Make(Fixture("Lumina Test"));
    const struct {
        char32_t from;
        int direction;
        std::optional<char32_t> to;
    } cases[] = {
        {'A', +1, 'B'},          {'A', -1, ' '},   {'F', +1, std::nullopt},
        {' ', -1, std::nullopt}, {U'漢', -1, 'F'}, {0, +1, ' '},
        {'!', +1, 'A'},          {'!', -1, ' '},   {0x10FFFF, -1, 'F'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(font->NextMapped(c.from, c.direction), c.to)
            << static_cast<std::uint32_t>(c.from) << " " << c.direction;
}

} // namespace
} // namespace lumina
