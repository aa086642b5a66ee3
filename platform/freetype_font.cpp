#include "platform/freetype_font.h"

#include "platform/cp932.h"
#include "platform/freetype_metrics.h"
#include "platform/freetype_outline.h"
#include "platform/freetype_tables.h"

#include <ft2build.h>
#include FT_OUTLINE_H
#include FT_SIZES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace lumina {
namespace {

FT_Fixed ToFixed(double v) {
    return static_cast<FT_Fixed>(std::lround(v * 65536.0));
}

// 26.6 to whole pixels, rounded.
int RoundPixels(FT_Pos v) {
    return static_cast<int>((v + 32) >> 6);
}

std::int16_t ClampShort(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

// Decodes UTF-8; a malformed sequence gives U+FFFD and resynchronises on the next byte.
std::u32string DecodeUtf8(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool ok = len > 0 && i + len <= s.size();
        for (int k = 1; ok && k < len; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            ok = (t & 0xC0) == 0x80;
            c = (c << 6) | (t & 0x3F);
        }
        if (!ok) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        out.push_back(c);
        i += len;
    }
    return out;
}

// Gray coverage 0..255 to the 17 levels 0..16; any coverage at all is at least level 1, so
// that counting ink does not lose the faintest pixels.
std::uint8_t Level17(std::uint8_t v) {
    if (v == 0)
        return 0;
    return static_cast<std::uint8_t>(std::max(1, (v * 16 + 127) / 255));
}

GlyphMetrics BitmapBox(GlyphMetrics m, FT_GlyphSlot slot) {
    m.gmBlackBoxX = slot->bitmap.width;
    m.gmBlackBoxY = slot->bitmap.rows;
    m.gmptGlyphOrigin = {slot->bitmap_left, slot->bitmap_top};
    return m;
}

// The control box rounded out to whole pixels: the black box of the outline, and the box the
// one-bit bitmap is laid into so that every format of a glyph reports the same black box.
GlyphMetrics OutlineBox(GlyphMetrics m, const FT_Outline& outline) {
    FT_BBox box;
    FT_Outline_Get_CBox(&outline, &box);
    const FT_Pos left = box.xMin & ~63, right = (box.xMax + 63) & ~63;
    const FT_Pos bottom = box.yMin & ~63, top = (box.yMax + 63) & ~63;
    m.gmBlackBoxX = static_cast<std::uint32_t>((right - left) >> 6);
    m.gmBlackBoxY = static_cast<std::uint32_t>((top - bottom) >> 6);
    m.gmptGlyphOrigin = {static_cast<int>(left >> 6), static_cast<int>(top >> 6)};
    return m;
}

const std::uint8_t* SourceRow(const FT_Bitmap& bitmap, unsigned row) {
    const int pitch = bitmap.pitch;
    if (pitch >= 0)
        return bitmap.buffer + static_cast<std::ptrdiff_t>(row) * pitch;
    return bitmap.buffer + static_cast<std::ptrdiff_t>(bitmap.rows - 1 - row) * -pitch;
}

} // namespace

FreeTypeFont::FreeTypeFont(std::shared_ptr<FtFace> face, const LogicalFont& logical,
                           const FaceMatch& match)
    : m_face(std::move(face))
    , m_logical(logical)
    , m_resolved(match.face)
    , m_oblique(match.oblique) {}

FreeTypeFont::~FreeTypeFont() {
    if (m_size)
        FT_Done_Size(m_size);
}

std::shared_ptr<const Font> FreeTypeFont::Create(std::shared_ptr<FtFace> face,
                                                 const LogicalFont& logical,
                                                 const FaceMatch& match) {
    if (!face)
        return nullptr;
    std::shared_ptr<FreeTypeFont> font(new FreeTypeFont(std::move(face), logical, match));
    if (!font->Realise())
        return nullptr;
    return font;
}

