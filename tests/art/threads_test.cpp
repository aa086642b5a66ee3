// A run shares sampling and drawing among threads: the cells and every pixel of the art must
// be those of one thread, with characters that overlap their neighbours (large, turned) too.
#include "art/engine.h"
#include "art/render.h"
#include "platform/surface.h"
#include "services/common.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <cstring>

namespace lumina {
namespace {

Surface Gradient(int w, int h) {
    auto s = Surface::Create(w, h, PixelFormat::Rgb32);
    EXPECT_TRUE(s);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            s->SetPixel({x, y}, Rgb(255 * x / w, 255 * y / h, (x * y) % 256));
    }
    return std::move(*s);
}

bool SamePixels(const Surface& a, const Surface& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.Stride() != b.Stride())
        return false;
    return std::memcmp(a.Bits(), b.Bits(), static_cast<size_t>(a.Stride()) * a.Height()) == 0;
}

struct Drawn {
    CellGrid cells;
    std::optional<Surface> art;
};

class ThreadsTest : public ::testing::Test {
protected:
    // The grid sampled and the art drawn with the given settings, seed and threads.
    Drawn Draw(const ArtSettings& s, int threads) {
        ArtEngine engine(m_services->Get(), nullptr);
        engine.SetPaletteCacheFolder(std::string());
        engine.Settings() = s;
        engine.SetPicture(&m_picture, PictureFacts{"/pics/gradient.png", m_picture.Width(),
                                                   m_picture.Height(), 0});
        engine.SetThreads(threads);
        EXPECT_TRUE(engine.Run({}, false).ok());
        Drawn drawn;
        drawn.cells = engine.LastCompleted()->grid;
        // The random angles come from the clock: draw again from a fixed seed.
        const std::shared_ptr<const Font> font = FontOf(s);
        GlyphCache glyphs(font, &m_services->Get().fonts);
        const ArtLayout& l = engine.Layout();
        drawn.art = Surface::Create(l.drawW, l.drawH, PixelFormat::Rgb32);
        RenderJob job{&l, &drawn.cells, &s, &glyphs, 1234, {}, {}, threads};
        EXPECT_TRUE(RenderArt(*drawn.art, job));
        EXPECT_TRUE(SamePixels(*drawn.art, *engine.ArtSurface()) || s.Rand != 0);
        return drawn;
    }
    std::shared_ptr<const Font> FontOf(const ArtSettings& s) {
        const FontSpec fontSpec{s.FontName, s.FontSize, s.Bold != 0, s.Italic != 0, s.FontDeg};
        return m_services->Get().fonts.CreateFont(MakeLogicalFont(fontSpec, 96));
    }
    std::unique_ptr<test::TestServices> m_services = test::MakeServicesWithFonts();
    Surface m_picture = Gradient(300, 170);
};

TEST_F(ThreadsTest, ArtIsTheSameForAnyNumberOfThreads) {
    struct Case {
        const char* name;
        int mono, rand, size, outW;
    };
    const Case cases[] = {
        {"colour", 0, 0, 12, 1000},
        {"mono", 1, 0, 12, 1000},
        {"turned at random", 0, 1, 12, 1000},
        {"large characters over few rows", 0, 1, 40, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ArtSettings s;
        s.FontName = "";
        s.Mono = c.mono;
        s.Rand = c.rand;
        s.FontSize = c.size;
        s.OutW = c.outW;
        const Drawn one = Draw(s, 1);
        for (const int threads : {2, 3}) {
            SCOPED_TRACE(threads);
            const Drawn many = Draw(s, threads);
            EXPECT_EQ(many.cells.cells, one.cells.cells);
            EXPECT_EQ(many.cells.colours, one.cells.colours);
            EXPECT_TRUE(SamePixels(*many.art, *one.art));
        }
    }
}

} // namespace
} // namespace lumina
