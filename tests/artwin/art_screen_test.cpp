// Character art shown on a high-density screen: drawn again from a font at the device size.
#include "artwin/art_screen.h"

#include "platform/surface.h"
#include "tests/artwin/artwin_support.h"

#include <gtest/gtest.h>

#include <QImage>

namespace lumina::test {
namespace {

// The pixels of a picture that are not the background.
int Ink(const QImage& image, COLORREF background) {
    const QRgb bk = qRgb(RedOf(background), GreenOf(background), BlueOf(background));
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != bk ? 1 : 0;
    return n;
}

// The art's own pixels, each as a ratio x ratio block.
QImage Enlarged(const QImage& art, int ratio) {
    return art.scaled(art.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

int Differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

TEST(ScreenArt, DrawsTheCharactersFromAFontAtTwiceThePixelSize) {
    auto services = ArtServices();
    auto dialog = OpenShown(*services, Photo());
    ArtEngine& engine = dialog->Engine();
    for (const int rand : {0, 1}) {
        engine.Settings().Rand = rand;
        ASSERT_TRUE(engine.Run({}, false)) << rand;
        const CompletedArt& art = *engine.LastCompleted();
        EXPECT_TRUE(ScreenArt(services->Get(), art, 1).isNull());
        const QImage fine = ScreenArt(services->Get(), art, 2);
        ASSERT_FALSE(fine.isNull());
        EXPECT_EQ(fine.devicePixelRatio(), 2.0);
        EXPECT_EQ(fine.width(), 2 * art.layout.drawW);
        EXPECT_EQ(fine.height(), 2 * art.layout.drawH);
        // Four times the ink, as characters of twice the size have...
        const QImage own = art.art->Image();
        const COLORREF bk = art.settings.BkCol;
        const double share = static_cast<double>(Ink(fine, bk)) / Ink(own, bk);
        EXPECT_GT(share, 3.0) << rand;
        EXPECT_LT(share, 5.0) << rand;
        // ...but not the art's pixels made bigger: their edges are finer.
        const QImage blocks = Enlarged(own, 2);
        EXPECT_GT(Differing(fine, blocks), fine.width() * fine.height() / 50) << rand;
    }
    // The art the exports save keeps its size.
    EXPECT_EQ(engine.LastCompleted()->art->Ratio(), 1);
}

TEST(HighDensity, ArtViewShowsTheFinerArtOneToOne) {
    if (App().devicePixelRatio() < 2)
        GTEST_SKIP() << "needs a screen of scale 2";
    auto services = ArtServices();
    auto dialog = OpenShown(*services, Photo());
    dialog->SetZoom(1);
    QCoreApplication::processEvents();
    const CompletedArt& art = *dialog->Engine().LastCompleted();
    const QImage fine = ScreenArt(services->Get(), art, 2);
    ASSERT_FALSE(fine.isNull());
    const Rect area = dialog->ArtRect();
    const QImage shot =
        dialog->grab(QRect(area.left, area.top, area.Width(), area.Height())).toImage();
    ASSERT_EQ(shot.width(), 2 * area.Width());
    // Inside the area's frame, the device pixels are the finer art's, one to one.
    const int w = std::min(fine.width(), shot.width()) - 8;
    const int h = std::min(fine.height(), shot.height()) - 8;
    const QImage shown = shot.copy(4, 4, w, h).convertToFormat(QImage::Format_RGB32);
    const QImage expected = fine.copy(4, 4, w, h).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Differing(shown, expected), 0);
    EXPECT_GT(Differing(shown, Enlarged(art.art->Image(), 2).copy(4, 4, w, h)), w * h / 50);
}

// The source picture is stretched in device pixels: neighbouring device pixels of the photograph
// differ inside what would be one logical pixel's 2 x 2 block.
TEST(HighDensity, TheSourcePictureIsShownInDevicePixels) {
    if (App().devicePixelRatio() < 2)
        GTEST_SKIP() << "needs a screen of scale 2";
    auto services = ArtServices();
    auto dialog = OpenShown(*services, Photo());
    const Rect area = dialog->SourceRect();
    ASSERT_FALSE(area.IsEmpty());
    const QImage shot = dialog->grab(QRect(area.left, area.top, area.Width(), area.Height()))
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.width(), 2 * area.Width());
    int inside = 0;
    for (int y = 0; y + 1 < shot.height(); y += 2)
        for (int x = 0; x + 1 < shot.width(); x += 2)
            inside += shot.pixel(x, y) != shot.pixel(x + 1, y + 1) ? 1 : 0;
    EXPECT_GT(inside, shot.width() * shot.height() / 4 / 10);
}

} // namespace
} // namespace lumina::test
