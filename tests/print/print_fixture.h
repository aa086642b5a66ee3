#pragma once

#include "platform/surface.h"
#include "print/view_pictures.h"
#include "services/printer_settings.h"
#include "tests/support/test_app.h"
#include "tests/support/test_services.h"

#include <optional>
#include <string>
#include <vector>

namespace lumina::test {

// Three white view pictures of one size at 96 dpi; the drawing picture carries a black square.
struct TestPictures {
    TestPictures(int width, int height, Rect ink)
        : outline(*Surface::Create(width, height, PixelFormat::Rgb32))
        , bitmap(*Surface::Create(width, height, PixelFormat::Rgb32))
        , drawing(*Surface::Create(width, height, PixelFormat::Rgb32)) {
        for (Surface* s : {&outline, &bitmap, &drawing})
            s->FillRect(s->Bounds(), Rgb(255, 255, 255));
        drawing.FillRect(ink, Rgb(0, 0, 0));
    }
    ViewPictures Pictures() const {
        ViewPictures pictures;
        pictures.surfaces = {&outline, &bitmap, &drawing};
        pictures.size = {outline.Width(), outline.Height()};
        return pictures;
    }
    Surface outline;
    Surface bitmap;
    Surface drawing;
};

inline PrinterSettings PdfPrinter() {
    return PrinterSettings{"PDF", true, 9, 1};
}

// A page of a PDF file rendered by poppler in 8-bit grey, 72 dots per inch (one pixel a point).
struct GreyPage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
    int At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    // The box of pixels darker than half grey; empty when there is none.
    Rect InkBox() const;
};

// A page rendered in colour at dpi dots per inch.
struct ColourPage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    COLORREF At(int x, int y) const {
        const std::size_t i = static_cast<std::size_t>(y * width + x) * 3;
        return Rgb(rgb[i], rgb[i + 1], rgb[i + 2]);
    }
};

std::optional<ColourPage> RenderPdfPageInColour(const std::string& pdf, int page, int dpi,
                                                const std::string& dir);
std::optional<GreyPage> RenderPdfPage(const std::string& pdf, int page, const std::string& dir);
// What pdfinfo says under a key ("Pages", "Page size").
std::string PdfInfo(const std::string& pdf, const std::string& key);

} // namespace lumina::test
