// links: lumina_glyph lumina_services lumina_platform
// The refresh pass on an 800 x 600 view, as a held spin or wheel repeats it; and with the study
// switches, each alone and all together, as a pan drag repeats it.
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

// The study switches; "all" is every one of them, with the zoom at x4 (its grid on).
enum StudyCase { kCurves, kFontPoints, kCompare, kSpread, kZoom, kAll };

void ApplyStudyCase(int c, GlyphViewState& view) {
    StudyOptions& study = view.study;
    study.curves = c == kCurves || c == kAll;
    study.fontPoints = c == kFontPoints || c == kAll;
    study.spreadNumbers = c == kSpread || c == kAll;
    study.zoom = c == kZoom || c == kAll ? 4 : 1;
    SetHinting(view, c == kCompare || c == kAll ? Hinting::Compare : Hinting::On);
}

// Arguments: 0 for "あ", 1 for "鬱"; a StudyCase. At 300 points, angle 0.
void BM_RefreshStudy(benchmark::State& state) {
    static Bench bench;
    static const char* const kNames[] = {"curves", "font-points", "compare",
                                         "spread", "zoom4",       "all"};
    GlyphViewState view;
    const bool utsu = state.range(0) == 1;
    view.request.Char = utsu ? "鬱" : "あ";
    view.request.SjisCode = utsu ? 0x9F54 : 0x82A0;
    view.request.FontName = "IPAGothic";
    view.request.FontSize = 300;
    view.OrgX = 200;
    view.OrgY = 100;
    ApplyStudyCase(static_cast<int>(state.range(1)), view);
    for (auto _ : state) {
        const bool ok = bench.view.RefreshGlyphView(view).ok;
        benchmark::DoNotOptimize(ok);
    }
    state.SetLabel(std::string(utsu ? "utsu" : "a") + " 300pt " + kNames[state.range(1)]);
}

BENCHMARK(BM_RefreshStudy)
    ->ArgsProduct({{0, 1}, {kCurves, kFontPoints, kCompare, kSpread, kZoom, kAll}})
    ->Unit(benchmark::kMillisecond);

} // namespace
