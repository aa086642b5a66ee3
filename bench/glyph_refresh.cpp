// links: lumina_glyph lumina_services lumina_platform
// The refresh pass on an 800 x 600 view, as a held spin or wheel repeats it.
#include "glyph/glyph_view.h"
#include "glyph/view_observer.h"
#include "services/services.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace lumina;

struct Bench {
    Bench()
        : fonts(MakeFreeTypeFontSystem())
        , services{*fonts}
        , view(services, observer) {
        view.MakeSurfaces(800, 600);
    }

    std::unique_ptr<FontSystem> fonts;
    EngineServices services;
    RecordingGlyphObserver observer;
    GlyphView view;
};

// Arguments: 0 for "あ", 1 for "鬱"; the size in points; the angle in degrees.
void BM_RefreshGlyphView(benchmark::State& state) {
    static Bench bench;
    GlyphViewState view;
    const bool utsu = state.range(0) == 1;
    view.request.Char = utsu ? "鬱" : "あ";
    view.request.SjisCode = utsu ? 0x9F54 : 0x82A0;
    view.request.FontName = "IPAGothic";
    view.request.FontSize = static_cast<int>(state.range(1));
    view.request.FontDeg = static_cast<int>(state.range(2));
    view.OrgX = 200;
    view.OrgY = 100;
    for (auto _ : state) {
        const bool ok = bench.view.RefreshGlyphView(view).ok;
        benchmark::DoNotOptimize(ok);
    }
    state.SetLabel(std::string(utsu ? "utsu" : "a") + " " + std::to_string(state.range(1)) + "pt " +
                   std::to_string(state.range(2)) + "deg");
}

BENCHMARK(BM_RefreshGlyphView)
    ->ArgsProduct({{0, 1}, {300, 1000}, {0, 30}})
    ->Unit(benchmark::kMillisecond);

} // namespace
