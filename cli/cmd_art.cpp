// lumina-cli art: one character-art run over a picture with the window's defaults and clamps
// (never the stored settings), writing the text and/or image export and printing the layout.
#include "art/cells_csv.h"
#include "art/engine.h"
#include "art/export.h"
#include "cli/batch_services.h"
#include "cli/command.h"
#include "image/source_picture.h"
#include "platform/surface.h"
#include "services/messages.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace lumina::cli {
namespace {

struct ArtOptions {
    std::string input;
    ArtSettings settings;
    std::string textPath;
    std::string imagePath;
    std::string cellsPath;
    bool pictureSize = false;
    bool progress = false;
};

bool TakeClasses(const std::string& list, ArtSettings& s, std::string& error) {
    std::string unknown;
    if (TakeClassList(list, s, unknown))
        return true;
    error = "unknown character class '" + unknown + "'";
    return false;
}

struct NumberOption {
    const char* name;
    long low;
    long high;
    int ArtSettings::*field;
};

// The numeric options with the ranges of their settings rows; a value outside is refused, not
// clamped, so that a typing error does not quietly draw something else.
constexpr NumberOption kNumberOptions[] = {
    {"--size", kFontSizeMin, kFontSizeMax, &ArtSettings::FontSize},
    {"--angle", -zoviv::kMaxAngle, zoviv::kMaxAngle, &ArtSettings::FontDeg},
    {"--char-spacing", kSpacingMin, kSpacingMax, &ArtSettings::CharMa},
    {"--line-spacing", kSpacingMin, kSpacingMax, &ArtSettings::LineMa},
    {"--brightness", kBrightMin, kBrightMax, &ArtSettings::BrightAll},
    {"--red", kBrightMin, kBrightMax, &ArtSettings::BrightR},
    {"--green", kBrightMin, kBrightMax, &ArtSettings::BrightG},
    {"--blue", kBrightMin, kBrightMax, &ArtSettings::BrightB},
    {"--out-width", kOutWMin, kOutWMax, &ArtSettings::OutW},
};

// Sets the numeric option's field; false with error set for a value outside its range.
bool TakeNumber(const std::string& option, const std::string& text, ArtSettings& s,
                std::string& error) {
    long value = 0;
    const bool colour = option == "--char-colour" || option == "--background";
    for (const NumberOption& o : kNumberOptions) {
        if (option != o.name)
            continue;
        if (!ParseInt(text, value) || value < o.low || value > o.high) {
            error = option + " needs a number from " + std::to_string(o.low) + " to " +
                    std::to_string(o.high);
            return false;
        }
        s.*o.field = static_cast<int>(value);
        return true;
    }
    if (!colour || !ParseInt(text, value) || value < 0 || value > 0xFFFFFF) {
        error = option + " needs a colour from 0x000000 to 0xFFFFFF";
        return false;
    }
    (option == "--char-colour" ? s.CharCol : s.BkCol) = static_cast<COLORREF>(value);
    return true;
}

bool TakeTone(const std::string& word, ArtSettings& s, std::string& error) {
    static const std::pair<const char*, ToneMode> kNames[] = {
        {"none", ToneMode::None}, {"stretch", ToneMode::Stretch}, {"equalize", ToneMode::Equalize}};
    for (const auto& [name, mode] : kNames) {
        if (word == name) {
            s.Tone = static_cast<int>(mode);
            return true;
        }
    }
    error = "unknown tone '" + word + "': none, stretch or equalize";
    return false;
}

bool IsNumberOption(const std::string& a) {
    for (const char* o :
         {"--size", "--angle", "--char-spacing", "--line-spacing", "--brightness", "--red",
          "--green", "--blue", "--out-width", "--char-colour", "--background"}) {
        if (a == o)
            return true;
    }
    return false;
}

bool ParseOptions(const std::vector<std::string>& args, ArtOptions& o, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool needsValue = IsNumberOption(a) || a == "--font" || a == "--classes" ||
                                a == "--text" || a == "--image" || a == "--tone" || a == "--cells";
        if (needsValue && i + 1 >= args.size()) {
            error = a + " needs a value";
            return false;
        }
        if (a == "--bold")
            o.settings.Bold = 1;
        else if (a == "--italic")
            o.settings.Italic = 1;
        else if (a == "--mono")
            o.settings.Mono = 1;
        else if (a == "--random")
            o.settings.Rand = 1;
        else if (a == "--dither")
            o.settings.Dither = 1;
        else if (a == "--picture-size")
            o.pictureSize = true;
        else if (a == "--progress")
            o.progress = true;
        else if (a == "--font")
            o.settings.FontName = CutFaceName(args[++i]);
        else if (a == "--classes") {
            if (!TakeClasses(args[++i], o.settings, error))
                return false;
        } else if (a == "--text")
            o.textPath = args[++i];
        else if (a == "--image")
            o.imagePath = args[++i];
        else if (a == "--cells")
            o.cellsPath = args[++i];
        else if (a == "--tone") {
            if (!TakeTone(args[++i], o.settings, error))
                return false;
        } else if (IsNumberOption(a)) {
            if (!TakeNumber(a, args[++i], o.settings, error))
                return false;
        } else if (a.starts_with("--")) {
            error = "unknown option '" + a + "'";
            return false;
        } else if (o.input.empty()) {
            o.input = a;
        } else {
            error = "unexpected argument '" + a + "'";
            return false;
        }
    }
    if (o.input.empty()) {
        error = "no input picture given";
        return false;
    }
    if (o.pictureSize && o.imagePath.empty()) {
        error = "--picture-size needs --image";
        return false;
    }
    return true;
}

