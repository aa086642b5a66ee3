// lumina-art-tone [--classes LIST] PICTURE...: monochrome character art of each picture at the
// window's defaults (or with only the classes listed, as lumina-cli art takes them) in every tone
// mode, with and without error diffusion, and how well each keeps the picture's tones: the
// correlation of the picture's mean CIE L* per piece with the art's per cell, and the same over
// blocks of 2 x 2 cells. Run through tools/art-tone.
#include "art/engine.h"
#include "art/tone_fidelity.h"
#include "image/picture_type.h"
#include "image/source_picture.h"
#include "platform/surface.h"
#include "services/services.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace lumina {
namespace {

struct Mode {
    const char* name;
    ToneMode tone;
    bool dither;
};
constexpr std::array<Mode, 6> kModes{{
    {"none", ToneMode::None, false},
    {"none+dither", ToneMode::None, true},
    {"stretch", ToneMode::Stretch, false},
    {"stretch+dither", ToneMode::Stretch, true},
    {"equalize", ToneMode::Equalize, false},
    {"equalize+dither", ToneMode::Equalize, true},
}};

struct Figures {
    std::string picture;
    int cells = 0;
    std::array<ToneFidelity, kModes.size()> modes{};
};

bool Measure(const EngineServices& services, const ArtSettings& base, const std::string& path,
             Figures& figures) {
    SourcePicture picture;
    picture.path = path;
    picture.type = PictureTypeFromPath(path);
    Problems problems;
    if (picture.type.empty() || !LoadSourcePicture(services, picture, problems)) {
        std::fprintf(stderr, "lumina-art-tone: cannot load %s\n", path.c_str());
        return false;
    }
    figures.picture = std::filesystem::path(path).filename().string();
    ArtEngine engine(services);
    engine.SetPicture(&picture);
    for (size_t m = 0; m < kModes.size(); ++m) {
        ArtSettings& s = engine.Settings();
        s = base;
        s.Mono = 1;
        s.Tone = static_cast<int>(kModes[m].tone);
        s.Dither = kModes[m].dither ? 1 : 0;
        const Status run = engine.Run({}, false);
        if (!run) {
            std::fprintf(stderr, "lumina-art-tone: no art of %s: %s\n", path.c_str(),
                         run.problem().detail.c_str());
            return false;
        }
        const CompletedArt& art = *engine.LastCompleted();
        figures.cells = art.layout.cols * art.layout.rows;
        figures.modes[m] = MeasureToneFidelity(*picture.sourceSurface, *art.art, art.layout);
    }
    return true;
}

void PrintTable(const std::vector<Figures>& all, const char* title, double ToneFidelity::*value) {
    std::printf("\n%s\n%-28s %6s", title, "picture", "cells");
    for (const Mode& mode : kModes)
        std::printf(" %16s", mode.name);
    std::printf("\n");
    for (const Figures& f : all) {
        std::printf("%-28.28s %6d", f.picture.c_str(), f.cells);
        for (const ToneFidelity& t : f.modes)
            std::printf(" %16.5f", t.*value);
        std::printf("\n");
    }
    if (all.empty())
        return;
    std::printf("%-35s", "mean");
    for (size_t m = 0; m < kModes.size(); ++m) {
        double sum = 0.0;
        for (const Figures& f : all)
            sum += f.modes[m].*value;
        std::printf(" %16.5f", sum / static_cast<double>(all.size()));
    }
    std::printf("\n%-35s", "minimum");
    for (size_t m = 0; m < kModes.size(); ++m) {
        double low = 1.0;
        for (const Figures& f : all)
            low = std::min(low, f.modes[m].*value);
        std::printf(" %16.5f", low);
    }
    std::printf("\n");
}

} // namespace
} // namespace lumina

int main(int argc, char** argv) {
    using namespace lumina;
    ArtSettings base;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "--classes") {
        std::string unknown;
        if (!TakeClassList(argv[2], base, unknown)) {
            std::fprintf(stderr, "lumina-art-tone: unknown class '%s'\n", unknown.c_str());
            return 2;
        }
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: lumina-art-tone [--classes LIST] PICTURE...\n");
        return 2;
    }
    const std::unique_ptr<FontSystem> fonts = MakeFreeTypeFontSystem();
    const EngineServices services{*fonts};
    std::vector<Figures> all;
    int status = 0;
    for (int i = first; i < argc; ++i) {
        Figures figures;
        if (Measure(services, base, argv[i], figures))
            all.push_back(figures);
        else
            status = 1;
    }
    std::printf("Monochrome art at the defaults; correlation of the picture's mean L* with the "
                "art's.");
    PrintTable(all, "per cell", &ToneFidelity::cells);
    PrintTable(all, "over 2 x 2 cell blocks", &ToneFidelity::blocks);
    return status;
}
