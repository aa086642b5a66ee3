#pragma once

#include "platform/font.h"

#include <map>
#include <new>
#include <optional>
#include <utility>

namespace lumina::test {

// A font that hands out prepared glyph data per format, so that the glyph code can be tested
// on exact rasteriser output, refusals and allocation failures.
class FakeFont : public Font {
public:
    // nullopt makes the rasteriser refuse the glyph in that format.
    void Set(GlyphFormat format, std::optional<GlyphData> data) {
        m_data[format] = std::move(data);
    }
    void ThrowNoMemory(bool on) { m_throw = on; }

    const LogicalFont& Logical() const override { return m_logical; }
    const ResolvedFace& Face() const override { return m_face; }
    TextMetrics Metrics() const override { return {}; }
    std::optional<GlyphData> Glyph(std::uint32_t, GlyphFormat format) const override {
        if (m_throw)
            throw std::bad_alloc();
        const auto it = m_data.find(format);
        return it == m_data.end() ? std::nullopt : it->second;
    }
    Size CodeExtent(std::uint32_t) const override { return {}; }
    Size TextExtent(std::string_view) const override { return {}; }
    std::vector<GlyphImage> RenderCode(std::uint32_t) const override { return {}; }
    std::vector<GlyphImage> RenderText(std::string_view) const override { return {}; }

private:
    LogicalFont m_logical;
    ResolvedFace m_face;
    std::map<GlyphFormat, std::optional<GlyphData>> m_data;
    bool m_throw = false;
};

} // namespace lumina::test
