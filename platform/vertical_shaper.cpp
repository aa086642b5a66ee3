#include "platform/vertical_shaper.h"

#include <hb-ft.h>
#include <hb.h>

#include <array>

namespace lumina {
namespace {

struct BufferRelease {
    void operator()(hb_buffer_t* buffer) const { hb_buffer_destroy(buffer); }
};

// A character's own script; one shared by several scripts takes Han, the script every CJK
// font lists its vertical forms under.
hb_script_t ScriptOf(char32_t c) {
    const hb_script_t script = hb_unicode_script(hb_unicode_funcs_get_default(), c);
    if (script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN)
        return HB_SCRIPT_HAN;
    return script;
}

} // namespace

void VerticalShaper::FontRelease::operator()(hb_font_t* font) const {
    hb_font_destroy(font);
}

// The HarfBuzz face reads the tables through FreeType and keeps a reference to the FT_Face;
// the font measures with HarfBuzz's own OpenType functions in font units, which shaping by
// glyph alone never needs to scale.
VerticalShaper::VerticalShaper(FT_Face face) {
    hb_face_t* hbFace = hb_ft_face_create_referenced(face);
    m_font.reset(hb_font_create(hbFace));
    hb_face_destroy(hbFace);
}

VerticalShaper::~VerticalShaper() = default;

std::uint32_t VerticalShaper::GlyphOf(char32_t c, char32_t selector) const {
    const std::unique_ptr<hb_buffer_t, BufferRelease> buffer(hb_buffer_create());
    const std::array<std::uint32_t, 2> text{c, selector};
    hb_buffer_add_utf32(buffer.get(), text.data(), selector != 0 ? 2 : 1, 0, -1);
    hb_buffer_set_direction(buffer.get(), HB_DIRECTION_TTB);
    hb_buffer_set_script(buffer.get(), ScriptOf(c));
    hb_buffer_set_language(buffer.get(), hb_language_from_string("ja", -1));
    const std::array<hb_feature_t, 2> features{{
        {HB_TAG('v', 'e', 'r', 't'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
        {HB_TAG('v', 'r', 't', '2'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    }};
    hb_shape(m_font.get(), buffer.get(), features.data(), features.size());
    unsigned count = 0;
    const hb_glyph_info_t* glyphs = hb_buffer_get_glyph_infos(buffer.get(), &count);
    return count > 0 ? glyphs[0].codepoint : 0;
}

} // namespace lumina
