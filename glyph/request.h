#pragma once

#include "platform/char_info.h"
#include "platform/font.h"
#include "services/common.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumina {

// The glyph the analysis shows: the character (as text, and as its code page 932 code or, for a
// character without one, as Unicode) and the font it is drawn in. Field names follow their keys
// in section "Last".
struct GlyphRequest {
    std::string Char = "あ"; // UTF-8 text of the character, its variation selector included
    int SjisCode = 33440;    // key SJIS-Code: the byte, or lead * 256 + trail
    // Key Unicode: set when the character has no code page 932 form (one beyond code page 932,
    // or a variation sequence); SjisCode then names no character and is kept only as stored.
    std::optional<Character> Unicode;
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

    // The glyph the request asks the font for: Unicode's, or else the character of SjisCode.
    // nullopt when the code is not one character (the font refuses such a glyph).
    std::optional<GlyphKey> Key() const;
    // The character the request shows, as Unicode: nullopt for a code that is no character.
    std::optional<Character> Shown() const;

    // Makes c the character: by its code page 932 code when it has one, else as Unicode. Char
    // becomes its text.
    void SelectCharacter(const Character& c);
    // Makes a code page 932 code the character; Char becomes its text (bytes that are no
    // character as U+FFFD).
    void SelectCode(int code);
};

} // namespace lumina
