#pragma once

#include "glyph/outline.h"
#include "tests/glyph/native_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumina::test {

// Native records decoded and placed on a W x H view, as the refresh pass places them.
inline GlyphOutline Decoded(std::vector<std::uint8_t> native, int W = 800, int H = 600) {
    GlyphOutline outline;
    EXPECT_TRUE(DecodeNativeRecords(native, outline).ok);
    PlaceOutline(outline, W, H);
    return outline;
}

// The square 0,0 - 10,10 (y up) of one line record ending on its start: four vertices.
inline GlyphOutline Square(int W = 800, int H = 600) {
    NativeRecords r;
    r.Polygon(Px(0, 0)).Line({Px(10, 0), Px(10, 10), Px(0, 10), Px(0, 0)});
    return Decoded(r.Bytes(), W, H);
}

// The lines of a text file of the program, each of which must end in CR LF.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

} // namespace lumina::test
