#pragma once

#include "platform/font.h"
#include "platform/fontconfig_resolver.h"
#include "platform/freetype_face.h"
#include "platform/vertical_shaper.h"

#include <unordered_map>

namespace lumina {

// A font realised on a FreeType face: its own size object on the shared face, the turn of its
// escapement (and any synthetic slant) set as the face's transform before every glyph is
// loaded, so that outlines, bitmaps, metrics and drawn text all come from one loaded glyph.
class FreeTypeFont : public Font {
public:
    // nullptr when the size cannot be had (an em of more than kMaxEmPixels, or no memory).
    static std::shared_ptr<const Font> Create(std::shared_ptr<FtFace> face,
                                              const LogicalFont& logical, const FaceMatch& match);
    ~FreeTypeFont() override;
    FreeTypeFont(const FreeTypeFont&) = delete;
    FreeTypeFont& operator=(const FreeTypeFont&) = delete;

    static constexpr int kMaxEmPixels = 16384;

    const LogicalFont& Logical() const override { return m_logical; }
    const ResolvedFace& Face() const override { return m_resolved; }
    TextMetrics Metrics() const override { return m_metrics; }
    std::optional<GlyphData> GlyphOf(const GlyphKey& key, GlyphFormat format) const override;
    std::uint32_t IndexOf(const GlyphKey& key) const override;
    std::optional<SourceOutline> SourcePointsOf(const GlyphKey& key) const override;
    std::optional<char32_t> NextMapped(char32_t c, int direction) const override;
    std::vector<GlyphImage> RenderGlyph(const GlyphKey& key) const override;
    Size CodeExtent(std::uint32_t code) const override;
    Size TextExtent(std::string_view utf8) const override;
    std::vector<GlyphImage> RenderCode(std::uint32_t code) const override;
    std::vector<GlyphImage> RenderText(std::string_view utf8) const override;
    FaceTables Tables() const override;
    std::optional<VerticalGlyph> Vertical(const GlyphKey& key) const override;

    int EmPixels() const { return m_em; }

private:
    // A drawn character: coverage relative to its pen position (y down) and its advances.
    struct CachedGlyph {
        GlyphImage image;
        FT_Vector advance{}; // turned, 26.6, y up
        int extent = 0;      // unturned advance in pixels
    };

    FreeTypeFont(std::shared_ptr<FtFace> face, const LogicalFont& logical, const FaceMatch& match);
    bool Realise();
    // Loads a glyph by index, turned by the escapement or not.
    FT_GlyphSlot Load(FT_UInt index, bool turned = true) const;
    const CachedGlyph* Cached(FT_UInt index) const;
    const std::vector<char32_t>& MappedCharacters() const;
    // The glyphs of a text; a variation selector picks its character's variant.
    std::vector<FT_UInt> GlyphsOfText(std::string_view utf8) const;
    std::vector<GlyphImage> RenderGlyphs(const std::vector<FT_UInt>& glyphs) const;
    GlyphMetrics AdvanceMetrics(FT_GlyphSlot slot) const;
    std::optional<GlyphData> MonoGlyph(FT_GlyphSlot slot, GlyphData data) const;

    std::shared_ptr<FtFace> m_face;
    FT_Size m_size = nullptr;
    LogicalFont m_logical;
    ResolvedFace m_resolved;
    FaceMatrix m_oblique;
    TextMetrics m_metrics;
    int m_em = 0;
    double m_sin = 0;
    double m_cos = 1;
    FT_Matrix m_matrix{};
    FT_Pos m_emboldenStrength = 0;
    mutable std::unordered_map<FT_UInt, CachedGlyph> m_cache;
    mutable std::vector<char32_t> m_mapped; // every character the face maps, ascending
    mutable std::optional<FaceTables> m_tables;
    mutable std::unique_ptr<VerticalShaper> m_shaper; // made on the first vertical question
};

} // namespace lumina
