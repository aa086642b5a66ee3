#include "glyph/face_views.h"

#include "glyph/request.h"

namespace lumina {

FontSpec CompareFontSpec(const GlyphRequest& request, const CompareFace& face) {
    FontSpec compared = request.ToFontSpec();
    compared.face = face.face;
    compared.bold = face.bold;
    compared.italic = face.italic;
    return compared;
}

GlyphKey VerticalKey(const Font& font, const GlyphKey& key) {
    const std::optional<VerticalGlyph> vertical = font.Vertical(key);
    if (!vertical || !vertical->substituted)
        return key;
    return GlyphKey::Index(vertical->glyphIndex);
}

std::vector<FrameLine> FrameLines(const FaceTables& t) {
    std::vector<FrameLine> lines;
    const auto pair = [&lines](const char* up, const std::optional<int>& a, const char* down,
                               const std::optional<int>& d, FrameLineKind kind) {
        if (a)
            lines.push_back({up, *a, kind});
        if (d)
            lines.push_back({down, *d, kind});
    };
    pair("hheaAscender", t.hheaAscender, "hheaDescender", t.hheaDescender, FrameLineKind::Hhea);
    pair("typoAscender", t.typoAscender, "typoDescender", t.typoDescender, FrameLineKind::Typo);
    pair("winAscent", t.winAscent, "winDescent", t.winDescent, FrameLineKind::Win);
    return lines;
}

std::optional<FaceBox> CharacterFaceBox(const FaceTables& t) {
    if (!t.icfBottom || !t.icfTop)
        return std::nullopt;
    const EmBox em = t.IdeographicEmBox();
    const int inset = *t.icfBottom - em.bottom;
    return FaceBox{inset, *t.icfBottom, t.emPixels - inset, *t.icfTop};
}

std::vector<std::string> FrameLegend(const FaceTables& t) {
    std::vector<std::string> lines;
    switch (t.IdeographicEmBox().source) {
    case EmBoxSource::Base:
        lines.emplace_back("仮想ボディ：BASE ideo から");
        break;
    case EmBoxSource::TypoDescender:
        lines.emplace_back("仮想ボディ：BASE がないため OS/2 typoDescender から導出");
        break;
    case EmBoxSource::HheaDescender:
        lines.emplace_back("仮想ボディ：BASE・OS/2 がないため hheaDescender から導出");
        break;
    case EmBoxSource::BaseLine:
        lines.emplace_back("仮想ボディ：縦のメトリクスがないためベースラインから導出");
        break;
    }
    if (CharacterFaceBox(t))
        lines.emplace_back("平均字面：BASE icfb / icft から");
    else
        lines.emplace_back("平均字面：BASE icfb / icft がないため省略");
    return lines;
}

} // namespace lumina
