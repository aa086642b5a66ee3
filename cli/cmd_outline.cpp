// lumina-cli outline: the outline point file of one glyph, byte for byte as the window writes
// it.
#include "cli/command.h"
#include "cli/glyph_batch.h"
#include "cli/glyph_options.h"
#include "glyph/outline_file.h"

namespace lumina::cli {
namespace {

int RunOutline(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    GlyphRequest request;
    std::string error;
    if (!TakeGlyphOptions(args, request, error))
        return UsageError("outline", error);
    bool withControlPoints = false;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--control-points")
            withControlPoints = true;
        else if (args[i] == "-o" && i + 1 < args.size() && !args[i + 1].empty())
            output = args[++i];
        else
            return UsageError("outline", "unexpected argument '" + args[i] + "'");
    }
    GlyphBatch batch;
    GlyphOutline outline;
    if (!batch.DecodeOutline(request, outline))
        return 1;
    if (!WriteOutput(output, FormatOutlinePointFile(outline, withControlPoints), error))
        return Failure(error);
    return 0;
}

const CommandRegistration kOutline("outline", RunOutline);

} // namespace
} // namespace lumina::cli
