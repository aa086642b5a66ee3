#pragma once

#include "platform/font.h"
#include "platform/fontconfig_resolver.h"
#include "platform/freetype_face.h"

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
    std::optional<GlyphData> Glyph(std::uint32_t code, GlyphFormat format) const override;
    Size CodeExtent(std::uint32_t code) const override;
    Size TextExtent(std::string_view utf8) const override;
    std::vector<GlyphImage> RenderCode(std::uint32_t code) const override;
    std::vector<GlyphImage> RenderText(std::string_view utf8) const override;

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
    FT_GlyphSlot Load(char32_t c) const;
    const CachedGlyph* Cached(char32_t c) const;
    GlyphMetrics AdvanceMetrics(FT_GlyphSlot slot) const;

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
    mutable std::unordered_map<char32_t, CachedGlyph> m_cache;
};

} // namespace lumina
