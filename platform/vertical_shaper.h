#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <memory>

struct hb_font_t;

namespace lumina {

// Shapes single characters as vertical Japanese text with HarfBuzz on a FreeType face: top to
// bottom, in the character's script (Han for characters shared by scripts, such as the
// prolonged sound mark and the brackets), language Japanese, with both 'vert' and 'vrt2' on.
// Fonts point 'vrt2' at the substitutions of 'vert' plus the rotated forms of proportional
// glyphs, so together they give each character the form the font means for vertical text,
// whichever of the two a font has.
class VerticalShaper {
public:
    explicit VerticalShaper(FT_Face face);
    ~VerticalShaper();
    VerticalShaper(const VerticalShaper&) = delete;
    VerticalShaper& operator=(const VerticalShaper&) = delete;

    // The first glyph the character (followed by its variation selector, when not 0) shapes
    // to; 0 when the shaping gives none.
    std::uint32_t GlyphOf(char32_t c, char32_t selector) const;

private:
    struct FontRelease {
        void operator()(hb_font_t* font) const;
    };
    std::unique_ptr<hb_font_t, FontRelease> m_font;
};

} // namespace lumina
