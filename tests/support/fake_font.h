#pragma once

#include "platform/cp932.h"
#include "platform/font.h"

#include <map>
#include <new>
#include <optional>
#include <string>
#include <utility>

namespace lumina::test {

// A font whose glyphs a test prepares: either one answer per format for every code (exact
// rasteriser output, refusals and allocation failures for the glyph code), or glyphs set code
// by code with ink, advance and a coverage image (the character art). Other codes have none.
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

    // What every code answers in a format; nullopt makes the rasteriser refuse it.
    void Set(GlyphFormat format, std::optional<GlyphData> data) {
        m_byFormat[format] = std::move(data);
    }
    void ThrowNoMemory(bool on) { m_throw = on; }

    // A glyph of w x h pixels with the first `ink` pixels (row by row) at level 16.
    // A glyph whose first `ink` pixels are inked at the grey level (0..16).
    void SetGlyph(std::uint32_t code, int w, int h, int ink, int incX, int incY = 0,
                  int level = 16) {
        FakeGlyph g;
        g.gray.metrics.gmBlackBoxX = static_cast<std::uint32_t>(w);
        g.gray.metrics.gmBlackBoxY = static_cast<std::uint32_t>(h);
        g.gray.metrics.gmCellIncX = static_cast<std::int16_t>(incX);
        g.gray.metrics.gmCellIncY = static_cast<std::int16_t>(incY);
        const int stride = (w + 3) / 4 * 4;
        g.gray.bytes.assign(static_cast<size_t>(stride) * h, 0);
        for (int i = 0; i < ink; ++i)
            g.gray.bytes[static_cast<size_t>(i / w) * stride + i % w] =
                static_cast<std::uint8_t>(level);
        GlyphImage image{0, 0, w, h, std::vector<std::uint8_t>(static_cast<size_t>(w) * h, 0)};
        for (int i = 0; i < ink; ++i)
            image.coverage[static_cast<size_t>(i)] = static_cast<std::uint8_t>(level * 255 / 16);
        if (ink > 0)
            g.images.push_back(std::move(image));
        m_byCode[code] = std::move(g);
    }
    void SetBlank(std::uint32_t code, int incX) {
        FakeGlyph g;
        g.gray.metrics.gmCellIncX = static_cast<std::int16_t>(incX);
        m_byCode[code] = std::move(g);
    }

    const LogicalFont& Logical() const override { return m_logical; }
    const ResolvedFace& Face() const override { return m_face; }
    TextMetrics Metrics() const override { return m_metrics; }
    std::optional<GlyphData> GlyphOf(const GlyphKey& key, GlyphFormat format) const override {
        if (m_throw)
            throw std::bad_alloc();
        if (const auto it = m_byCode.find(CodeOf(key)); it != m_byCode.end())
            return it->second.gray;
        const auto it = m_byFormat.find(format);
        return it == m_byFormat.end() ? std::nullopt : it->second;
    }
    std::uint32_t IndexOf(const GlyphKey& key) const override {
        return key.index ? *key.index : CodeOf(key);
    }
    std::optional<SourceOutline> SourcePointsOf(const GlyphKey&) const override {
        return std::nullopt;
    }
    std::optional<char32_t> NextMapped(char32_t, int) const override { return std::nullopt; }
    std::vector<GlyphImage> RenderGlyph(const GlyphKey& key) const override {
        return RenderCode(CodeOf(key));
    }
    Size CodeExtent(std::uint32_t) const override { return {12, m_metrics.tmHeight}; }
    Size TextExtent(std::string_view) const override { return {12, m_metrics.tmHeight}; }
    std::vector<GlyphImage> RenderCode(std::uint32_t code) const override {
        ++renderCalls;
        const auto it = m_byCode.find(code);
        return it == m_byCode.end() ? std::vector<GlyphImage>{} : it->second.images;
    }
    std::vector<GlyphImage> RenderText(std::string_view) const override { return {}; }

    mutable int renderCalls = 0;

private:
    // Glyphs are set by code page 932 code; a key is its character's code (0 for none).
    static std::uint32_t CodeOf(const GlyphKey& key) {
        const auto bytes = cp932::FromUtf8(Utf8(key.scalar));
        if (!bytes || bytes->empty() || bytes->size() > 2)
            return 0;
        const auto b0 = static_cast<unsigned char>((*bytes)[0]);
        return bytes->size() == 1 ? b0 : b0 * 256u + static_cast<unsigned char>((*bytes)[1]);
    }
    static std::string Utf8(char32_t c) {
        std::string out;
        cp932::AppendUtf8(out, c);
        return out;
    }

    LogicalFont m_logical;
    ResolvedFace m_face;
    TextMetrics m_metrics;
    std::map<GlyphFormat, std::optional<GlyphData>> m_byFormat;
    std::map<std::uint32_t, FakeGlyph> m_byCode;
    bool m_throw = false;
};

// A font system whose every face is one font (nullptr: no font can be made).
class OneFontSystem : public FontSystem {
public:
    explicit OneFontSystem(std::shared_ptr<const Font> font)
        : m_font(std::move(font)) {}
    std::shared_ptr<const Font> CreateFont(const LogicalFont&) override { return m_font; }
    std::vector<std::string> Families() override { return {}; }
    std::optional<ResolvedFace> Resolve(const LogicalFont&) override { return std::nullopt; }

private:
    std::shared_ptr<const Font> m_font;
};

} // namespace lumina::test
