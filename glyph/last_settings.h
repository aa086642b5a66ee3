#pragma once

#include "glyph/glyph_view.h"
#include "services/common.h"
#include "services/placement_settings.h"
#include "services/settings_table.h"

#include <array>
#include <vector>

namespace lumina {

class SettingsStore;

// Section "Last": the main window's glyph request, overlay switches, display mode, drawing
// origin, dial radius, bit-picture strings and placement. Each key is written the moment its
// value changes, by the window and by the commands that change it.
namespace last {

inline constexpr std::string_view kSection = "Last";

inline constexpr StringSetting Char{kSection, "Char", "あ", 16};
// One or two bytes of code page 932.
inline constexpr IntSetting SjisCode{kSection, "SJIS-Code", 33440, 0, 0xFFFF};
// A character without a code page 932 form, as "U+20B9F" or "U+845B + U+E0100"; empty while the
// character is SJIS-Code's. It counts only while "Char" holds the same character.
inline constexpr StringSetting Unicode{kSection, "Unicode", "", 32};
inline constexpr StringSetting FontName{kSection, "FontName", kDefaultFaceName, 256};
inline constexpr IntSetting FontSize{kSection, "FontSize", 300, 1, 1000};
inline constexpr IntSetting FontDeg{kSection, "FontDeg", 0, 0, 360};
inline constexpr BoolSetting FontBold{kSection, "FontBold", false};
inline constexpr BoolSetting FontItalic{kSection, "FontItalic", false};

// In the order of the table of switches.
inline constexpr std::array<ViewOptions::Switch, 13> kSwitches{{
    {{kSection, "DspPos", true}, &ViewOptions::DspPos},
    {{kSection, "DspNo", true}, &ViewOptions::DspNo},
    {{kSection, "DspCenter", true}, &ViewOptions::DspCenter},
    {{kSection, "DspDrawOrg", true}, &ViewOptions::DspDrawOrg},
    {{kSection, "DspGlyphOrg", true}, &ViewOptions::DspGlyphOrg},
    {{kSection, "DspGlyphOrgX", true}, &ViewOptions::DspGlyphOrgX},
    {{kSection, "DspGlyphOrgY", true}, &ViewOptions::DspGlyphOrgY},
    {{kSection, "DspCellIncX", true}, &ViewOptions::DspCellIncX},
    {{kSection, "DspCellIncY", true}, &ViewOptions::DspCellIncY},
    {{kSection, "DspBlackBoxX", true}, &ViewOptions::DspBlackBoxX},
    {{kSection, "DspBlackBoxY", true}, &ViewOptions::DspBlackBoxY},
    {{kSection, "DspAscent", true}, &ViewOptions::DspAscent},
    {{kSection, "DspDescent", true}, &ViewOptions::DspDescent},
}};

// A DisplayMode; any stored number but 1 and 2 shows the drawing.
inline constexpr IntSetting DspMode{kSection, "DspMode", 1, 1, 3, 3};
// The drawing origin in view pixels, by default the view's centre; the window brings an origin
// beyond its view back inside.
inline constexpr IntSetting OrgX{kSection, "OrgX", 0, 0, kMaxScreenCoordinate};
inline constexpr IntSetting OrgY{kSection, "OrgY", 0, 0, kMaxScreenCoordinate};
// The dial radius; the window also keeps it within half the view's smaller side.
inline constexpr IntSetting RoundR{kSection, "RoundR", 100, 30, 400};
// The study switches of the outline and bitmap pictures, all off unless chosen.
inline constexpr BoolSetting DspCurve{kSection, "DspCurve", false};
inline constexpr BoolSetting DspFontPt{kSection, "DspFontPt", false};
// A Hinting: 0 with the font's hinting, 1 without, 2 both (compared); any other number is 0.
inline constexpr IntSetting HintMode{kSection, "Hinting", 0, 0, 2, 0};
inline constexpr BoolSetting DspNoSpread{kSection, "DspNoSpread", false};
inline constexpr IntSetting Zoom{kSection, "Zoom", 1, kMinZoom, kMaxZoom};
inline constexpr IntSetting PanX{kSection, "PanX", 0, -kMaxPan, kMaxPan};
inline constexpr IntSetting PanY{kSection, "PanY", 0, -kMaxPan, kMaxPan};
// The typesetting switches: a second face over the first (its name, bold and italic kept while
// it is switched off), the frames of the face's tables, and vertical text; all off unless chosen.
inline constexpr BoolSetting DspCompare{kSection, "DspCompare", false};
inline constexpr StringSetting CompareFont{kSection, "CompareFont", "", 256};
inline constexpr BoolSetting CompareBold{kSection, "CompareBold", false};
inline constexpr BoolSetting CompareItalic{kSection, "CompareItalic", false};
inline constexpr BoolSetting DspFrames{kSection, "DspFrames", false};
inline constexpr BoolSetting DspVertical{kSection, "DspVertical", false};
inline constexpr StringSetting Bit1Char{kSection, "Bit1Char", "1", 1024};
inline constexpr StringSetting Bit0Char{kSection, "Bit0Char", "0", 1024};
inline constexpr PlacementSettings Placement = PlacementRows(kSection);

} // namespace last

// Stores the request's character under "Unicode", or empties a stored one when the character is
// SJIS-Code's (nothing is written then when none was stored).
void WriteUnicodeKey(SettingsStore& store, const GlyphRequest& request);

// Every key of section "Last".
std::vector<SettingKey> LastSettingKeys();

// The request, the switches, the mode, the drawing origin (the centre of a view x view area when
// none is stored) and the dial radius as section "Last" holds them. Writes nothing.
GlyphViewState LoadGlyphViewState(const SettingsStore& store, Size view);

} // namespace lumina
