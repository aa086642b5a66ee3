// links: lumina_platform
// Text output and glyph fetches as character art uses them: one small font, many cells.
#include "platform/font.h"
#include "platform/surface.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::uint32_t kCodes[] = {0x82A0, 0x8ABF, 0x8140 + 0x5F, 0x88A0, 0x82CC, 0x8341};

std::shared_ptr<const lumina::Font> SmallFont(lumina::FontSystem& fonts, int escapement) {
    return fonts.CreateFont(lumina::LogicalFont{"", -16, 400, false, escapement});
}

void BM_TextOutCodeCells(benchmark::State& state) {
    auto fonts = lumina::MakeFreeTypeFontSystem();
    auto surface = lumina::Surface::Create(640, 480, lumina::PixelFormat::Rgb32);
    surface->SelectFont(SmallFont(*fonts, static_cast<int>(state.range(0))));
    int cell = 0;
    for (auto _ : state) {
        const int x = (cell % 40) * 16, y = (cell / 40 % 30) * 16;
        surface->TextOutCode({x, y}, kCodes[cell % std::size(kCodes)]);
        ++cell;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextOutCodeCells)->Arg(0)->Arg(450);

void BM_Gray17Glyph(benchmark::State& state) {
    auto fonts = lumina::MakeFreeTypeFontSystem();
    const auto font = SmallFont(*fonts, 0);
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            font->Glyph(kCodes[i++ % std::size(kCodes)], lumina::GlyphFormat::Gray17));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Gray17Glyph);

void BM_CreateFont(benchmark::State& state) {
    auto fonts = lumina::MakeFreeTypeFontSystem();
    int angle = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SmallFont(*fonts, (angle++ % 360) * 10));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CreateFont);

} // namespace
