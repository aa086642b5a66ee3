// lumina-cli render: one of the glyph view's three pictures as a PNG file, with the counts
// and the ink ratio the window would show.
#include "cli/command.h"
#include "cli/glyph_batch.h"
#include "cli/glyph_options.h"
#include "cli/study_options.h"

#include "platform/image_codec.h"

#include <cstdio>
#include <sstream>

namespace lumina::cli {
namespace {

struct RenderOptions {
    std::optional<DisplayMode> mode;
    int W = 800;
    int H = 600;
    std::optional<Point> origin;
    std::string output;
};

bool ParsePair(const std::string& text, char separator, long& a, long& b) {
    const auto at = text.find(separator);
    return at != std::string::npos && ParseInt(text.substr(0, at), a) &&
           ParseInt(text.substr(at + 1), b);
}

// Turns off each switch named in a comma-separated list of settings keys.
bool HideSwitches(const std::string& list, ViewOptions& options, std::string& error) {
    std::stringstream keys(list);
    std::string key;
    while (std::getline(keys, key, ',')) {
        bool found = false;
        for (const auto& s : ViewOptions::Switches()) {
            if (s.key == key) {
                options.*s.member = false;
                found = true;
            }
        }
        if (!found) {
            error = "--hide: '" + key + "' is not an overlay key (DspPos, DspNo, DspCenter, ...)";
            return false;
        }
    }
    return true;
}

bool TakeRenderOptions(const std::vector<std::string>& args, RenderOptions& ro,
                       ViewOptions& options, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (i + 1 >= args.size()) {
            error = "'" + arg + "' is not an option here, or needs a value";
            return false;
        }
        const std::string& value = args[++i];
        long a = 0, b = 0;
        if (arg == "--mode" && ParseDisplayMode(value, ro.mode)) {
        } else if (arg == "--view" && ParseViewSize(value, ro.W, ro.H)) {
        } else if (arg == "--origin" && ParsePair(value, ',', a, b) && a >= -100000 &&
                   a <= 100000 && b >= -100000 && b <= 100000) {
            ro.origin = Point{static_cast<int>(a), static_cast<int>(b)};
        } else if (arg == "--hide") {
            if (!HideSwitches(value, options, error))
                return false;
        } else if (arg == "-o" && !value.empty()) {
            ro.output = value;
        } else {
            error = "bad option '" + arg + " " + value + "'";
            return false;
        }
    }
    if (!ro.mode || ro.output.empty()) {
        error = "--mode and -o are needed";
        return false;
    }
    return true;
}

// The second face's values, as the window's tooltips show them.
void PrintCompareValues(const CompareValues& v) {
    std::printf("compare.face=%s\ncompare.tmAscent=%d\ncompare.tmDescent=%d\n", v.family.c_str(),
                v.text.tmAscent, v.text.tmDescent);
    if (!v.glyph)
        return;
    std::printf("compare.gmBlackBoxX=%u\ncompare.gmBlackBoxY=%u\ncompare.gmCellIncX=%d\n",
                v.glyph->gmBlackBoxX, v.glyph->gmBlackBoxY, v.glyph->gmCellIncX);
}

int RunRender(const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    GlyphViewState state;
    std::string error;
    if (!TakeGlyphOptions(args, state.request, error))
        return UsageError("render", error);
    if (!TakeStudyOptions(args, state, error) || !TakeFaceOptions(args, state.faces, error))
        return UsageError("render", error);
    RenderOptions ro;
    if (!TakeRenderOptions(args, ro, state.options, error))
        return UsageError("render", error);
    const Point origin = ro.origin.value_or(Point{ro.W / 2, ro.H / 2});
    state.OrgX = origin.x;
    state.OrgY = origin.y;
    state.mode = *ro.mode;

    GlyphBatch batch;
    if (!batch.Render(state, ro.W, ro.H))
        return 1;
    const Surface* surface = batch.View().SurfaceOf(*ro.mode);
    const auto png = surface ? EncodeWithQtWriter(*surface, "png") : std::nullopt;
    if (!png)
        return Failure("cannot encode the picture as PNG");
    if (!WriteOutput(ro.output,
                     std::string_view(reinterpret_cast<const char*>(png->data()), png->size()),
                     error))
        return Failure(error);
    std::printf("counts=%s\nink=%s\n", batch.Observer().counts.c_str(),
                batch.Observer().inkRatio.c_str());
    if (batch.Observer().compare)
        PrintCompareValues(*batch.Observer().compare);
    return 0;
}

const CommandRegistration kRender("render", RunRender);

} // namespace
} // namespace lumina::cli
