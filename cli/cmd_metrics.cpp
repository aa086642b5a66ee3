// lumina-cli metrics: the text and glyph metrics of one character in a font, as name=value
// lines, with the face and file the font resolved to, then the glyph's index, the face's own
// line values and, when asked, the character's vertical form.
#include "cli/batch_services.h"
#include "cli/command.h"
#include "cli/glyph_options.h"
#include "cli/json_text.h"
#include "cli/study_options.h"
#include "glyph/request.h"
#include "glyph/text_metrics.h"
#include "glyph/view_observer.h"
#include "platform/surface.h"
#include "services/common.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace lumina::cli {
namespace {

// One metric as printed: its value written out, and whether that is text (the face) rather
// than a number.
struct Field {
    std::string name;
    std::string value;
    bool isText = false;
};

Field Number(const char* name, long value) {
    return {name, std::to_string(value), false};
}

std::vector<Field> MetricFields(const TextMetrics& tm, const GlyphMetrics& gm,
                                const ResolvedFace& face) {
    std::string faceText = face.family + " (" + face.file;
    if (face.index != 0)
        faceText += " #" + std::to_string(face.index);
    faceText += ")";
    return {
        Number("tmHeight", tm.tmHeight),
        Number("tmAscent", tm.tmAscent),
        Number("tmDescent", tm.tmDescent),
        Number("tmInternalLeading", tm.tmInternalLeading),
        Number("tmExternalLeading", tm.tmExternalLeading),
        Number("tmAveCharWidth", tm.tmAveCharWidth),
        Number("tmMaxCharWidth", tm.tmMaxCharWidth),
        Number("tmWeight", tm.tmWeight),
        Number("gmBlackBoxX", gm.gmBlackBoxX),
        Number("gmBlackBoxY", gm.gmBlackBoxY),
        Number("gmptGlyphOrigin.x", gm.gmptGlyphOrigin.x),
        Number("gmptGlyphOrigin.y", gm.gmptGlyphOrigin.y),
        Number("gmCellIncX", gm.gmCellIncX),
        Number("gmCellIncY", gm.gmCellIncY),
        {"face", faceText, true},
    };
}

// The glyph's index and the face's table values, pixels at the request's size (rounded to the
// nearest, y up from the base line); a value the face does not give has no line.
std::vector<Field> TableFields(std::uint32_t glyphId, const FaceTables& t,
                               const std::optional<VerticalGlyph>& vertical) {
    std::vector<Field> fields{Number("glyphId", glyphId)};
    const auto add = [&fields](const char* name, const std::optional<int>& value) {
        if (value)
            fields.push_back(Number(name, *value));
    };
    add("hheaAscender", t.hheaAscender);
    add("hheaDescender", t.hheaDescender);
    add("typoAscender", t.typoAscender);
    add("typoDescender", t.typoDescender);
    add("winAscent", t.winAscent);
    add("winDescent", t.winDescent);
    add("ideoEmBottom", t.ideoEmBottom);
    if (t.ideoEmBottom)
        add("ideoEmTop", t.IdeographicEmBox().top);
    add("icfBottom", t.icfBottom);
    add("icfTop", t.icfTop);
    if (vertical) {
        fields.push_back(Number("vertGlyphId", vertical->glyphIndex));
        fields.push_back(Number("vertAdvance", vertical->advance));
    }
    return fields;
}

void PrintText(const std::vector<Field>& fields) {
    for (const Field& f : fields)
        std::printf("%s=%s\n", f.name.c_str(), f.value.c_str());
}

// One object, one member a line, in the order of the text form.
void PrintJson(const std::vector<Field>& fields) {
    std::vector<JsonMember> members;
    for (const Field& f : fields)
        members.push_back({f.name, f.isText ? JsonString(f.value) : f.value});
    PrintJsonObject(members);
}

// The character as the failures name it: "code 33440", or "U+20B9F" for one without a code.
std::string CharacterName(const GlyphRequest& request) {
    if (request.Unicode)
        return CodePointsText(*request.Unicode);
    return "code " + std::to_string(request.SjisCode);
}

// The options left after the glyph options: --format text|json and --vertical.
bool TakeOptions(const std::vector<std::string>& args, bool& json, bool& vertical,
                 std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--vertical") {
            vertical = true;
            continue;
        }
        if (args[i] != "--format") {
            error = "unexpected argument '" + args[i] + "'";
            return false;
        }
        if (i + 1 >= args.size() || (args[i + 1] != "text" && args[i + 1] != "json")) {
            error = "--format needs text or json";
            return false;
        }
        json = args[++i] == "json";
    }
    return true;
}

int RunMetrics(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    GlyphRequest request;
    std::string error;
    if (!TakeGlyphOptions(args, request, error))
        return UsageError("metrics", error);
    TakeUnhinted(args, request);
    bool json = false;
    bool vertical = false;
    if (!TakeOptions(args, json, vertical, error))
        return UsageError("metrics", error);

    const BatchServices batch;
    const EngineServices& services = batch.Get();
    batch.NoteFaceFallback(request.FontName);

    auto surface = Surface::Create(1, 1, PixelFormat::Rgb32, 96, 96);
    if (!surface)
        return Failure("cannot make a drawing surface");
    const ScopedFont font(services, *surface, request.ToFontSpec());
    if (!font)
        return Failure("no font can be made for face '" + request.FontName + "'");

    RecordingGlyphObserver observer;
    const TextMetrics tm = ShowTextMetrics(*surface, observer);
    const std::optional<GlyphKey> key = request.Key();
    const auto glyph = key ? font.get()->GlyphOf(*key, GlyphFormat::Native) : std::nullopt;
    if (!glyph)
        return Failure(CharacterName(request) + " is not a character the font can give");
    auto fields = MetricFields(tm, glyph->metrics, font.get()->Face());
    std::optional<VerticalGlyph> vertGlyph;
    if (vertical) {
        vertGlyph = font.get()->Vertical(*key);
        if (!vertGlyph)
            return Failure("the font gives no vertical form of " + CharacterName(request));
    }
    const auto tables = TableFields(font.get()->IndexOf(*key), font.get()->Tables(), vertGlyph);
    fields.insert(fields.end(), tables.begin(), tables.end());
    if (json)
        PrintJson(fields);
    else
        PrintText(fields);
    return 0;
}

const CommandRegistration kMetrics("metrics", RunMetrics);

} // namespace
} // namespace lumina::cli
