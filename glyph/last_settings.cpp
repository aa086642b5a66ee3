#include "glyph/last_settings.h"

#include "glyph/char_codes.h"
#include "services/settings_store.h"

namespace lumina {
namespace {

// A program that knows only the code page 932 keys may have stored another character since the
// Unicode key was written; then "Char" and "SJIS-Code" are the ones to go by.
std::optional<Character> StoredUnicode(const SettingsStore& store, const std::string& text) {
    const std::optional<Character> c = CharacterFromField(last::Unicode.Read(store));
    if (!c || Utf8Of(*c) != text || Cp932CodeOf(*c))
        return std::nullopt;
    return c;
}

} // namespace

void WriteUnicodeKey(SettingsStore& store, const GlyphRequest& request) {
    if (request.Unicode)
        last::Unicode.Write(store, CodePointsText(*request.Unicode));
    else if (!last::Unicode.Read(store).empty())
        last::Unicode.Write(store, "");
}

std::vector<SettingKey> LastSettingKeys() {
    using namespace last;
    std::vector<SettingKey> keys{
        Char.Key(),     SjisCode.Key(),    FontName.Key(), FontSize.Key(), FontDeg.Key(),
        FontBold.Key(), FontItalic.Key(),  DspMode.Key(),  OrgX.Key(),     OrgY.Key(),
        RoundR.Key(),   Bit1Char.Key(),    Bit0Char.Key(), DspCurve.Key(), DspFontPt.Key(),
        HintMode.Key(), DspNoSpread.Key(), Zoom.Key(),     PanX.Key(),     PanY.Key(),
        Unicode.Key()};
    for (const SettingKey& key : {DspCompare.Key(), CompareFont.Key(), CompareBold.Key(),
                                  CompareItalic.Key(), DspFrames.Key(), DspVertical.Key()})
        keys.push_back(key);
    for (const auto& row : kSwitches)
        keys.push_back(row.Key());
    for (const auto& row : Placement.Rows())
        keys.push_back(row.Key());
    return keys;
}

GlyphViewState LoadGlyphViewState(const SettingsStore& store, Size view) {
    using namespace last;
    GlyphViewState state;
    GlyphRequest& request = state.request;
    request.Char = Char.Read(store);
    request.SjisCode = SjisCode.Read(store);
    request.Unicode = StoredUnicode(store, request.Char);
    request.FontName = FontName.Read(store);
    request.FontSize = FontSize.Read(store);
    request.FontDeg = FontDeg.Read(store);
    request.FontBold = FontBold.Read(store) ? 1 : 0;
    request.FontItalic = FontItalic.Read(store) ? 1 : 0;
    for (const auto& row : kSwitches)
        state.options.*row.member = row.Read(store);
    state.mode = static_cast<DisplayMode>(DspMode.Read(store));
    state.OrgX = OrgX.Read(store, view.cx / 2);
    state.OrgY = OrgY.Read(store, view.cy / 2);
    state.RoundR = RoundR.Read(store);
    state.study.curves = DspCurve.Read(store);
    state.study.fontPoints = DspFontPt.Read(store);
    SetHinting(state, static_cast<Hinting>(HintMode.Read(store)));
    state.study.spreadNumbers = DspNoSpread.Read(store);
    state.study.zoom = Zoom.Read(store);
    state.study.pan = {PanX.Read(store), PanY.Read(store)};
    state.faces.compare = DspCompare.Read(store);
    state.faces.compareFace = {CompareFont.Read(store), CompareBold.Read(store),
                               CompareItalic.Read(store)};
    state.faces.frames = DspFrames.Read(store);
    state.faces.vertical = DspVertical.Read(store);
    return state;
}

} // namespace lumina
