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

namespace lumina::cli {
namespace {

void PrintValue(const char* name, long value) {
    std::printf("%s=%ld\n", name, value);
}

void PrintMetrics(const TextMetrics& tm, const GlyphMetrics& gm, const ResolvedFace& face) {
    PrintValue("tmHeight", tm.tmHeight);
    PrintValue("tmAscent", tm.tmAscent);
    PrintValue("tmDescent", tm.tmDescent);
    PrintValue("tmInternalLeading", tm.tmInternalLeading);
    PrintValue("tmExternalLeading", tm.tmExternalLeading);
    PrintValue("tmAveCharWidth", tm.tmAveCharWidth);
    PrintValue("tmMaxCharWidth", tm.tmMaxCharWidth);
    PrintValue("tmWeight", tm.tmWeight);
    PrintValue("gmBlackBoxX", gm.gmBlackBoxX);
    PrintValue("gmBlackBoxY", gm.gmBlackBoxY);
    PrintValue("gmptGlyphOrigin.x", gm.gmptGlyphOrigin.x);
    PrintValue("gmptGlyphOrigin.y", gm.gmptGlyphOrigin.y);
    PrintValue("gmCellIncX", gm.gmCellIncX);
    PrintValue("gmCellIncY", gm.gmCellIncY);
    std::printf("face=%s (%s", face.family.c_str(), face.file.c_str());
    if (face.index != 0)
        std::printf(" #%d", face.index);
    std::printf(")\n");
}

int RunMetrics(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    GlyphRequest request;
    std::string error;
    if (!TakeGlyphOptions(args, request, error))
        return UsageError("metrics", error);
    if (!args.empty())
        return UsageError("metrics", "unexpected argument '" + args.front() + "'");

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
    PrintMetrics(tm, glyph->metrics, font.get()->Face());
    return 0;
}

const CommandRegistration kMetrics("metrics", kGlyphOptionsUsage, RunMetrics);

} // namespace
} // namespace lumina::cli
