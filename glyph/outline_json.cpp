#include "glyph/outline_json.h"

#include "glyph/outline_file.h"
#include "glyph/request.h"
#include "services/common.h"
#include "services/json_text.h"
#include "services/services.h"

#include <cstdio>
#include <cstdlib>

namespace lumina {
namespace {

// 26.6 values divided by 64 have at most six decimals: written exactly, without trailing zeros.
std::string Number(double v) {
    if (v == 0)
        return "0"; // no "-0"
    char text[48];
    std::snprintf(text, sizeof text, "%.6f", v);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.')
        s.pop_back();
    return s;
}

const char* TypeName(SourcePointKind kind) {
    switch (kind) {
    case SourcePointKind::On:
        return "on";
    case SourcePointKind::Conic:
        return "conic";
    case SourcePointKind::Cubic:
        return "cubic";
    }
    return "on";
}

std::string Contour(const std::vector<SourcePoint>& contour) {
    std::string out = "{\"points\": [";
    for (std::size_t i = 0; i < contour.size(); ++i) {
        const SourcePoint& p = contour[i];
        out += (i ? ", " : "") + std::string("{\"x\": ") + Number(p.x) + ", \"y\": " + Number(p.y) +
               ", \"type\": \"" + TypeName(p.kind) + "\"}";
    }
    return out + "]}";
}

std::string Block(const FileBlock& block) {
    std::string out = "[";
    for (std::size_t i = 0; i < block.points.size(); ++i) {
        const FilePoint& p = block.points[i];
        out += (i ? ", " : "") + std::string("{\"x\": ") + std::to_string(p.x) +
               ", \"y\": " + std::to_string(p.y) + "}";
    }
    return out + "]";
}

// A member per line, the arrays an element per line.
template <class Items, class Format>
std::string Array(const Items& items, Format&& format) {
    if (items.empty())
        return "[]";
    std::string out = "[\n";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += "    " + format(items[i]) + (i + 1 < items.size() ? ",\n" : "\n");
    return out + "  ]";
}

} // namespace

std::string FormatOutlineJson(const OutlineJsonSource& source, const GlyphOutline& outline,
                              bool withControlPoints) {
    std::string out = "{\n";
    out += "  \"face\": " + JsonString(source.face.family) + ",\n";
    out += "  \"file\": " + JsonString(source.face.file) + ",\n";
    out += "  \"index\": " + std::to_string(source.face.index) + ",\n";
    out += "  \"ppem\": " + std::to_string(source.ppem) + ",\n";
    out += std::string("  \"hinted\": ") + (source.hinted ? "true" : "false") + ",\n";
    out += "  \"contours\": " + Array(source.points.contours, Contour) + ",\n";
    out += "  \"blocks\": " + Array(OutlinePointFileBlocks(outline, withControlPoints), Block);
    return out + "\n}\n";
}

Result<OutlineJsonSource> FetchOutlineJsonSource(const EngineServices& services,
                                                 const GlyphRequest& request) {
    const ScratchFont font(services, request.ToFontSpec());
    if (!font)
        return Problem::Failed(kMsgFontFailed);
    const std::optional<GlyphKey> key = request.Key();
    std::optional<SourceOutline> points;
    if (key)
        points = font.get()->SourcePointsOf(*key);
    if (!points)
        return Problem::Refused(kMsgNoOutline);
    OutlineJsonSource source;
    source.face = font.get()->Face();
    // A font without tables to read asked for its em by a negative height.
    const int em = font.get()->Tables().emPixels;
    source.ppem = em > 0 ? em : std::abs(font.get()->Logical().height);
    source.hinted = font.get()->Logical().hinted;
    source.points = std::move(*points);
    return source;
}

} // namespace lumina
