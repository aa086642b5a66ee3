// links: lumina_art lumina_image
// Whole character-art runs: sampling, mapping and drawing, with the palette measured once per
// engine (as within one window) or afresh.
#include "art/engine.h"
#include "bench/bench_support.h"
#include "image/source_picture.h"
#include "platform/surface.h"
#include "services/common.h"
#include "services/services.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace lumina {
namespace {

bench::BenchServices& Env() {
    static bench::BenchServices env;
    return env;
}

// The photograph fixture stretched (smoothly) to the benchmark's size.
const Surface& Picture(int width, int height) {
    static std::map<std::pair<int, int>, Surface> pictures;
    const auto key = std::make_pair(width, height);
    if (const auto it = pictures.find(key); it != pictures.end())
        return it->second;
    SourcePicture photo;
    photo.path = bench::PhotographPath();
    photo.type = "png";
    Problems problems;
    if (!LoadSourcePicture(Env().services, photo, problems))
        std::abort();
    auto surface = Surface::Create(width, height, PixelFormat::Rgb32);
    surface->StretchFrom(*photo.sourceSurface, photo.sourceSurface->Bounds(), surface->Bounds());
    return pictures.emplace(key, std::move(*surface)).first->second;
}

void Configure(ArtEngine& engine, const Surface& picture, int outW, int size, bool mono,
               bool random) {
    engine.SetPicture(&picture, PictureFacts{"bench.png", picture.Width(), picture.Height(), 0});
    ArtSettings& s = engine.Settings();
    s = ArtSettings{};
    s.FontName = "";
    s.OutW = outW;
    s.FontSize = size;
    s.Mono = mono ? 1 : 0;
    s.Rand = random ? 1 : 0;
}

void Report(benchmark::State& state, const ArtEngine& engine) {
    state.counters["cells"] =
        static_cast<double>(engine.Layout().cols) * static_cast<double>(engine.Layout().rows);
}

void BM_Run640x480Defaults(benchmark::State& state) {
    const Surface& picture = Picture(640, 480);
    ArtEngine engine(Env().services);
    Configure(engine, picture, 1000, 12, false, false);
    (void)engine.Run({}, false); // the window's first run measures the palette
    for (auto _ : state) {
        if (!engine.Run({}, false))
            state.SkipWithError("run failed");
    }
    Report(state, engine);
}
BENCHMARK(BM_Run640x480Defaults)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Run640x480DefaultsFirstRun(benchmark::State& state) {
    const Surface& picture = Picture(640, 480);
    for (auto _ : state) {
        ArtEngine engine(Env().services);
        Configure(engine, picture, 1000, 12, false, false);
        if (!engine.Run({}, false))
            state.SkipWithError("run failed");
    }
}
BENCHMARK(BM_Run640x480DefaultsFirstRun)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Run4000x3000(benchmark::State& state) {
    const bool mono = state.range(0) != 0;
    const bool random = state.range(1) != 0;
    const Surface& picture = Picture(4000, 3000);
    ArtEngine engine(Env().services);
    Configure(engine, picture, 5000, 8, mono, random);
    (void)engine.Run({}, false);
    for (auto _ : state) {
        if (!engine.Run({}, false))
            state.SkipWithError("run failed");
    }
    Report(state, engine);
}
BENCHMARK(BM_Run4000x3000)
    ->ArgNames({"mono", "rand"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Drawing the cells alone: the run's cached glyph images against one font call per cell.
struct CellsFixture {
    CellsFixture() {
        const FontSpec fontSpec{"", 8, false, false, 0};
        font = Env().fonts->CreateFont(MakeLogicalFont(fontSpec, 96));
        codes = CandidateCodes(ArtSettings{});
        surface.emplace(*Surface::Create(5000, 4000, PixelFormat::Rgb32));
    }
    std::shared_ptr<const Font> font;
    std::vector<std::uint32_t> codes;
    std::optional<Surface> surface;
    static constexpr int kCols = 444, kRows = 333, kCellW = 11, kCellH = 12;
    std::uint32_t Code(int i) const { return codes[static_cast<size_t>(i * 7919) % codes.size()]; }
};

void BM_DrawCellsCachedImages(benchmark::State& state) {
    static CellsFixture f;
    for (auto _ : state) {
        GlyphCache cache(f.font, nullptr);
        for (int i = 0; i < CellsFixture::kCols * CellsFixture::kRows; ++i) {
            const Point p{i % CellsFixture::kCols * CellsFixture::kCellW,
                          i / CellsFixture::kCols * CellsFixture::kCellH};
            CompositeGlyph(*f.surface, cache.Get(f.Code(i)).images, p, Rgb(0, 0, 0));
        }
    }
}
BENCHMARK(BM_DrawCellsCachedImages)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DrawCellsTextOutCode(benchmark::State& state) {
    static CellsFixture f;
    f.surface->SelectFont(f.font);
    f.surface->SetTextColour(Rgb(0, 0, 0));
    for (auto _ : state) {
        for (int i = 0; i < CellsFixture::kCols * CellsFixture::kRows; ++i) {
            const Point p{i % CellsFixture::kCols * CellsFixture::kCellW,
                          i / CellsFixture::kCols * CellsFixture::kCellH};
            f.surface->TextOutCode(p, f.Code(i));
        }
    }
}
BENCHMARK(BM_DrawCellsTextOutCode)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace lumina
