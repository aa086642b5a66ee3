// The print job end to end on the real glyph view: what reaches paper is the rendered picture,
// never the dial or the measuring line painted over the view on screen.
#include "glyph/glyph_view.h"
#include "glyph/view_observer.h"
#include "printwin/insatu_dlg.h"
#include "tests/print/print_fixture.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace lumina {
namespace {

int Distance(COLORREF a, COLORREF b) {
    return std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) +
           std::abs(BlueOf(a) - BlueOf(b));
}

TEST(GlyphPrint, PaperShowsThePictureWithoutDialOrMeasuringLine) {
    test::App();
    auto services = test::MakeServicesWithFonts();
    RecordingGlyphObserver observer;
    GlyphView view(services->Get(), observer);
    ASSERT_TRUE(view.MakeSurfaces(600, 500));
    GlyphViewState state;
    state.mode = DisplayMode::Bitmap;
    state.OrgX = 300;
    state.OrgY = 250;
    state.RoundR = 150;
    state.measure1 = {40, 460};
    state.measure2 = {560, 460};
    ASSERT_TRUE(view.RefreshGlyphView(state).ok);
    const Surface& picture = *view.SurfaceOf(DisplayMode::Bitmap);

    // On screen the dial and the line are there.
    auto screen = Surface::Create(600, 500, PixelFormat::Rgb32);
    ASSERT_TRUE(screen.has_value());
    view.Paint(*screen, {0, 0, 600, 500}, state);
    std::vector<Point> overlay;
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 600; ++x)
            if (Distance(screen->PixelAt({x, y}), picture.PixelAt({x, y})) > 90)
                overlay.push_back({x, y});
    ASSERT_GT(overlay.size(), 200u);

    PrinterSettings printer = test::PdfPrinter();
    const std::string pdf = services->Dir().File("glyph.pdf");
    services->Prompter().QueueFileName(pdf);
    CInsatuDlg dialog(*services, printer, view, DisplayMode::Bitmap, nullptr);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("print"), Qt::LeftButton);
    ASSERT_EQ(test::PdfInfo(pdf, "Pages"), "1");

    // At 96 dpi one view pixel is one rendered pixel; the view starts 25 mm in and down.
    const auto page = test::RenderPdfPageInColour(pdf, 1, 96, services->Dir().Path());
    ASSERT_TRUE(page.has_value());
    const int origin = static_cast<int>(25 / 25.4 * 96 + 0.5);
    int inked = 0;
    for (int y = 0; y < 500; y += 2)
        for (int x = 0; x < 600; x += 2)
            if (RedOf(page->At(origin + x, origin + y)) < 64)
                ++inked;
    EXPECT_GT(inked, 1000) << "the glyph bitmap reached the paper";
    int overlayOnPaper = 0;
    for (const Point p : overlay) {
        const COLORREF printed = page->At(origin + p.x, origin + p.y);
        if (Distance(printed, screen->PixelAt(p)) < Distance(printed, picture.PixelAt(p)))
            ++overlayOnPaper;
    }
    EXPECT_LT(overlayOnPaper, static_cast<int>(overlay.size() / 50));
}

} // namespace
} // namespace lumina