bool FreeTypeFont::Realise() {
    FT_Face face = m_face->get();
    m_em = EmPixelsFor(face, m_logical.height);
    if (m_em < 1 || m_em > kMaxEmPixels)
        return false;
    if (FT_New_Size(face, &m_size) != 0) {
        m_size = nullptr;
        return false;
    }
    if (FT_Activate_Size(m_size) != 0 || FT_Set_Pixel_Sizes(face, 0, m_em) != 0)
        return false;
    m_metrics = DeriveTextMetrics(face, m_em, m_logical.weight);

    // Escapement turns counter-clockwise in a y-up frame; a synthetic slant shears the glyph
    // before it is turned.
    const double radians = m_logical.escapement / 10.0 * std::numbers::pi / 180.0;
    m_sin = std::sin(radians);
    m_cos = std::cos(radians);
    const FaceMatrix& s = m_oblique;
    m_matrix.xx = ToFixed(m_cos * s.xx - m_sin * s.yx);
    m_matrix.xy = ToFixed(m_cos * s.xy - m_sin * s.yy);
    m_matrix.yx = ToFixed(m_sin * s.xx + m_cos * s.yx);
    m_matrix.yy = ToFixed(m_sin * s.xy + m_cos * s.yy);
    // The strength a synthetic bold widens strokes by: 1/24 of the em.
    if (m_resolved.embolden)
        m_emboldenStrength = FT_MulFix(face->units_per_EM, m_size->metrics.y_scale) / 24;
    return true;
}

