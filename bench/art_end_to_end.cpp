// links: lumina_art lumina_image
// What a user of the batch tool waits for: the picture file loaded (decoded, flattened, its
// JPEG round trip) and one run drawn, as `lumina-cli art PICTURE --out-width 5000 --size 8
// --image FILE` (with the text alone the batch tool draws nothing).
// The pictures are those tools/bench-vs-peers makes (LUMINA_BENCH_PICTURES names their folder);
// without it the committed photograph is used.
#include "art/engine.h"
#include "bench/bench_support.h"
#include "image/source_picture.h"
#include "platform/surface.h"
#include "services/services.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace lumina {
namespace {

std::string PicturePath(const char* name) {
    if (const char* folder = std::getenv("LUMINA_BENCH_PICTURES"))
        return (std::filesystem::path(folder) / name).string();
    return bench::PhotographPath();
}

void EndToEnd(benchmark::State& state, const char* name, int outW, int size, bool mono) {
    static bench::BenchServices env;
    const std::string path = PicturePath(name);
    for (auto _ : state) {
        SourcePicture picture;
        picture.path = path;
        picture.type = PictureTypeFromPath(path);
        Problems problems;
        if (!LoadSourcePicture(env.services, picture, problems)) {
            state.SkipWithError("the picture did not load");
            return;
        }
        ArtEngine engine(env.services);
        engine.Settings().FontName = "";
        engine.Settings().OutW = outW;
        engine.Settings().FontSize = size;
        engine.Settings().Mono = mono ? 1 : 0;
        engine.SetPicture(&picture);
        ArtRunHooks hooks;
        hooks.pictureRead = [&picture] { picture.sourceSurface.reset(); };
        if (!engine.Run(hooks, false))
            state.SkipWithError("run failed");
    }
}

BENCHMARK_CAPTURE(EndToEnd, png_colour, "big-colour.png", 5000, 8, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(EndToEnd, png_grey, "big-grey.png", 5000, 8, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(EndToEnd, jpeg_colour, "big-colour.jpg", 5000, 8, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(EndToEnd, jpeg_colour_mono, "big-colour.jpg", 5000, 8, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(EndToEnd, photo_defaults, "photo-640x480.png", 1000, 12, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace lumina
