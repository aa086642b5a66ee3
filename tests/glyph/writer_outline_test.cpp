// The outline point file: its walk and format.
#include "glyph/outline.h"
#include "glyph/outline_file.h"
#include "glyph/request.h"
#include "tests/glyph/outline_test_support.h"
#include "tests/glyph/view_test_support.h"

#include <gtest/gtest.h>

namespace lumina {
namespace {

using test::Decoded;
using test::Lines;
using test::Square;

TEST(OutlinePointFileFormat, SquareVerticesOnlyIsSevenLinesRelativeToTheTopLeft) {
    const std::string text = FormatOutlinePointFile(Square(), false);
    EXPECT_EQ(text, "[Block-1]\r\n0 , 10\r\n10 , 10\r\n10 , 0\r\n0 , 0\r\n0 , 10\r\n\r\n");
    EXPECT_EQ(Lines(text).size(), 7u);
}

TEST(OutlinePointFileFormat, SquareWithControlPointsIsSeventeenLines) {
    const std::vector<std::string> lines = Lines(FormatOutlinePointFile(Square(), true));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "[Block-1]");
    // A straight segment is end, start, end; the block ends with its two trailing copies.
    EXPECT_EQ(lines[1], "0 , 10");
    EXPECT_EQ(lines[2], "10 , 10");
    EXPECT_EQ(lines[3], "0 , 10");
    EXPECT_EQ(lines[4], "10 , 10");
    EXPECT_EQ(lines[13], "0 , 10");
    EXPECT_EQ(lines[14], "0 , 10");
    EXPECT_EQ(lines[15], "0 , 10");
    EXPECT_EQ(lines[16], "");
}

TEST(OutlinePointFileFormat, TwoBlocksAreNumberedAndEachEndsWithAnEmptyLine) {
    for (const bool controls : {false, true}) {
        SCOPED_TRACE(controls);
        const std::vector<std::string> lines =
            Lines(FormatOutlinePointFile(Decoded(test::SquareAndTriangle()), controls));
        std::vector<std::size_t> headers;
        int minX = 1 << 30, minY = 1 << 30;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].rfind("[Block-", 0) == 0) {
                headers.push_back(i);
                continue;
            }
            if (lines[i].empty())
                continue;
            int x = 0, y = 0;
            ASSERT_EQ(std::sscanf(lines[i].c_str(), "%d , %d", &x, &y), 2) << lines[i];
            EXPECT_GE(x, 0);
            EXPECT_GE(y, 0);
            minX = std::min(minX, x);
            minY = std::min(minY, y);
        }
        ASSERT_EQ(headers.size(), 2u);
        EXPECT_EQ(lines[headers[0]], "[Block-1]");
        EXPECT_EQ(lines[headers[1]], "[Block-2]");
        EXPECT_EQ(lines[headers[1] - 1], "");
        EXPECT_EQ(lines.back(), "");
        EXPECT_EQ(minX, 0);
        EXPECT_EQ(minY, 0);
        // Square of 4 segments, triangle of 3: n + 1 or 3n + 3 points each.
        EXPECT_EQ(headers[1] - headers[0], controls ? 17u : 7u);
        EXPECT_EQ(lines.size() - headers[1], controls ? 14u : 6u);
    }
}

TEST(OutlinePointFileFormat, DoesNotDependOnThePlacement) {
    EXPECT_EQ(FormatOutlinePointFile(Square(800, 600), true),
              FormatOutlinePointFile(Square(321, 77), true));
    EXPECT_EQ(FormatOutlinePointFile(GlyphOutline{}, true), "");
}

TEST(OutlinePointFileFormat, TheViewsOutlineWritesWhatAFreshDecodeWrites) {
    // The window writes the outline its view placed; the batch tool decodes on its own.
    test::ViewRig rig(test::FixtureFonts(), 640, 480);
    rig.state.request.Char = "C";
    rig.state.request.SjisCode = 67;
    rig.state.request.FontName = "Lumina Test";
    ASSERT_TRUE(rig.Refresh());
    auto surface = *Surface::Create(1, 1, PixelFormat::Rgb32);
    const ScopedFont font(rig.services.Get(), surface, rig.state.request.ToFontSpec());
    GlyphOutline fresh;
    GlyphMetrics metrics;
    RecordingGlyphObserver observer;
    ASSERT_TRUE(DecodeNativeOutline(surface, 67, fresh, metrics, observer));
    PlaceOutline(fresh, 800, 600);
    for (const bool controls : {false, true})
        EXPECT_EQ(FormatOutlinePointFile(rig.view.Outline(), controls),
                  FormatOutlinePointFile(fresh, controls));
    EXPECT_EQ(Lines(FormatOutlinePointFile(fresh, false)).size(), 14u); // two squares
}

} // namespace
} // namespace lumina
