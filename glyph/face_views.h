#pragma once

#include "platform/face_tables.h"
#include "platform/font.h"
#include "services/common.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumina {

struct GlyphRequest;

// The second face drawn over the first ("比較フォント"), with its own bold and italic.
struct CompareFace {
    std::string face; // UTF-8 family name
    bool bold = false;
    bool italic = false;
    friend bool operator==(const CompareFace&, const CompareFace&) = default;
};

// The typesetting switches of the three pictures. Everything off (the default) draws the
// pictures exactly as they have always been drawn.
struct FaceViews {
    bool compare = false; // the second face over the first
    CompareFace compareFace;
    bool frames = false;   // "字面枠": em box, character face box and the ascent lines
    bool vertical = false; // "縦書き": the glyph and metrics of vertical text

    // The second face is drawn: switched on and named.
    bool Comparing() const { return compare && !compareFace.face.empty(); }
    bool Any() const { return Comparing() || frames || vertical; }
};

// The request's font with the second face in place of the first: same size, angle, hinting.
FontSpec CompareFontSpec(const GlyphRequest& request, const CompareFace& face);

// The glyph a key shows in vertical text through a font: the font's vertical form (by index),
// or the key itself when the font gives none.
GlyphKey VerticalKey(const Font& font, const GlyphKey& key);

// One line of the "字面枠" picture: its label's name, its height (pixels, y up from the base
// line) and which pair it belongs to.
enum class FrameLineKind { Hhea, Typo, Win };
struct FrameLine {
    std::string_view name;
    int y = 0;
    FrameLineKind kind = FrameLineKind::Hhea;
    friend bool operator==(const FrameLine&, const FrameLine&) = default;
};

// The ascent and descent lines the face's tables give, named as lumina-cli metrics names
// them, in the order hhea, OS/2 typo, OS/2 win; a pair the face lacks is left out.
std::vector<FrameLine> FrameLines(const FaceTables& tables);

// The ideographic character face box, left, bottom, right and top, pixels from the horizontal
// origin, y up: BASE icfb and icft, inset from the em box's sides as far as icfb stands above
// its bottom. nullopt when the face's BASE table lacks either.
struct FaceBox {
    int left = 0;
    int bottom = 0;
    int right = 0;
    int top = 0;
    friend bool operator==(const FaceBox&, const FaceBox&) = default;
};
std::optional<FaceBox> CharacterFaceBox(const FaceTables& tables);

// The legend's lines for the frames: where the em box comes from (or that it is derived), and
// the character face box or that the face has none.
std::vector<std::string> FrameLegend(const FaceTables& tables);

} // namespace lumina
