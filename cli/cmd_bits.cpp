// lumina-cli bits: the bit picture of one glyph, byte for byte as the window writes it.
#include "cli/command.h"
#include "cli/glyph_batch.h"
#include "cli/glyph_options.h"
#include "cli/study_options.h"
#include "glyph/bit_picture.h"
#include "platform/cp932.h"

namespace lumina::cli {
namespace {

int RunBits(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    GlyphRequest request;
    std::string error;
    if (!TakeGlyphOptions(args, request, error))
        return UsageError("bits", error);
    TakeUnhinted(args, request);
    BitStrings strings;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size() && !args[i + 1].empty();
        if (args[i] == "--ink" && hasValue)
            strings.ink = args[++i];
        else if (args[i] == "--background" && hasValue)
            strings.background = args[++i];
        else if (args[i] == "-o" && hasValue)
            output = args[++i];
        else
            return UsageError("bits", "unexpected argument '" + args[i] +
                                          "' (--ink, --background and -o need a value)");
    }
    GlyphBatch batch;
    const std::optional<std::string> ink = cp932::FromUtf8(strings.ink);
    const std::optional<std::string> background = cp932::FromUtf8(strings.background);
    if (!ink || !background)
        return Report(Problem::Refused(kMsgNotCp932));
    GlyphOutline outline;
    if (!batch.DecodeOutline(request, outline))
        return 1;
    const Result<std::string> bytes = MakeBitPicture(batch.Get(), request, *ink, *background);
    if (!bytes) {
        if (bytes.problem().id != kMsgNone)
            return Report(bytes.problem());
        return Failure("the glyph has no one-bit bitmap");
    }
    if (bytes->empty())
        return Failure("the glyph has no one-bit bitmap");
    if (!WriteOutput(output, *bytes, error))
        return Failure(error);
    return 0;
}

const CommandRegistration kBits("bits", RunBits);

} // namespace
} // namespace lumina::cli