// Loads a glyph at this font's size, turned (unless asked not to), hinted and emboldened as the
// font says; nullptr when FreeType refuses it.
FT_GlyphSlot FreeTypeFont::Load(FT_UInt index, bool turned) const {
    FT_Face face = m_face->get();
    if (FT_Activate_Size(m_size) != 0)
        return nullptr;
    FT_Matrix matrix = m_matrix;
    FT_Matrix shear{ToFixed(m_oblique.xx), ToFixed(m_oblique.xy), ToFixed(m_oblique.yx),
                    ToFixed(m_oblique.yy)};
    FT_Set_Transform(face, turned ? &matrix : &shear, nullptr);
    const FT_Int32 flags = FT_LOAD_NO_BITMAP | (m_logical.hinted ? 0 : FT_LOAD_NO_HINTING);
    const FT_Error error = FT_Load_Glyph(face, index, flags);
    FT_Set_Transform(face, nullptr, nullptr);
    if (error != 0 || face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
        return nullptr;
    FT_GlyphSlot slot = face->glyph;
    if (m_emboldenStrength > 0) {
        const FT_Matrix& m = turned ? matrix : shear;
        FT_Outline_EmboldenXY(&slot->outline, m_emboldenStrength, m_emboldenStrength);
        slot->advance.x += FT_MulFix(m_emboldenStrength, m.xx);
        slot->advance.y += FT_MulFix(m_emboldenStrength, m.yx);
        slot->metrics.horiAdvance += m_emboldenStrength;
        slot->metrics.vertAdvance += m_emboldenStrength;
    }
    return slot;
}

std::uint32_t FreeTypeFont::IndexOf(const GlyphKey& key) const {
    if (key.index)
        return *key.index;
    FT_Face face = m_face->get();
    if (key.selector != 0)
        return FT_Face_GetCharVariantIndex(face, key.scalar, key.selector);
    return FT_Get_Char_Index(face, key.scalar);
}

// The turned advance with y down, as the base line is drawn on a surface.
GlyphMetrics FreeTypeFont::AdvanceMetrics(FT_GlyphSlot slot) const {
    GlyphMetrics m;
    m.gmCellIncX = ClampShort(RoundPixels(slot->advance.x));
    m.gmCellIncY = ClampShort(-RoundPixels(slot->advance.y));
    return m;
}

std::optional<GlyphData> FreeTypeFont::GlyphOf(const GlyphKey& key, GlyphFormat format) const {
    FT_GlyphSlot slot = Load(IndexOf(key));
    if (!slot)
        return std::nullopt;
    GlyphData data;
    data.metrics = AdvanceMetrics(slot);

    if (format == GlyphFormat::Native) {
        data.metrics = OutlineBox(data.metrics, slot->outline);
        data.bytes = BuildNativeRecords(slot->outline);
        return data;
    }

    // A glyph without contours (a space) has no bitmap; the mono renderer would make it a
    // blank pixel.
    if (slot->outline.n_points == 0)
        return data;
    if (format == GlyphFormat::Mono)
        return MonoGlyph(slot, std::move(data));
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return std::nullopt;
    data.metrics = BitmapBox(data.metrics, slot);
    const FT_Bitmap& bitmap = slot->bitmap;
    const unsigned w = bitmap.width, h = bitmap.rows;
    if (w == 0 || h == 0)
        return data;
    // Rows start on 4-byte boundaries.
    const std::size_t stride = (w + 3) / 4 * 4;
    data.bytes.assign(stride * h, 0);
    for (unsigned row = 0; row < h; ++row) {
        const std::uint8_t* src = SourceRow(bitmap, row);
        std::uint8_t* dst = data.bytes.data() + row * stride;
        for (unsigned col = 0; col < w; ++col)
            dst[col] = Level17(src[col]);
    }
    return data;
}

// The one-bit rasteriser rounds its box by pixel centres and may come out a column or a row
// smaller than the black box the outline and the gray bitmap report; its pixels are laid into
// that black box, so the bit picture is as wide as the window says the glyph is.
std::optional<GlyphData> FreeTypeFont::MonoGlyph(FT_GlyphSlot slot, GlyphData data) const {
    data.metrics = OutlineBox(data.metrics, slot->outline);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
        return std::nullopt;
    const FT_Bitmap& bitmap = slot->bitmap;
    const std::int64_t w = data.metrics.gmBlackBoxX, h = data.metrics.gmBlackBoxY;
    if (bitmap.width == 0 || bitmap.rows == 0 || w == 0 || h == 0)
        return data;
    // Rows start on 4-byte boundaries (FreeType pads them to 2 bytes).
    const std::size_t stride = static_cast<std::size_t>((w + 31) / 32 * 4);
    data.bytes.assign(stride * static_cast<std::size_t>(h), 0);
    const std::int64_t dx = std::int64_t{slot->bitmap_left} - data.metrics.gmptGlyphOrigin.x;
    const std::int64_t dy = std::int64_t{data.metrics.gmptGlyphOrigin.y} - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const std::int64_t y = row + dy;
        if (y < 0 || y >= h)
            continue;
        const std::uint8_t* src = SourceRow(bitmap, row);
        std::uint8_t* dst = data.bytes.data() + static_cast<std::size_t>(y) * stride;
        for (unsigned col = 0; col < bitmap.width; ++col) {
            const std::int64_t x = col + dx;
            if (x >= 0 && x < w && (src[col / 8] & (0x80 >> (col % 8))) != 0)
                dst[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
    return data;
}

const FreeTypeFont::CachedGlyph* FreeTypeFont::Cached(FT_UInt index) const {
    if (const auto it = m_cache.find(index); it != m_cache.end())
        return &it->second;
    FT_GlyphSlot slot = Load(index);
    if (!slot || FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return nullptr;
    CachedGlyph g;
    g.advance = slot->advance;
    g.extent = RoundPixels(slot->metrics.horiAdvance);
    const FT_Bitmap& bitmap = slot->bitmap;
    g.image.left = slot->bitmap_left;
    g.image.top = -slot->bitmap_top;
    g.image.width = static_cast<int>(bitmap.width);
    g.image.height = static_cast<int>(bitmap.rows);
    g.image.coverage.resize(static_cast<std::size_t>(bitmap.width) * bitmap.rows);
    for (unsigned row = 0; row < bitmap.rows; ++row)
        std::memcpy(g.image.coverage.data() + static_cast<std::size_t>(row) * bitmap.width,
                    SourceRow(bitmap, row), bitmap.width);
    return &m_cache.emplace(index, std::move(g)).first->second;
}

std::vector<FT_UInt> FreeTypeFont::GlyphsOfText(std::string_view utf8) const {
    const std::u32string text = DecodeUtf8(utf8);
    std::vector<FT_UInt> glyphs;
    glyphs.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool selected = i + 1 < text.size() && IsVariationSelector(text[i + 1]);
        glyphs.push_back(IndexOf(GlyphKey::Char(text[i], selected ? text[i + 1] : 0)));
        if (selected)
            ++i;
    }
    return glyphs;
}

Size FreeTypeFont::TextExtent(std::string_view utf8) const {
    int width = 0;
    for (FT_UInt index : GlyphsOfText(utf8))
        if (const CachedGlyph* g = Cached(index))
            width += g->extent;
    return {width, m_metrics.tmHeight};
}

Size FreeTypeFont::CodeExtent(std::uint32_t code) const {
    const std::optional<std::string> text = cp932::ToUtf8(cp932::CodeBytes(code));
    return text ? TextExtent(*text) : Size{0, m_metrics.tmHeight};
}

std::vector<GlyphImage> FreeTypeFont::RenderText(std::string_view utf8) const {
    return RenderGlyphs(GlyphsOfText(utf8));
}

std::vector<GlyphImage> FreeTypeFont::RenderGlyph(const GlyphKey& key) const {
    return RenderGlyphs({IndexOf(key)});
}

std::vector<GlyphImage> FreeTypeFont::RenderGlyphs(const std::vector<FT_UInt>& glyphs) const {
    std::vector<GlyphImage> images;
    // The base-line origin is the cell's top-left moved down by the ascent, turned with the
    // text; the pen then follows the turned advances (26.6, y down).
    const double ascent = m_metrics.tmAscent * 64.0;
    FT_Vector pen{static_cast<FT_Pos>(std::lround(ascent * m_sin)),
                  static_cast<FT_Pos>(std::lround(ascent * m_cos))};
    for (FT_UInt index : glyphs) {
        const CachedGlyph* g = Cached(index);
        if (!g)
            continue;
        if (g->image.width > 0 && g->image.height > 0) {
            GlyphImage placed = g->image;
            placed.left += RoundPixels(pen.x);
            placed.top += RoundPixels(pen.y);
            images.push_back(std::move(placed));
        }
        pen.x += g->advance.x;
        pen.y -= g->advance.y;
    }
    return images;
}

std::vector<GlyphImage> FreeTypeFont::RenderCode(std::uint32_t code) const {
    const std::optional<std::string> text = cp932::ToUtf8(cp932::CodeBytes(code));
    return text ? RenderText(*text) : std::vector<GlyphImage>{};
}

std::optional<SourceOutline> FreeTypeFont::SourcePointsOf(const GlyphKey& key) const {
    FT_GlyphSlot slot = Load(IndexOf(key), false);
    if (!slot)
        return std::nullopt;
    const FT_Outline& outline = slot->outline;
    SourceOutline source;
    int start = 0;
    for (int c = 0; c < outline.n_contours; ++c) {
        const int end = outline.contours[c];
        std::vector<SourcePoint> contour;
        for (int i = start; i <= end && i < outline.n_points; ++i) {
            const FT_Vector& p = outline.points[i];
            const char tag = FT_CURVE_TAG(outline.tags[i]);
            const SourcePointKind kind = tag == FT_CURVE_TAG_ON      ? SourcePointKind::On
                                         : tag == FT_CURVE_TAG_CONIC ? SourcePointKind::Conic
                                                                     : SourcePointKind::Cubic;
            contour.push_back({p.x / 64.0, p.y / 64.0, kind});
        }
        source.contours.push_back(std::move(contour));
        start = end + 1;
    }
    return source;
}

const std::vector<char32_t>& FreeTypeFont::MappedCharacters() const {
    if (!m_mapped.empty())
        return m_mapped;
    FT_Face face = m_face->get();
    FT_UInt index = 0;
    for (FT_ULong c = FT_Get_First_Char(face, &index); index != 0;
         c = FT_Get_Next_Char(face, c, &index))
        m_mapped.push_back(static_cast<char32_t>(c));
    std::sort(m_mapped.begin(), m_mapped.end());
    return m_mapped;
}

std::optional<char32_t> FreeTypeFont::NextMapped(char32_t c, int direction) const {
    const std::vector<char32_t>& mapped = MappedCharacters();
    if (direction > 0) {
        const auto it = std::upper_bound(mapped.begin(), mapped.end(), c);
        return it == mapped.end() ? std::nullopt : std::optional(*it);
    }
    const auto it = std::lower_bound(mapped.begin(), mapped.end(), c);
    return it == mapped.begin() ? std::nullopt : std::optional(*std::prev(it));
}

FaceTables FreeTypeFont::Tables() const {
    if (!m_tables)
        m_tables = ReadFaceTables(m_face->get(), m_em);
    return *m_tables;
}

// The vertical advance and origin are FreeType's vertical metrics of the glyph as this font
// loads it (hinted or not): the face's vmtx where it has one, else FreeType's default (an
// advance of the OS/2 typo ascender to descender, or hhea's, with the glyph centred in it).
std::optional<VerticalGlyph> FreeTypeFont::Vertical(const GlyphKey& key) const {
    VerticalGlyph v;
    const std::uint32_t nominal = IndexOf(key);
    v.glyphIndex = nominal;
    // A character the face does not map stays the missing glyph, as it does across.
    if (!key.index && nominal != 0) {
        if (!m_shaper)
            m_shaper = std::make_unique<VerticalShaper>(m_face->get());
        v.glyphIndex = m_shaper->GlyphOf(key.scalar, key.selector);
    }
    v.substituted = v.glyphIndex != nominal;
    FT_GlyphSlot slot = Load(v.glyphIndex, false);
    if (!slot)
        return std::nullopt;
    // FreeType's vertical bearings run from the vertical origin to the top-left of the black
    // box, y down; the horizontal ones from the horizontal origin, y up.
    const FT_Glyph_Metrics& m = slot->metrics;
    v.advance = RoundPixels(m.vertAdvance);
    v.origin = {RoundPixels(m.horiBearingX - m.vertBearingX),
                RoundPixels(m.horiBearingY + m.vertBearingY)};
    return v;
}

} // namespace lumina
