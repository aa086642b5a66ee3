#pragma once

#include "platform/font.h"
#include "platform/freetype_font_system.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace lumina::test {

inline std::string FixtureFontPath(const char* name) {
    const char* data = std::getenv("LUMINA_TEST_DATA");
    return std::string(data ? data : "tests/data") + "/fonts/" + name;
}

// A font system that also knows the fixture fonts.
inline std::unique_ptr<FontSystem> MakeFixtureFontSystem() {
    return MakeFreeTypeFontSystem(
        {FixtureFontPath("LuminaTest.ttf"), FixtureFontPath("LuminaTestCFF.otf"),
         FixtureFontPath("LuminaTestUni.ttf"), FixtureFontPath("LuminaTestVert.ttf")});
}

// Tests over the fixture fonts: Make realises a font and expects to get one.
class FixtureFontTest : public ::testing::Test {
protected:
    std::shared_ptr<const Font> Make(const LogicalFont& logical) {
        auto font = m_fonts->CreateFont(logical);
        EXPECT_NE(font, nullptr);
        return font;
    }
    std::unique_ptr<FontSystem> m_fonts = MakeFixtureFontSystem();
};

// One decoded native polygon: start point and records, coordinates in pixels.
struct NativeRecord {
    int type = 0;
    std::vector<std::pair<double, double>> points;
};
struct NativePolygon {
    std::pair<double, double> start;
    std::vector<NativeRecord> records;
};

inline double ReadFixed(const std::uint8_t* p) {
    std::int32_t v = 0;
    std::memcpy(&v, p, 4);
    return v / 65536.0;
}

inline std::uint32_t ReadU32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::uint16_t ReadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// Parses the native records; a malformed buffer gives an empty result and sets ok false.
inline std::vector<NativePolygon> ParseNative(const std::vector<std::uint8_t>& bytes, bool& ok) {
    std::vector<NativePolygon> polygons;
    ok = true;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (pos + 16 > bytes.size() || ReadU32(&bytes[pos + 4]) != 24) {
            ok = false;
            return {};
        }
        const std::size_t cb = ReadU32(&bytes[pos]);
        if (cb < 16 || pos + cb > bytes.size()) {
            ok = false;
            return {};
        }
        NativePolygon polygon;
        polygon.start = {ReadFixed(&bytes[pos + 8]), ReadFixed(&bytes[pos + 12])};
        std::size_t at = pos + 16;
        while (at < pos + cb) {
            NativeRecord record;
            record.type = ReadU16(&bytes[at]);
            const int count = ReadU16(&bytes[at + 2]);
            at += 4;
            for (int i = 0; i < count; ++i, at += 8)
                record.points.push_back({ReadFixed(&bytes[at]), ReadFixed(&bytes[at + 4])});
            polygon.records.push_back(record);
        }
        if (at != pos + cb) {
            ok = false;
            return {};
        }
        polygons.push_back(polygon);
        pos += cb;
    }
    return polygons;
}

} // namespace lumina::test
