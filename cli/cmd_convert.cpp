// lumina-cli convert: loads a picture by the character-art window's rules and saves it
// through the image encoders, printing what the load found.
#include "cli/batch_services.h"
#include "cli/command.h"
#include "image/encoder.h"
#include "image/source_picture.h"

#include <cstdio>
#include <filesystem>

namespace lumina::cli {
namespace {

struct ConvertOptions {
    std::string input;
    std::string output;
    int width = 0; // 0: the picture's own size
    int height = 0;
};

bool ParseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find_first_of("xX");
    long w = 0;
    long h = 0;
    if (x == std::string::npos || !ParseInt(text.substr(0, x), w) ||
        !ParseInt(text.substr(x + 1), h) || w < 1 || h < 1 || w > 65535 || h > 65535)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool ParseOptions(const std::vector<std::string>& args, ConvertOptions& o, std::string& error) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--size") {
            if (i + 1 >= args.size() || !ParseSize(args[++i], o.width, o.height)) {
                error = "--size needs WIDTHxHEIGHT, each from 1 to 65535";
                return false;
            }
        } else if (args[i].starts_with("--")) {
            error = "unknown option " + args[i];
            return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) {
        error = "convert needs an INPUT and an OUTPUT file";
        return false;
    }
    o.input = positional[0];
    o.output = positional[1];
    return true;
}

// The encoder's type word: the output's extension, as the image export takes it.
std::string TypeWordOf(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1);
}

int RunConvert(const std::vector<std::string>& args) {
    ConvertOptions o;
    std::string error;
    if (!ParseOptions(args, o, error))
        return UsageError("convert", error);
    const BatchServices batch;

    auto loaded = batch.LoadPicture(o.input);
    if (!loaded)
        return 1;
    SourcePicture& picture = *loaded;
    const int width = o.width > 0 ? o.width : picture.width;
    const int height = o.height > 0 ? o.height : picture.height;
    const Status saved = SaveBitmapThroughEncoder(*picture.sourceSurface, o.output, width, height,
                                                  TypeWordOf(o.output));
    if (!saved)
        return Report(saved.problem());
    std::printf("width=%d\nheight=%d\nbyteSize=%u\n", picture.width, picture.height,
                static_cast<unsigned>(picture.byteSize));
    if (picture.keyColour == kNoColour)
        std::printf("keyColour=-1\n");
    else
        std::printf("keyColour=0x%06X\n", static_cast<unsigned>(picture.keyColour));
    return 0;
}

const CommandRegistration kRegistration("convert", RunConvert);

} // namespace
} // namespace lumina::cli