void PrintProgress(int position, int upper) {
    constexpr int kWidth = 40;
    if (upper <= 0)
        return;
    if (position == 0) {
        static bool started = false;
        if (started)
            std::fputc('\n', stderr);
        started = !started;
        return;
    }
    const int filled = position * kWidth / upper;
    std::fprintf(stderr, "\r[%.*s%*s] %d/%d", filled, "########################################",
                 kWidth - filled, "", position, upper);
    std::fflush(stderr);
}

void PrintLayout(const ArtLayout& l, const std::string& elapsed) {
    std::printf("outH=%d\ndrawW=%d\ndrawH=%d\ncols=%d\nrows=%d\nrange=%d\ncellW=%d\ncellH=%d\n"
                "elapsed=%s\n",
                l.outH, l.drawW, l.drawH, l.cols, l.rows, l.range, l.cellW, l.cellH,
                elapsed.c_str());
}

int RunArt(const std::vector<std::string>& args) {
    ArtOptions o;
    std::string error;
    if (!ParseOptions(args, o, error))
        return UsageError("art", error);

    const BatchServices batch;
    const EngineServices& services = batch.Get();
    batch.NoteFaceFallback(o.settings.FontName);

    auto loaded = batch.LoadPicture(o.input);
    if (!loaded)
        return 1;
    SourcePicture& picture = *loaded;

    ArtEngine engine(services);
    engine.Settings() = o.settings;
    engine.SetPicture(&picture);
    engine.KeepCellChoices(!o.cellsPath.empty());
    // The text and the cells come from the choices alone; the progress counts drawn rows.
    engine.DrawArt(!o.imagePath.empty() || o.progress);
    ArtRunHooks hooks;
    if (o.progress)
        hooks.progress = PrintProgress;
    // One run: once sampled, the picture's pixels go before the art's are made.
    hooks.pictureRead = [&picture] { picture.sourceSurface.reset(); };
    const auto start = std::chrono::steady_clock::now();
    const Status status = engine.Run(hooks, false);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    if (!status)
        return Failure("the character-art run stopped: " + ProblemLine(status.problem()));
    const CompletedArt& art = *engine.LastCompleted();
    if (!o.textPath.empty()) {
        if (const Status written = WriteArtTextFile(o.textPath, art.grid); !written)
            return Report(written.problem());
    }
    if (!o.imagePath.empty()) {
        const int w = o.pictureSize ? art.outW : art.layout.drawW;
        const int h = o.pictureSize ? art.layout.outH : art.layout.drawH;
        if (const Status written = WriteArtImageFile(o.imagePath, *art.art, w, h); !written)
            return Report(written.problem());
    }
    if (!o.cellsPath.empty()) {
        if (const Status written = WriteCellsCsv(o.cellsPath, art.layout.cols, art.choices);
            !written)
            return Report(written.problem());
    }
    PrintLayout(art.layout, engine.ElapsedLabel());
    std::printf("milliseconds=%lld\n", static_cast<long long>(ms));
    return 0;
}

const CommandRegistration kArt("art", RunArt);

} // namespace
} // namespace lumina::cli
