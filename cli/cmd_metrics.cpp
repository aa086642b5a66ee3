// lumina-cli metrics: the text and glyph metrics of one character in a font, as name=value
// lines, with the face and file the font resolved to.
#include "cli/batch_services.h"
#include "cli/command.h"
#include "cli/glyph_options.h"
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

void PrintText(const std::vector<Field>& fields) {
    for (const Field& f : fields)
        std::printf("%s=%s\n", f.name.c_str(), f.value.c_str());
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// One object, one member a line, in the order of the text form.
void PrintJson(const std::vector<Field>& fields) {
    std::printf("{\n");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Field& f = fields[i];
        const std::string value = f.isText ? JsonString(f.value) : f.value;
        std::printf("  %s: %s%s\n", JsonString(f.name).c_str(), value.c_str(),
                    i + 1 < fields.size() ? "," : "");
    }
    std::printf("}\n");
}

// The options left after the glyph options: --format text|json only.
bool TakeFormat(const std::vector<std::string>& args, bool& json, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
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
    bool json = false;
    if (!TakeFormat(args, json, error))
        return UsageError("metrics", error);

    const BatchServices batch;
    const EngineServices& services = batch.Get();

    auto surface = Surface::Create(1, 1, PixelFormat::Rgb32, 96, 96);
    if (!surface)
        return Failure("cannot make a drawing surface");
    const ScopedFont font(services, *surface, request.ToFontSpec());
    if (!font)
        return Failure("no font can be made for face '" + request.FontName + "'");

    RecordingGlyphObserver observer;
    const TextMetrics tm = ShowTextMetrics(*surface, observer);
    const auto glyph =
        font.get()->Glyph(static_cast<std::uint32_t>(request.SjisCode), GlyphFormat::Native);
    if (!glyph)
        return Failure("code " + std::to_string(request.SjisCode) +
                       " is not a character the font can give");
    const auto fields = MetricFields(tm, glyph->metrics, font.get()->Face());
    if (json)
        PrintJson(fields);
    else
        PrintText(fields);
    return 0;
}

const CommandRegistration kMetrics("metrics", RunMetrics);

} // namespace
} // namespace lumina::cli
