#pragma once

#include "platform/font.h"
#include "services/common.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumina {

// The glyph the analysis shows: the character (as text and as its code page 932 code) and the
// font it is drawn in. Field names follow their keys in section "Last".
struct GlyphRequest {
    std::string Char = "あ"; // UTF-8 text of the character (one code page 932 character)
    int SjisCode = 33440;    // key SJIS-Code: the byte, or lead * 256 + trail
    std::string FontName = std::string(kDefaultFaceName);
    int FontSize = 300; // points, 1..1000
    int FontDeg = 0;    // degrees counter-clockwise, 0..360
    int FontBold = 0;
    int FontItalic = 0;
    bool hinted = true; // the glyph rasterised with the font's hinting

    // Kept at every refresh from the request's font; used by the ink ratio and the overlays.
    int tmAscent = 0;
    int tmDescent = 0;

    FontSpec ToFontSpec() const {
        return FontSpec{FontName, FontSize, FontBold != 0, FontItalic != 0, FontDeg, hinted};
    }

    // The glyph the request asks the font for: the character of SjisCode. nullopt when the code
    // is not one character (the font refuses such a glyph).
    std::optional<GlyphKey> Key() const;
};

} // namespace lumina
