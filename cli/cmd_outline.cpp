// lumina-cli outline: the outline point file of one glyph, byte for byte as the window writes
// it, or its JSON form with the font's own points.
#include "cli/command.h"
#include "cli/glyph_batch.h"
#include "cli/glyph_options.h"
#include "cli/study_options.h"
#include "glyph/outline_file.h"
#include "glyph/outline_json.h"

namespace lumina::cli {
namespace {

int RunOutline(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    GlyphRequest request;
    std::string error;
    if (!TakeGlyphOptions(args, request, error))
        return UsageError("outline", error);
    TakeUnhinted(args, request);
    bool withControlPoints = false;
    bool json = false;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--control-points") {
            withControlPoints = true;
        } else if (args[i] == "-o" && i + 1 < args.size() && !args[i + 1].empty()) {
            output = args[++i];
        } else if (args[i] == "--format" && i + 1 < args.size() &&
                   (args[i + 1] == "text" || args[i + 1] == "json")) {
            json = args[++i] == "json";
        } else {
            return UsageError("outline", "unexpected argument '" + args[i] + "'");
        }
    }
    GlyphBatch batch;
    GlyphOutline outline;
    if (!batch.DecodeOutline(request, outline))
        return 1;
    std::string bytes;
    if (json) {
        const Result<OutlineJsonSource> source = FetchOutlineJsonSource(batch.Get(), request);
        if (!source)
            return Report(source.problem());
        bytes = FormatOutlineJson(*source, outline, withControlPoints);
    } else {
        bytes = FormatOutlinePointFile(outline, withControlPoints);
    }
    if (!WriteOutput(output, bytes, error))
        return Failure(error);
    return 0;
}

const CommandRegistration kOutline("outline", RunOutline);

} // namespace
} // namespace lumina::cli
