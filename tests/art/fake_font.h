#pragma once

#include "platform/font.h"

#include <map>

namespace lumina::test {

// A font whose glyphs a test sets one by one: ink as Gray17 bytes, advance, and a coverage
// image for drawing. Unset codes have no glyph.
class FakeFont : public Font {
public:
    struct FakeGlyph {
        GlyphData gray;
        std::vector<GlyphImage> images;
    };
    explicit FakeFont(int ascent = 10, int descent = 2, int aveWidth = 6) {
        m_metrics.tmAscent = ascent;
        m_metrics.tmDescent = descent;
        m_metrics.tmHeight = ascent + descent;
        m_metrics.tmAveCharWidth = aveWidth;
    }
    // A glyph of w x h pixels with the first `ink` pixels (row by row) at level 16.
    void SetGlyph(std::uint32_t code, int w, int h, int ink, int incX, int incY = 0) {
        FakeGlyph g;
        g.gray.metrics.gmBlackBoxX = static_cast<std::uint32_t>(w);
        g.gray.metrics.gmBlackBoxY = static_cast<std::uint32_t>(h);
        g.gray.metrics.gmCellIncX = static_cast<std::int16_t>(incX);
        g.gray.metrics.gmCellIncY = static_cast<std::int16_t>(incY);
        const int stride = (w + 3) / 4 * 4;
        g.gray.bytes.assign(static_cast<size_t>(stride) * h, 0);
        for (int i = 0; i < ink; ++i)
            g.gray.bytes[static_cast<size_t>(i / w) * stride + i % w] = 16;
        GlyphImage image{0, 0, w, h, std::vector<std::uint8_t>(static_cast<size_t>(w) * h, 0)};
        for (int i = 0; i < ink; ++i)
            image.coverage[static_cast<size_t>(i)] = 255;
        if (ink > 0)
            g.images.push_back(std::move(image));
        m_glyphs[code] = std::move(g);
    }
    void SetBlank(std::uint32_t code, int incX) {
        FakeGlyph g;
        g.gray.metrics.gmCellIncX = static_cast<std::int16_t>(incX);
        m_glyphs[code] = std::move(g);
    }

    const LogicalFont& Logical() const override { return m_logical; }
    const ResolvedFace& Face() const override { return m_face; }
    TextMetrics Metrics() const override { return m_metrics; }
    std::optional<GlyphData> Glyph(std::uint32_t code, GlyphFormat) const override {
        const auto it = m_glyphs.find(code);
        if (it == m_glyphs.end())
            return std::nullopt;
        return it->second.gray;
    }
    Size CodeExtent(std::uint32_t) const override { return {12, m_metrics.tmHeight}; }
    Size TextExtent(std::string_view) const override { return {12, m_metrics.tmHeight}; }
    std::vector<GlyphImage> RenderCode(std::uint32_t code) const override {
        ++renderCalls;
        const auto it = m_glyphs.find(code);
        return it == m_glyphs.end() ? std::vector<GlyphImage>{} : it->second.images;
    }
    std::vector<GlyphImage> RenderText(std::string_view) const override { return {}; }

    mutable int renderCalls = 0;

private:
    LogicalFont m_logical;
    ResolvedFace m_face;
    TextMetrics m_metrics;
    std::map<std::uint32_t, FakeGlyph> m_glyphs;
};

} // namespace lumina::test
