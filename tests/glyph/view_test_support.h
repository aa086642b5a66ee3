#pragma once

#include "glyph/glyph_view.h"
#include "glyph/view_observer.h"
#include "platform/freetype_font_system.h"
#include "platform/surface.h"
#include "tests/glyph/native_records.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <memory>
#include <string>

namespace lumina::test {

inline std::string ViewFixtureFont(const char* name) {
    return TestDataPath(std::string("fonts/") + name);
}

// A font that is the fixture face in every respect except its native outline, which is given:
// so that a test can draw an outline of known blocks with real bitmaps, metrics and text.
class GivenOutlineFont : public Font {
public:
    GivenOutlineFont(std::shared_ptr<const Font> inner, std::vector<std::uint8_t> native)
        : m_inner(std::move(inner))
        , m_native(std::move(native)) {}

    const LogicalFont& Logical() const override { return m_inner->Logical(); }
    const ResolvedFace& Face() const override { return m_inner->Face(); }
    TextMetrics Metrics() const override { return m_inner->Metrics(); }
    std::optional<GlyphData> GlyphOf(const GlyphKey& key, GlyphFormat format) const override {
        auto glyph = m_inner->GlyphOf(key, format);
        if (glyph && format == GlyphFormat::Native)
            glyph->bytes = m_native;
        return glyph;
    }
    std::uint32_t IndexOf(const GlyphKey& key) const override { return m_inner->IndexOf(key); }
    std::optional<SourceOutline> SourcePointsOf(const GlyphKey& key) const override {
        return m_inner->SourcePointsOf(key);
    }
    std::optional<char32_t> NextMapped(char32_t c, int direction) const override {
        return m_inner->NextMapped(c, direction);
    }
    std::vector<GlyphImage> RenderGlyph(const GlyphKey& key) const override {
        return m_inner->RenderGlyph(key);
    }
    Size CodeExtent(std::uint32_t code) const override { return m_inner->CodeExtent(code); }
    Size TextExtent(std::string_view utf8) const override { return m_inner->TextExtent(utf8); }
    std::vector<GlyphImage> RenderCode(std::uint32_t code) const override {
        return m_inner->RenderCode(code);
    }
    std::vector<GlyphImage> RenderText(std::string_view utf8) const override {
        return m_inner->RenderText(utf8);
    }

private:
    std::shared_ptr<const Font> m_inner;
    std::vector<std::uint8_t> m_native;
};

inline constexpr const char* kGivenOutlineFace = "Given Outline";

// The real font system with the fixture fonts, where the face "Given Outline" is the fixture
// face "Lumina Test" with a given native outline.
class GivenOutlineFontSystem : public FontSystem {
public:
    explicit GivenOutlineFontSystem(std::vector<std::uint8_t> native)
        : m_inner(MakeFreeTypeFontSystem(
              {ViewFixtureFont("LuminaTest.ttf"), ViewFixtureFont("LuminaTestCFF.otf")}))
        , m_native(std::move(native)) {}

    std::shared_ptr<const Font> CreateFont(const LogicalFont& logical) override {
        if (logical.faceName != kGivenOutlineFace)
            return m_inner->CreateFont(logical);
        LogicalFont fixture = logical;
        fixture.faceName = "Lumina Test";
        auto inner = m_inner->CreateFont(fixture);
        return inner ? std::make_shared<GivenOutlineFont>(inner, m_native) : nullptr;
    }
    std::vector<std::string> Families() override {
        std::vector<std::string> families = m_inner->Families();
        families.insert(families.begin(), kGivenOutlineFace);
        return families;
    }
    std::optional<ResolvedFace> Resolve(const LogicalFont& logical) override {
        return m_inner->Resolve(logical);
    }

private:
    std::unique_ptr<FontSystem> m_inner;
    std::vector<std::uint8_t> m_native;
};

// Two blocks: a square of 4 vertices and a triangle of 3, in pixels (y up).
inline std::vector<std::uint8_t> SquareAndTriangle() {
    NativeRecords r;
    r.Polygon(Px(0, 0)).Line({Px(0, 60), Px(60, 60), Px(60, 0)});
    r.Polygon(Px(100, 0)).Line({Px(160, 0), Px(130, 60)});
    return r.Bytes();
}

// A glyph view on W x H surfaces with its own services and observer.
struct ViewRig {
    explicit ViewRig(std::unique_ptr<FontSystem> fonts, int W = 400, int H = 300)
        : services(std::move(fonts))
        , view(services.Get(), observer) {
        EXPECT_TRUE(view.MakeSurfaces(W, H));
        state.OrgX = W / 2;
        state.OrgY = H / 2;
    }
    // True when the core succeeded; outcome keeps the problems the window would show.
    bool Refresh() {
        outcome = view.RefreshGlyphView(state);
        return outcome.ok;
    }
    // The texts of the last refresh's problems, in order.
    std::vector<std::string> ProblemTexts() const {
        std::vector<std::string> texts;
        for (const Problem& problem : outcome.problems)
            texts.push_back(ProblemText(problem));
        return texts;
    }
    const Surface& Picture(DisplayMode mode) const { return *view.SurfaceOf(mode); }

    TestServices services;
    RecordingGlyphObserver observer;
    GlyphView view;
    GlyphViewState state;
    RefreshOutcome outcome;
};

inline std::unique_ptr<FontSystem> FixtureFonts() {
    return MakeFreeTypeFontSystem(
        {ViewFixtureFont("LuminaTest.ttf"), ViewFixtureFont("LuminaTestCFF.otf")});
}

// Where a test leaves the picture it got when a comparison fails.
inline std::string ArtefactPath(const std::string& name) {
    const char* bin = std::getenv("LUMINA_BINARY_DIR");
    return std::string(bin ? bin : ".") + "/" + name;
}

inline bool IsWhite(COLORREF c) {
    return c == Rgb(255, 255, 255);
}

// A text's coverage drawn alone in a colour on a white surface of the same size, for finding
// which pixels a label must ink.
inline Surface TextAlone(const Services& services, int W, int H, const FontSpec& font, Point at,
                         const std::string& text, COLORREF colour) {
    Surface s = *Surface::Create(W, H, PixelFormat::Rgb32);
    const ScopedFont scoped(services, s, font);
    s.SetTextColour(colour);
    s.TextOut(at, text);
    return s;
}

// The share of the pixels a text inks alone that the picture has in exactly that colour.
inline double TextMatch(const Surface& picture, const Surface& alone) {
    int inked = 0, same = 0;
    for (int y = 0; y < alone.Height(); ++y)
        for (int x = 0; x < alone.Width(); ++x) {
            const COLORREF c = alone.PixelAt({x, y});
            if (IsWhite(c))
                continue;
            ++inked;
            same += picture.PixelAt({x, y}) == c ? 1 : 0;
        }
    return inked == 0 ? 0.0 : static_cast<double>(same) / inked;
}

} // namespace lumina::test
